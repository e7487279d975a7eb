#pragma once

#include "FileSystem.h"

#include <string>
#include <string_view>

namespace verbalia {

// The settings file service: an INI text file of [section] headers and
// key=value lines, opened for one read or one write. Section and key names
// match without regard to case. Reads see the file as it was opened plus
// this object's own writes; every write reaches the disk at once, replacing
// the key's line in place or appending it to its section (the section is
// added when missing).
class IniFile {
public:
    // Reads the file; a missing or unreadable file reads as empty. NUL bytes
    // count as line ends and are gone from the file once it is rewritten.
    IniFile(FileSystem& files, std::string path);

    const std::string& path() const { return m_path; }
    // How the read went. A file that exists but could not be read is never
    // written: its keys, unseen, would be lost.
    ReadOutcome readOutcome() const { return m_readOutcome; }

    // The value as written, cut to 2047 characters; the default when missing.
    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue = {}) const;

    // Decimal with an optional minus sign, "0x"/"0X" hexadecimal (text longer
    // than two characters) or "$" hexadecimal; anything else gives the default.
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;

    // An integer; anything but 0 is true.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Writes the value up to its first line end. False when the file could
    // not be read or written; the file then keeps what it held before.
    [[nodiscard]] bool writeString(std::string_view section, std::string_view key, std::string_view value);
    [[nodiscard]] bool writeInteger(std::string_view section, std::string_view key, int value);
    [[nodiscard]] bool writeBool(std::string_view section, std::string_view key, bool value);

private:
    FileSystem& m_files;
    std::string m_path;
    ReadOutcome m_readOutcome;
    std::string m_text; // the file's content as last read or written
};

// Parses an integer setting by the rules of IniFile::readInteger.
int parseIniInteger(std::string_view text, int defaultValue);

} // namespace verbalia
