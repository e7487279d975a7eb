#include "CodePage.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <array>
#include <unordered_map>

namespace verbalia::codepage {

namespace {

std::string utf8Of(char16_t c)
{
    if (c < 0x80) return std::string(1, char(c));
    if (c < 0x800) return {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
    return {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
}

// Both directions of Windows-1252, built once from ICU's converter, and the
// UTF-8 bytes of each code-page byte.
struct Tables {
    std::array<char16_t, 256> toUnicode{};
    std::unordered_map<char16_t, char> fromUnicode;
    std::array<std::string, 256> toUtf8;

    Tables()
    {
        UErrorCode status = U_ZERO_ERROR;
        UConverter* converter = ucnv_open("windows-1252", &status);
        for (int byte = 0; byte < 256; ++byte) {
            const char in = char(byte);
            UChar out[2] = {char16_t(byte), 0}; // Latin-1 if ICU lacks the converter
            if (converter) {
                UErrorCode convStatus = U_ZERO_ERROR;
                ucnv_reset(converter);
                if (ucnv_toUChars(converter, out, 2, &in, 1, &convStatus) != 1 || U_FAILURE(convStatus))
                    out[0] = 0xFFFD;
            }
            toUnicode[byte] = out[0];
            if (out[0] != 0xFFFD) fromUnicode.emplace(out[0], in);
            toUtf8[byte] = utf8Of(out[0]);
        }
        if (converter) ucnv_close(converter);
    }
};

const Tables& tables()
{
    static const Tables instance;
    return instance;
}

} // namespace

char16_t toUnicode(unsigned char byte)
{
    return tables().toUnicode[byte];
}

std::optional<char> fromUnicode(char32_t character)
{
    if (character < 0x80) return char(character);
    const auto& map = tables().fromUnicode;
    const auto found = character <= 0xFFFF ? map.find(char16_t(character)) : map.end();
    if (found == map.end()) return std::nullopt;
    return found->second;
}

std::u16string toUtf16(std::string_view text)
{
    const auto& table = tables().toUnicode;
    std::u16string result(text.size(), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) result[i] = table[static_cast<unsigned char>(text[i])];
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

std::string fromUtf8(std::string_view utf8)
{
    std::u16string wide(utf8.size(), u'\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(reinterpret_cast<UChar*>(wide.data()), int32_t(wide.size()), &length, utf8.data(),
                         int32_t(utf8.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status)) return std::string(utf8);
    wide.resize(std::size_t(length));
    return fromUtf16(wide, '?');
}

std::string toUtf8(std::string_view text)
{
    const auto& table = tables().toUtf8;
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
