#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace verbalia {

// Conversion between the system's 8-bit code page (Windows-1252) and Unicode,
// through tables of the program's own that agree with ICU's converter.
namespace codepage {

// What a character that the code page cannot hold becomes in typed text: a
// control character that is neither a letter nor a wildcard and that trimming
// keeps, so the criteria checks refuse it instead of searching for something
// else.
inline constexpr char substitute = '\x7F';

// The first byte of 128 or more at or after p, or end; ASCII is skipped 64
// bytes at a time where the processor allows, else eight.
inline const char* firstNonAscii(const char* p, const char* end)
{
#if defined(__SSE2__)
    for (; end - p >= 64; p += 64) {
        const auto load = [p](int at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at)); };
        const __m128i any = _mm_or_si128(_mm_or_si128(load(0), load(16)), _mm_or_si128(load(32), load(48)));
        if (_mm_movemask_epi8(any) != 0) break;
    }
#endif
    for (; end - p >= 8; p += 8) {
        std::uint64_t block;
        std::memcpy(&block, p, 8);
        if (block & 0x8080808080808080u) break;
    }
    while (p != end && static_cast<unsigned char>(*p) < 0x80) ++p;
    return p;
}

inline bool isAscii(std::string_view text) { return firstNonAscii(text.data(), text.data() + text.size()) == text.data() + text.size(); }

std::u16string toUtf16(std::string_view text);
std::string fromUtf16(std::u16string_view text, char unmappable);

// The Unicode character of one code-page byte.
char16_t toUnicode(unsigned char byte);

// The code-page byte of a Unicode character, or nothing when the code page lacks it.
std::optional<char> fromUnicode(char32_t character);

// For file paths and other native (UTF-8) text that appears in messages;
// what the code page cannot hold becomes '?'.
std::string fromUtf8(std::string_view utf8);
// Also writes the files that came in as UTF-8, so it runs through a table.
std::string toUtf8(std::string_view text);

} // namespace codepage
} // namespace verbalia
