#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace verbalia {

// Some fixed texts (credit lines, the factory-defaults question) are kept in
// the program only scrambled and made readable when they are shown.

// Makes a stored text readable: with positions counted from 1, each byte is
// lowered by its position mod 5 (mod 256); then, from the front, the bytes at
// each even position i with i + 3 <= n swap places with those at i + 3.
std::string Unscramble_Text(std::string_view stored);

// The inverse of Unscramble_Text, in place: the swaps from the back, then
// each byte raised by its position mod 5.
constexpr void scrambleInPlace(char* text, std::size_t n)
{
    std::size_t i = n >= 5 ? (n - 3) & ~std::size_t(1) : 0; // the last even i with i + 3 <= n
    for (; i >= 2; i -= 2) {
        const char swapped = text[i - 1];
        text[i - 1] = text[i + 2];
        text[i + 2] = swapped;
    }
    for (std::size_t position = 1; position <= n; ++position)
        text[position - 1] = char((static_cast<unsigned char>(text[position - 1]) + position % 5) & 0xFF);
}

// A text scrambled when the program is compiled, so that only its scrambled
// form is in the program: constexpr ScrambledText stored("readable");
template <std::size_t N>
class ScrambledText {
public:
    consteval ScrambledText(const char (&readable)[N])
    {
        for (std::size_t i = 0; i + 1 < N; ++i) m_bytes[i] = readable[i];
        scrambleInPlace(m_bytes.data(), N - 1);
    }

    std::string_view stored() const { return {m_bytes.data(), N - 1}; }

private:
    std::array<char, N - 1> m_bytes{};
};

} // namespace verbalia
