#include "CodePage.h"

#include <array>

namespace verbalia::codepage {

namespace {

std::string utf8Of(char16_t c)
{
    if (c < 0x80) return std::string(1, char(c));
    if (c < 0x800) return {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
    return {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
}

// The characters of the bytes 0x80 to 0x9F, where Windows-1252 departs from
// Latin-1. Every other byte is the character of its value, the five that
// Windows-1252 leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) included, as
// ICU's converter maps them. A table of the program's own: opening the
// converter would load ICU's data at every start.
constexpr char16_t fromHighBytes[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The UTF-8 bytes of each code-page byte, built once.
const std::array<std::string, 256>& utf8Table()
{
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> utf8;
        for (int byte = 0; byte < 256; ++byte)
            utf8[std::size_t(byte)] = utf8Of(toUnicode(static_cast<unsigned char>(byte)));
        return utf8;
    }();
    return table;
}

} // namespace

char16_t toUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? fromHighBytes[byte - 0x80] : char16_t(byte);
}

std::optional<char> fromUnicode(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return char(character);
    for (int byte = 0x80; byte < 0xA0; ++byte) {
        if (fromHighBytes[byte - 0x80] == character) return char(byte);
    }
    return std::nullopt;
}

std::u16string toUtf16(std::string_view text)
{
    std::u16string result(text.size(), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) result[i] = toUnicode(static_cast<unsigned char>(text[i]));
    return result;
}

std::string fromUtf16(std::u16string_view text, char unmappable)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        // A surrogate pair is one character and becomes one substitute.
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) ++i;
        result.push_back(fromUnicode(c).value_or(unmappable));
    }
    return result;
}

std::string toUtf8(std::string_view text)
{
    const auto& table = utf8Table();
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end) {
        const char* high = firstNonAscii(p, end);
        result.append(p, high);
        if (high == end) break;
        result += table[static_cast<unsigned char>(*high)];
        p = high + 1;
    }
    return result;
}

} // namespace verbalia::codepage
