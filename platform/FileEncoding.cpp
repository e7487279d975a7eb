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

// The Windows-1252 byte of the UTF-8 sequence at p (whose first byte is 128
// or more) and the sequence's length; a length of 0 when the bytes there are
// not UTF-8 or their character is not in Windows-1252. Windows-1252 holds
// only characters below U+10000, so a four-byte sequence never fits.
std::size_t decodeSequence(const char* p, const char* end, char& byte)
{
    const auto at = [p](int i) { return static_cast<unsigned char>(p[i]); };
    const auto continuation = [](unsigned char b) { return (b & 0xC0) == 0x80; };
    char32_t character;
    std::size_t length;
    if (at(0) >= 0xC2 && at(0) <= 0xDF && end - p >= 2 && continuation(at(1))) {
        character = char32_t(at(0) & 0x1F) << 6 | (at(1) & 0x3F);
        length = 2;
    } else if (at(0) >= 0xE0 && at(0) <= 0xEF && end - p >= 3 && continuation(at(1)) && continuation(at(2)) &&
               (at(0) != 0xE0 || at(1) >= 0xA0)) { // no overlong form
        // Surrogates (ED A0..BF ..) decode to characters the code page lacks.
        character = char32_t(at(0) & 0x0F) << 12 | char32_t(at(1) & 0x3F) << 6 | (at(2) & 0x3F);
        length = 3;
    } else {
        return 0;
    }
    const std::optional<char> mapped = codepage::fromUnicode(character);
    if (!mapped) return 0;
    byte = *mapped;
    return length;
}

// Walks the text after its byte-order mark: calls copy(from, to) for each
// run of ASCII bytes and put(byte) for the Windows-1252 byte of each other
// character. False, at once, when the text is not UTF-8 that fits Windows-1252.
template <class Copy, class Put>
bool walkUtf8(std::string_view text, Copy&& copy, Put&& put)
{
    if (text.starts_with(byteOrderMark)) text.remove_prefix(byteOrderMark.size());
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end) {
        const char* high = nextHighByte(p, end);
        copy(p, high);
        if (high == end) break;
        char byte;
        const std::size_t length = decodeSequence(high, end, byte);
        if (length == 0) return false;
        put(byte);
        p = high + length;
    }
    return true;
}

} // namespace

FileEncoding detectEncoding(std::string_view bytes)
{
    const std::string_view text = textOf(bytes);
    if (nextHighByte(text.data(), text.data() + text.size()) == text.data() + text.size()) return FileEncoding::Bytes;
    if (!walkUtf8(text, [](const char*, const char*) {}, [](char) {})) return FileEncoding::Bytes;
    return text.starts_with(byteOrderMark) ? FileEncoding::Utf8WithBom : FileEncoding::Utf8;
}

std::string convertUtf8File(std::string_view bytes)
{
    const std::string_view text = textOf(bytes);
    std::string result;
    result.reserve(text.size());
    walkUtf8(
        text, [&result](const char* from, const char* to) { result.append(from, to); },
        [&result](char byte) { result.push_back(byte); });
    return result;
}

// Converted in place, each run of ASCII moved down over the bytes that the
// characters before it gave up: no second copy of a large list.
FileEncoding decodeFile(std::string& bytes)
{
    const FileEncoding encoding = detectEncoding(bytes);
    if (encoding == FileEncoding::Bytes) return encoding;
    bytes.resize(textOf(bytes).size());
    char* out = bytes.data();
    walkUtf8(
        bytes,
        [&out](const char* from, const char* to) {
            if (out != from) std::memmove(out, from, std::size_t(to - from));
            out += to - from;
        },
        [&out](char byte) { *out++ = byte; });
    bytes.resize(std::size_t(out - bytes.data()));
    return encoding;
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
