#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace verbalia {

// How a text file holds the program's Windows-1252 text. A file that is valid
// UTF-8, holds at least one byte of 128 or more, and whose every character
// exists in Windows-1252 (Debian's word lists, texts written on Linux) is
// UTF-8 and converted on reading; a byte-order mark at its start is no
// character but remembered. Any other file is taken byte for byte: a
// Windows-1252 file with accents is almost never valid UTF-8. As in every
// text the program reads, a NUL byte ends the text.
enum class FileEncoding { Bytes, Utf8, Utf8WithBom };

inline constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

// Reads a text that arrives in pieces (a file read a block at a time), the
// NUL that ends it already cut off: learns its encoding and, when asked to,
// converts it. A piece may end inside a character; its bytes wait for the next.
class Utf8PieceDecoder {
public:
    explicit Utf8PieceDecoder(bool convert) : m_convert(convert) {}

    // False once the text is known not to be UTF-8 that fits Windows-1252;
    // later pieces cannot change that and are ignored.
    bool feed(std::string_view piece);

    // When converting: the Windows-1252 text of the characters that the last
    // piece completed, without the byte-order mark. ASCII is not copied: the
    // text may lie in the piece itself.
    std::string_view converted() const { return m_converted.empty() ? m_ascii : m_converted; }

    // At the end of the text: its encoding (Bytes when it ends inside a character).
    FileEncoding encoding() const;

    // True while every byte fed was ASCII (no mark, no character begun):
    // the text so far reads the same whatever its encoding.
    bool asciiSoFar() const { return !m_highByte && !m_mark && m_pending.empty(); }

private:
    bool take(std::string_view text);

    const bool m_convert;
    std::string m_converted;
    std::string_view m_ascii; // the last piece's ASCII, when nothing else was converted
    std::string m_pending; // the start of a character that the last piece cut short
    bool m_first = true;
    bool m_mark = false;
    bool m_highByte = false;
    bool m_utf8 = true;
};

// The encoding of a file's bytes; one pass that skips ASCII eight bytes at a time.
FileEncoding detectEncoding(std::string_view bytes);

// Detects the encoding of a file's bytes and makes them the program's text
// in place: converted up to the NUL, without the byte-order mark, when UTF-8.
FileEncoding decodeFile(std::string& bytes);

// The Windows-1252 text of valid UTF-8, each character the code page lacks
// replaced by substitute; nothing when the text is not UTF-8, or holds such a
// character and there is no substitute.
std::optional<std::string> utf8ToCodePage(std::string_view utf8, std::optional<char> substitute = std::nullopt);

// The bytes of a file that holds text in the given encoding: UTF-8 (after a
// byte-order mark for Utf8WithBom), or the text itself. No text is an empty file.
std::string encodeFile(std::string text, FileEncoding encoding);

} // namespace verbalia
