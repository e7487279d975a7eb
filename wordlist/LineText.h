#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace verbalia {

// Line-oriented text as the program's files hold it. A line ends at CR LF, at
// a lone CR or at a lone LF (LF then CR is two line ends); a last line without
// a line end is still a line, a final line end adds no empty line, and a NUL
// byte ends the text.

// Calls visit(std::string_view line) for each line, without copying.
template <class Visit>
void forEachLine(std::string_view text, Visit&& visit);

std::vector<std::string> splitLines(std::string_view text);

// Every line followed by CR LF; no lines give the empty text.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

// The lines of a word list file: as splitLines, with every tab removed.
std::vector<std::string> parseWordList(std::string_view text);

template <class Visit>
void forEachLine(std::string_view text, Visit&& visit)
{
    if (const auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            visit(text.substr(start));
            return;
        }
        visit(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

} // namespace verbalia
