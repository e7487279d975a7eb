#include "platform/IniFile.h"

#include "text/TextHelpers.h"
#include "text/LineText.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

namespace verbalia {
namespace {

// Longest value a read returns.
constexpr std::size_t maxValueLength = 2047;

// Where a key lies in the text, and where a new key of its section goes.
// Only the first section of the name counts.
struct KeyPlace {
    bool sectionFound = false;
    std::optional<std::string_view> line; // the key's line, without its line end
    std::string_view value;               // the key's value, blanks trimmed
    std::string_view lastLine;            // the section's last non-blank line
};

KeyPlace findKey(std::string_view text, std::string_view section, std::string_view key)
{
    KeyPlace place;
    bool inside = false;
    bool done = false;
    forEachLine(text, [&](std::string_view line) {
        if (done) return;
        const std::string_view trimmed = trimControls(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            if (inside) {
                done = true;
                return;
            }
            const std::string_view name = trimControls(trimmed.substr(1, trimmed.find(']') - 1));
            if (equalsIgnoringAsciiCase(name, section)) {
                inside = place.sectionFound = true;
                place.lastLine = line;
            }
            return;
        }
        if (!inside || trimmed.empty()) return;
        place.lastLine = line;
        if (trimmed.front() == ';') return;
        const std::size_t equals = trimmed.find('=');
        if (equals == std::string_view::npos || !equalsIgnoringAsciiCase(trimControls(trimmed.substr(0, equals)), key)) return;
        place.line = line;
        place.value = trimControls(trimmed.substr(equals + 1));
        done = true;
    });
    return place;
}

std::size_t offsetIn(std::string_view text, std::string_view part) { return std::size_t(part.data() - text.data()); }

// The offset after the line end (CR LF, CR or LF) that starts at pos, if any.
std::size_t skipLineEnd(std::string_view text, std::size_t pos)
{
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
    return pos;
}

// The key's value with the quotes of a quoted value stripped; nothing when the key is missing.
std::optional<std::string_view> findValue(std::string_view text, std::string_view section, std::string_view key)
{
    const KeyPlace place = findKey(text, section, key);
    if (!place.line) return std::nullopt;
    std::string_view value = place.value;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

bool parseDigits(std::string_view digits, int base, std::int64_t& magnitude)
{
    if (digits.empty()) return false;
    magnitude = 0;
    for (const char c : digits) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && upperAscii(c) >= 'A' && upperAscii(c) <= 'F') digit = upperAscii(c) - 'A' + 10;
        else return false;
        magnitude = magnitude * base + digit;
        if (magnitude > std::int64_t(std::numeric_limits<int>::max()) + 1) return false;
    }
    return true;
}

// The file's text with every run of NUL bytes (what an interrupted write can
// leave behind) taken as a line end, so that the lines after it are read and
// a rewrite leaves no NUL behind.
std::string withNulsAsLineEnds(std::string bytes)
{
    std::string text;
    text.reserve(bytes.size());
    bool afterNul = false;
    for (const char c : bytes) {
        if (c == '\0') {
            afterNul = true;
            continue;
        }
        const auto isLineEnd = [](char x) { return x == '\r' || x == '\n'; };
        if (afterNul && !text.empty() && !isLineEnd(text.back()) && !isLineEnd(c)) text += "\r\n";
        afterNul = false;
        text += c;
    }
    return text;
}

} // namespace

int parseIniInteger(std::string_view text, int defaultValue)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    std::int64_t magnitude = 0;
    bool valid;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) valid = parseDigits(text.substr(2), 16, magnitude);
    else if (!text.empty() && text.front() == '$') valid = parseDigits(text.substr(1), 16, magnitude);
    else valid = parseDigits(text, 10, magnitude);
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (!valid || value > std::numeric_limits<int>::max()) return defaultValue;
    return int(value);
}

IniFile::IniFile(FileSystem& files, std::string path)
    : m_files(files), m_path(std::move(path))
{
    FileRead read = m_files.read(m_path);
    m_readOutcome = read.outcome;
    m_text = withNulsAsLineEnds(std::move(read.bytes));
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    return std::string(findValue(m_text, section, key).value_or(defaultValue).substr(0, maxValueLength));
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const
{
    const auto value = findValue(m_text, section, key);
    return value ? parseIniInteger(*value, defaultValue) : defaultValue;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    if (m_readOutcome == ReadOutcome::unreadable) return false;
    // Lines this write adds follow the file's own line ends; a new file gets CR LF.
    const bool lfOnly = m_text.find('\n') != std::string::npos && m_text.find("\r\n") == std::string::npos;
    const char* lineEnd = lfOnly ? "\n" : "\r\n";
    // A value is one line: a line end inside it would start a stray line.
    std::string entry;
    entry.append(key).append("=").append(firstLine(value));

    const KeyPlace place = findKey(m_text, section, key);
    std::string text = m_text;
    if (place.line) {
        text.replace(offsetIn(m_text, *place.line), place.line->size(), entry);
    } else if (place.sectionFound) {
        // After the section's last non-blank line, ahead of any blank lines.
        const std::size_t lineEndAt = offsetIn(m_text, place.lastLine) + place.lastLine.size();
        const std::size_t at = skipLineEnd(m_text, lineEndAt);
        text.insert(at, at > lineEndAt ? entry + lineEnd : lineEnd + entry);
    } else {
        if (!text.empty() && text.back() != '\n' && text.back() != '\r') text.append(lineEnd);
        text.append("[").append(section).append("]").append(lineEnd).append(entry).append(lineEnd);
    }
    if (!m_files.writeAll(m_path, text)) return false;
    m_text = std::move(text);
    return true;
}

bool IniFile::writeInteger(std::string_view section, std::string_view key, int value)
{
    return writeString(section, key, std::to_string(value));
}

bool IniFile::writeBool(std::string_view section, std::string_view key, bool value)
{
    return writeString(section, key, value ? "1" : "0");
}

} // namespace verbalia
