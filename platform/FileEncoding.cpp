#include "FileEncoding.h"

#include "CodePage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace verbalia {

namespace {

// The text up to its first NUL.
std::string_view textOf(std::string_view bytes)
{
    const void* nul = std::memchr(bytes.data(), '\0', bytes.size());
    return nul ? bytes.substr(0, std::size_t(static_cast<const char*>(nul) - bytes.data())) : bytes;
}

// The length of the UTF-8 sequence that the byte starts; 0 when it starts none.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The UTF-8 sequence at p, whose first byte is 128 or more: its length (0
// when the bytes there are not UTF-8: a stray or missing continuation byte,
// an overlong form, a surrogate, beyond U+10FFFF) and its character.
std::size_t decodeSequence(const char* p, const char* end, char32_t& character)
{
    const auto at = [p](int i) { return static_cast<unsigned char>(p[i]); };
    const unsigned char lead = at(0);
    const std::size_t length = sequenceLength(lead);
    if (length == 0) return 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
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
        const char* high = codepage::firstNonAscii(p, end);
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

bool Utf8PieceDecoder::feed(std::string_view piece)
{
    m_converted.clear();
    m_ascii = {};
    if (!m_utf8) return false;
    if (!m_pending.empty()) {
        const std::size_t missing = sequenceLength(static_cast<unsigned char>(m_pending[0])) - m_pending.size();
        const std::size_t taken = std::min(missing, piece.size());
        m_pending.append(piece.substr(0, taken));
        piece.remove_prefix(taken);
        if (taken < missing) return true;
        const std::string character = std::move(m_pending);
        m_pending.clear();
        if (!take(character)) return false;
    }
    // A character whose first byte is among the last three may continue in the next piece.
    for (std::size_t back = 1; back <= 3 && back <= piece.size(); ++back) {
        const auto byte = static_cast<unsigned char>(piece[piece.size() - back]);
        if (byte >= 0x80 && byte < 0xC0) continue; // a continuation byte: its first is further back
        if (sequenceLength(byte) > back) {
            m_pending = piece.substr(piece.size() - back);
            piece.remove_suffix(back);
        }
        break;
    }
    return take(piece);
}

bool Utf8PieceDecoder::take(std::string_view text)
{
    if (m_first && !text.empty()) {
        m_first = false;
        if (text.starts_with(utf8ByteOrderMark)) {
            m_mark = true;
            text.remove_prefix(utf8ByteOrderMark.size());
        }
    }
    const char* const high = codepage::firstNonAscii(text.data(), text.data() + text.size());
    const std::string_view ascii = text.substr(0, std::size_t(high - text.data()));
    if (ascii.size() == text.size()) {
        if (m_convert && m_converted.empty()) m_ascii = text;
        else if (m_convert) m_converted.append(text);
        return true;
    }
    m_highByte = true;
    text.remove_prefix(ascii.size());
    if (m_convert) {
        m_converted.append(ascii);
        m_utf8 = walkUtf8(
            text, std::nullopt, [this](const char* from, const char* to) { m_converted.append(from, to); },
            [this](char byte) { m_converted.push_back(byte); });
    } else {
        m_utf8 = walkUtf8(text, std::nullopt, [](const char*, const char*) {}, [](char) {});
    }
    return m_utf8;
}

FileEncoding Utf8PieceDecoder::encoding() const
{
    if (!m_utf8 || !m_pending.empty() || !(m_highByte || m_mark)) return FileEncoding::Bytes;
    return m_mark ? FileEncoding::Utf8WithBom : FileEncoding::Utf8;
}

FileEncoding detectEncoding(std::string_view bytes)
{
    Utf8PieceDecoder decoder(false);
    decoder.feed(textOf(bytes));
    return decoder.encoding();
}

// Converted in place, each run of ASCII moved down over the bytes that the
// characters before it gave up: no second copy of a large list.
FileEncoding decodeFile(std::string& bytes)
{
    const FileEncoding encoding = detectEncoding(bytes);
    if (encoding == FileEncoding::Bytes) return encoding;
    const std::size_t skip = encoding == FileEncoding::Utf8WithBom ? utf8ByteOrderMark.size() : 0;
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
    case FileEncoding::Utf8WithBom: return std::string(utf8ByteOrderMark) + codepage::toUtf8(text);
    }
    return text;
}

} // namespace verbalia
