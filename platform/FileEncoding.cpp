#include "FileEncoding.h"

#include "CodePage.h"

#include <cstdint>
#include <cstring>

namespace verbalia {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// The text up to its first NUL.
std::string_view textOf(std::string_view bytes)
{
    const void* nul = std::memchr(bytes.data(), '\0', bytes.size());
    return nul ? bytes.substr(0, std::size_t(static_cast<const char*>(nul) - bytes.data())) : bytes;
}

// The first byte of 128 or more at or after p, or end.
const char* nextHighByte(const char* p, const char* end)
{
    for (; end - p >= 8; p += 8) {
        std::uint64_t block;
        std::memcpy(&block, p, 8);
        if (block & 0x8080808080808080u) break;
    }
    while (p != end && static_cast<unsigned char>(*p) < 0x80) ++p;
    return p;
}

// The UTF-8 sequence at p, whose first byte is 128 or more: its length (0
// when the bytes there are not UTF-8: a stray or missing continuation byte,
// an overlong form, a surrogate, beyond U+10FFFF) and its character.
std::size_t decodeSequence(const char* p, const char* end, char32_t& character)
{
    const auto at = [p](int i) { return static_cast<unsigned char>(p[i]); };
    const unsigned char lead = at(0);
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (std::size_t(end - p) < length || at(1) < low || at(1) > high) return 0;
    character = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((at(int(i)) & 0xC0) != 0x80) return 0;
        character = character << 6 | (at(int(i)) & 0x3F);
    }
    return length;
}

// Walks UTF-8 text: calls copy(from, to) for each run of ASCII bytes and
// put(byte) for the Windows-1252 byte of each other character, substitute
// for one the code page lacks. False, at once, when the text is not UTF-8 or
// holds such a character and there is no substitute.
template <class Copy, class Put>
bool walkUtf8(std::string_view text, std::optional<char> substitute, Copy&& copy, Put&& put)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end) {
        const char* high = nextHighByte(p, end);
        copy(p, high);
        if (high == end) break;
        char32_t character;
        const std::size_t length = decodeSequence(high, end, character);
        if (length == 0) return false;
        const std::optional<char> byte = codepage::fromUnicode(character);
        if (!byte && !substitute) return false;
        put(byte ? *byte : *substitute);
        p = high + length;
    }
    return true;
}

} // namespace

bool EncodingDetector::feed(std::string_view piece)
{
    if (m_first && piece.starts_with(byteOrderMark)) {
        m_mark = true;
        piece.remove_prefix(byteOrderMark.size());
    }
    m_first = false;
    if (!m_utf8) return false;
    if (nextHighByte(piece.data(), piece.data() + piece.size()) == piece.data() + piece.size()) return true;
    m_highByte = true;
    m_utf8 = walkUtf8(piece, std::nullopt, [](const char*, const char*) {}, [](char) {});
    return m_utf8;
}

FileEncoding EncodingDetector::encoding() const
{
    if (!m_utf8 || !(m_highByte || m_mark)) return FileEncoding::Bytes;
    return m_mark ? FileEncoding::Utf8WithBom : FileEncoding::Utf8;
}

FileEncoding detectEncoding(std::string_view bytes)
{
    EncodingDetector detector;
    detector.feed(textOf(bytes));
    return detector.encoding();
}

// Converted in place, each run of ASCII moved down over the bytes that the
// characters before it gave up: no second copy of a large list.
FileEncoding decodeFile(std::string& bytes)
{
    const FileEncoding encoding = detectEncoding(bytes);
    if (encoding == FileEncoding::Bytes) return encoding;
    const std::size_t skip = encoding == FileEncoding::Utf8WithBom ? byteOrderMark.size() : 0;
    const std::string_view text = textOf(bytes).substr(skip);
    char* out = bytes.data();
    walkUtf8(
        text, std::nullopt,
        [&out](const char* from, const char* to) {
            if (out != from) std::memmove(out, from, std::size_t(to - from));
            out += to - from;
        },
        [&out](char byte) { *out++ = byte; });
    bytes.resize(std::size_t(out - bytes.data()));
    return encoding;
}

std::optional<std::string> utf8ToCodePage(std::string_view utf8, std::optional<char> substitute)
{
    std::string result;
    result.reserve(utf8.size());
    if (!walkUtf8(
            utf8, substitute, [&result](const char* from, const char* to) { result.append(from, to); },
            [&result](char byte) { result.push_back(byte); }))
        return std::nullopt;
    return result;
}

std::string encodeFile(std::string text, FileEncoding encoding)
{
    if (text.empty()) return text; // an empty list is an empty file, whatever its encoding
    switch (encoding) {
    case FileEncoding::Bytes: return text;
    case FileEncoding::Utf8: return codepage::toUtf8(text);
    case FileEncoding::Utf8WithBom: return std::string(byteOrderMark) + codepage::toUtf8(text);
    }
    return text;
}

} // namespace verbalia
