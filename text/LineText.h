#pragma once

#include <cstring>
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

// The text up to its first line end or NUL: what a one-line value may hold.
std::string_view firstLine(std::string_view text);

// Every line followed by CR LF, each cut at its own first line end so that
// one line stays one line; no lines give the empty text.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

// The lines of a word list file: as splitLines, with every tab removed.
std::vector<std::string> parseWordList(std::string_view text);

template <class Visit>
void forEachLine(std::string_view text, Visit&& visit)
{
    const char* start = text.data();
    const char* end = start + text.size();
    if (const void* nul = std::memchr(start, '\0', text.size())) end = static_cast<const char*>(nul);
    // The next LF and the next CR at or after start (end when there is none),
    // each searched for again only once passed: one pass over the text for
    // each, whatever the mix of line ends.
    const auto next = [end](const char* from, char c) {
        const void* found = std::memchr(from, c, std::size_t(end - from));
        return found ? static_cast<const char*>(found) : end;
    };
    const char* lf = next(start, '\n');
    const char* cr = next(start, '\r');
    while (start < end) {
        if (lf < start) lf = next(start, '\n');
        if (cr < start) cr = next(start, '\r');
        const char* lineEnd = lf < cr ? lf : cr;
        visit(std::string_view(start, std::size_t(lineEnd - start)));
        if (lineEnd == end) return;
        start = lineEnd + (lineEnd == cr && lf == cr + 1 ? 2 : 1);
    }
}

} // namespace verbalia
