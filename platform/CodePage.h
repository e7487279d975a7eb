#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace verbalia {

// Conversion between the system's 8-bit code page (Windows-1252) and Unicode,
// through ICU's converter.
namespace codepage {

// What a character that the code page cannot hold becomes in typed text: a
// control character that is neither a letter nor a wildcard and that trimming
// keeps, so the criteria checks refuse it instead of searching for something
// else.
inline constexpr char substitute = '\x7F';

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
