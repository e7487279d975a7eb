#pragma once

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

// The encoding of a file's bytes; one pass that skips ASCII eight bytes at a time.
FileEncoding detectEncoding(std::string_view bytes);

// The Windows-1252 text of a file detected as UTF-8 (either kind), up to its
// first NUL, without the byte-order mark.
std::string convertUtf8File(std::string_view bytes);

// Detects the encoding of a file's bytes and makes them the program's text in place.
FileEncoding decodeFile(std::string& bytes);

// The bytes of a file that holds text in the given encoding: UTF-8 (after a
// byte-order mark for Utf8WithBom), or the text itself. No text is an empty file.
std::string encodeFile(std::string text, FileEncoding encoding);

} // namespace verbalia
