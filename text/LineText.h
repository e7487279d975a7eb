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

// What the lines a search can match begin and end with: the first byte one
// of `first`, the last one of `last` (one to four bytes each, never CR or LF;
// empty: any byte). A search that knows them needs to look at no other line.
struct LineEdges {
    std::string first;
    std::string last;
};

// Calls visit(line) for each line of `lines` whose first and last bytes fit
// the edges, in order. The lines are complete: the text ends at a line end,
// holds no NUL, and does not begin with the LF of a CR LF. Where the edges
// name bytes, only the lines that hold them at the edge are cut out.
template <class Visit>
void forEachLineWithEdges(std::string_view lines, const LineEdges& edges, Visit&& visit);

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

    // The same, with the piece's complete lines handed on together: visit(line)
    // for a line begun in an earlier piece, visitLines(lines) for the run of
    // lines that begin and end within this one (as forEachLineWithEdges takes).
    template <class Visit, class VisitLines>
    bool feed(std::string_view piece, Visit&& visit, VisitLines&& visitLines);

    // The end of the text: visits a last line that has no line end.
    template <class Visit>
    void finish(Visit&& visit);

private:
    std::string m_partial;    // the start of a line whose end has not arrived
    bool m_afterCr = false;   // the last piece ended in CR, so a leading LF belongs to it
    bool m_ended = false;     // a NUL was seen
};

// Where the bytes of a small set (one to four) stand in 64 bytes: bit i of
// in(p) is set when p[i] is one of them. 16 bytes are compared at once where
// the processor allows.
class ByteSet64 {
public:
    explicit ByteSet64(std::string_view bytes) : m_count(int(bytes.size()))
    {
        for (int i = 0; i < m_count; ++i) {
#if defined(__SSE2__)
            m_bytes[i] = _mm_set1_epi8(bytes[std::size_t(i)]);
#else
            m_bytes[i] = bytes[std::size_t(i)];
#endif
        }
    }

    std::uint64_t in(const char* p) const
    {
#if defined(__SSE2__)
        return in16(p) | in16(p + 16) << 16 | in16(p + 32) << 32 | in16(p + 48) << 48;
#else
        std::uint64_t mask = 0;
        for (int at = 0; at < 64; ++at) {
            for (int i = 0; i < m_count; ++i) {
                if (p[at] == m_bytes[i]) mask |= std::uint64_t(1) << at;
            }
        }
        return mask;
#endif
    }

private:
#if defined(__SSE2__)
    std::uint64_t in16(const char* p) const
    {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        __m128i hits = _mm_cmpeq_epi8(block, m_bytes[0]);
        for (int i = 1; i < m_count; ++i) hits = _mm_or_si128(hits, _mm_cmpeq_epi8(block, m_bytes[i]));
        return std::uint64_t(unsigned(_mm_movemask_epi8(hits)));
    }
    __m128i m_bytes[4];
#else
    char m_bytes[4];
#endif
    int m_count;
};

// Calls at(const char* p) for each CR and LF in [p, end), in order: 64 bytes
// looked at once, so a short line costs no call or branch of its own.
template <class At>
void forEachLineEndByte(const char* p, const char* end, At&& at)
{
    const ByteSet64 lineEnds("\r\n");
    for (; end - p >= 64; p += 64) {
        for (std::uint64_t mask = lineEnds.in(p); mask != 0; mask &= mask - 1) at(p + __builtin_ctzll(mask));
    }
    for (; p != end; ++p) {
        if (*p == '\n' || *p == '\r') at(p);
    }
}

namespace detail {

// forEachLine on text that holds no NUL.
template <class Visit>
void forEachLineBeforeNul(std::string_view text, Visit&& visit)
{
    const char* start = text.data();
    const char* end = start + text.size();
    bool afterCr = false; // the last line ended at a CR just before start
    forEachLineEndByte(start, end, [&](const char* lineEnd) {
        const bool lfOfCrLf = afterCr && lineEnd == start && *lineEnd == '\n';
        afterCr = *lineEnd == '\r';
        if (!lfOfCrLf) visit(std::string_view(start, std::size_t(lineEnd - start)));
        start = lineEnd + 1;
    });
    if (start < end) visit(std::string_view(start, std::size_t(end - start)));
}

} // namespace detail

template <class Visit>
void forEachLine(std::string_view text, Visit&& visit)
{
    if (const void* nul = std::memchr(text.data(), '\0', text.size()))
        text = text.substr(0, std::size_t(static_cast<const char*>(nul) - text.data()));
    detail::forEachLineBeforeNul(text, visit);
}

template <class Visit>
void forEachLineWithEdges(std::string_view lines, const LineEdges& edges, Visit&& visit)
{
    if (edges.first.empty() && edges.last.empty()) {
        detail::forEachLineBeforeNul(lines, visit);
        return;
    }
    // The candidates: by the first byte, line starts that hold one of its
    // bytes; by the last byte, line ends just after one of its bytes.
    const bool byFirst = !edges.first.empty();
    const ByteSet64 lineEnds("\r\n");
    const ByteSet64 edgeBytes(byFirst ? edges.first : edges.last);
    const std::string_view otherEdge = byFirst ? edges.last : edges.first;
    const char* const begin = lines.data();
    const char* const end = begin + lines.size();
    std::uint64_t carry = byFirst; // what the previous block passes on: a line end, or an edge byte, at its top
    for (const char* p = begin; p < end; p += 64) {
        const char* block = p;
        char padded[64] = {}; // a short last block, padded with NULs that no set holds
        if (end - p < 64) {
            std::memcpy(padded, p, std::size_t(end - p));
            block = padded;
        }
        const std::uint64_t ends = lineEnds.in(block);
        const std::uint64_t hits = edgeBytes.in(block);
        std::uint64_t candidates;
        if (byFirst) {
            candidates = hits & (ends << 1 | carry);
            carry = ends >> 63;
        } else {
            candidates = ends & (hits << 1 | carry);
            carry = hits >> 63;
        }
        for (; candidates != 0; candidates &= candidates - 1) {
            const int at = __builtin_ctzll(candidates);
            const char* start = p + at;
            const char* stop = start;
            if (byFirst) {
                const std::uint64_t later = ends & (~std::uint64_t(1) << at);
                if (later != 0)
                    stop = p + __builtin_ctzll(later);
                else
                    for (stop = p + 64; *stop != '\n' && *stop != '\r';) ++stop;
            } else {
                const std::uint64_t earlier = ends & ((std::uint64_t(1) << at) - 1);
                if (earlier != 0)
                    start = p + 64 - __builtin_clzll(earlier);
                else
                    for (start = p; start != begin && start[-1] != '\n' && start[-1] != '\r';) --start;
            }
            const std::string_view line(start, std::size_t(stop - start));
            const char otherByte = byFirst ? line.back() : line.front();
            if (otherEdge.empty() || otherEdge.find(otherByte) != std::string_view::npos) visit(line);
        }
    }
}

template <class Visit>
bool LineSplitter::feed(std::string_view piece, Visit&& visit)
{
    return feed(piece, visit, [&visit](std::string_view lines) { detail::forEachLineBeforeNul(lines, visit); });
}

template <class Visit, class VisitLines>
bool LineSplitter::feed(std::string_view piece, Visit&& visit, VisitLines&& visitLines)
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
    if (start <= last) visitLines(piece.substr(start, last + 1 - start));
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
