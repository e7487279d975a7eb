#pragma once

#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
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

// The same lines from text that arrives in pieces (a file read a block at a
// time, a pipe): a line that spans pieces is held until its end arrives.
class LineSplitter {
public:
    // Visits the lines that the piece completes. False once a NUL has ended
    // the text: this piece's bytes after it, and any later piece, are ignored.
    template <class Visit>
    bool feed(std::string_view piece, Visit&& visit);

    // The end of the text: visits a last line that has no line end.
    template <class Visit>
    void finish(Visit&& visit);

private:
    std::string m_partial;    // the start of a line whose end has not arrived
    bool m_afterCr = false;   // the last piece ended in CR, so a leading LF belongs to it
    bool m_ended = false;     // a NUL was seen
};

// Calls at(const char* p) for each CR and LF in [p, end), in order: 64 bytes
// compared at once where the processor allows, so a short line costs no call
// or branch of its own.
template <class At>
void forEachLineEndByte(const char* p, const char* end, At&& at)
{
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const auto endsIn = [&](const char* from) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const __m128i ends = _mm_or_si128(_mm_cmpeq_epi8(block, lf), _mm_cmpeq_epi8(block, cr));
        return std::uint64_t(unsigned(_mm_movemask_epi8(ends)));
    };
    for (; end - p >= 64; p += 64) {
        std::uint64_t mask = endsIn(p) | endsIn(p + 16) << 16 | endsIn(p + 32) << 32 | endsIn(p + 48) << 48;
        for (; mask != 0; mask &= mask - 1) at(p + __builtin_ctzll(mask));
    }
#endif
    for (; p != end; ++p) {
        if (*p == '\n' || *p == '\r') at(p);
    }
}

template <class Visit>
void forEachLine(std::string_view text, Visit&& visit)
{
    const char* start = text.data();
    const char* end = start + text.size();
    if (const void* nul = std::memchr(start, '\0', text.size())) end = static_cast<const char*>(nul);
    bool afterCr = false; // the last line ended at a CR just before start
    forEachLineEndByte(start, end, [&](const char* lineEnd) {
        const bool lfOfCrLf = afterCr && lineEnd == start && *lineEnd == '\n';
        afterCr = *lineEnd == '\r';
        if (!lfOfCrLf) visit(std::string_view(start, std::size_t(lineEnd - start)));
        start = lineEnd + 1;
    });
    if (start < end) visit(std::string_view(start, std::size_t(end - start)));
}

template <class Visit>
bool LineSplitter::feed(std::string_view piece, Visit&& visit)
{
    if (m_ended) return false;
    if (const std::size_t nul = piece.find('\0'); nul != std::string_view::npos) {
        piece = piece.substr(0, nul);
        m_ended = true;
    }
    if (m_afterCr && !piece.empty()) {
        if (piece.front() == '\n') piece.remove_prefix(1);
        m_afterCr = false;
    }

    const std::size_t last = piece.find_last_of("\r\n");
    if (last == std::string_view::npos) {
        m_partial.append(piece);
        return !m_ended;
    }
    std::size_t start = 0;
    if (!m_partial.empty()) {
        // The held line ends at this piece's first line end.
        const std::size_t first = piece.find_first_of("\r\n");
        m_partial.append(piece.substr(0, first));
        visit(std::string_view(m_partial));
        m_partial.clear();
        start = first + (piece[first] == '\r' && first + 1 < piece.size() && piece[first + 1] == '\n' ? 2 : 1);
    }
    // Every line from start ends within the piece, the last one at `last`.
    if (start <= last) forEachLine(piece.substr(start, last + 1 - start), visit);
    m_afterCr = last + 1 == piece.size() && piece[last] == '\r';
    m_partial.assign(piece.substr(last + 1));
    return !m_ended;
}

template <class Visit>
void LineSplitter::finish(Visit&& visit)
{
    if (!m_partial.empty()) visit(std::string_view(m_partial));
    m_partial.clear();
}

} // namespace verbalia
