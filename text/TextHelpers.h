#pragma once

#include <array>
#include <string>
#include <string_view>

namespace verbalia {

// String operations shared by the searches. One byte is one character and
// every comparison is exact: 'a' and 'A' are different characters.

// Replaces the leftmost occurrence again and again until none is left. When
// the replacement itself contains the pattern, each original occurrence is
// replaced exactly once (through a marker no caller's text holds).
std::string Replace_All_Occurrences(std::string text, std::string_view pattern, std::string_view replacement);

// Removes the leftmost occurrence until none is left and counts the removals.
int Count_Occurrences(std::string_view text, std::string_view pattern);

// The letters A-Z and a-z of the text, in order.
std::string Letters_Only(std::string_view text);

// True when any of the characters occurs in the text.
bool Contains_Any_Of(std::string_view text, std::string_view characters);

// A set of characters held as a 256-entry table, built once, so that testing
// a text costs the same however many characters the set holds.
class CharacterSet {
public:
    CharacterSet() = default;
    explicit CharacterSet(std::string_view characters) { add(characters); }

    void add(std::string_view characters)
    {
        for (const char c : characters) m_members[static_cast<unsigned char>(c)] = true;
        m_empty = m_empty && characters.empty();
    }
    bool empty() const { return m_empty; }

    bool containsAnyOf(std::string_view text) const
    {
        for (const char c : text) {
            if (m_members[static_cast<unsigned char>(c)]) return true;
        }
        return false;
    }

private:
    std::array<bool, 256> m_members{};
    bool m_empty = true;
};

// True when the text consists of the letters A-Z and a-z only (or is empty).
bool isLettersOnly(std::string_view text);

// Case changes touch only A-Z and a-z.
std::string lowerAscii(std::string_view text);
std::string upperAscii(std::string_view text);
inline char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }
inline char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }

namespace detail {
// For each byte: whether it is a letter of Windows-1252, and its lower case.
struct CodePageLetters {
    std::array<bool, 256> letter{};
    std::array<char, 256> lower{};
};
inline constexpr CodePageLetters codePageLetters = [] {
    CodePageLetters table;
    for (int byte = 0; byte < 256; ++byte) {
        const bool upper = (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
        const bool caron = byte == 0x8A || byte == 0x8C || byte == 0x8E; // S, OE, Z
        table.letter[byte] = upper || caron || (byte >= 'a' && byte <= 'z') || (byte >= 0xDF && byte != 0xF7) ||
                             byte == 0x9A || byte == 0x9C || byte == 0x9E || byte == 0x9F;
        table.lower[byte] = char(upper ? byte + 0x20 : caron ? byte + 0x10 : byte == 0x9F ? 0xFF : byte);
    }
    return table;
}();
} // namespace detail

// The letters of Windows-1252: A-Z, a-z, the bytes 0xC0 to 0xFF but the
// multiplication and division signs, and the letters among 0x80 to 0x9F
// (S, OE and Z with caron or ligature, Y with diaeresis).
inline bool isCodePageLetter(char c) { return detail::codePageLetters.letter[static_cast<unsigned char>(c)]; }

// Those letters in lower case; sharp s, which has no capital, stays.
inline char lowerCodePageLetter(char c) { return detail::codePageLetters.lower[static_cast<unsigned char>(c)]; }

// True when the texts differ at most in the case of the letters A-Z.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Removes leading and trailing characters of code 32 or less.
std::string_view trimControls(std::string_view text);

} // namespace verbalia
