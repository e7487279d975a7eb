#include "LineText.h"

#include <algorithm>

namespace verbalia {

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    forEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string_view firstLine(std::string_view text) { return text.substr(0, text.find_first_of(std::string_view("\r\n\0", 3))); }

std::string joinLinesCrLf(const std::vector<std::string>& lines)
{
    std::size_t total = 0;
    for (const std::string& line : lines) total += line.size() + 2;
    std::string text;
    text.reserve(total);
    for (const std::string& line : lines) {
        text += firstLine(line);
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> parseWordList(std::string_view text)
{
    std::vector<std::string> lines;
    forEachLine(text, [&](std::string_view line) {
        std::string& entry = lines.emplace_back(line);
        entry.erase(std::remove(entry.begin(), entry.end(), '\t'), entry.end());
    });
    return lines;
}

} // namespace verbalia
