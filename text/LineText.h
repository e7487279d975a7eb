#pragma once

#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
// Where the processor has AVX2, the byte tests take 32 bytes at a time. The
// C library's own record tells: asking the processor costs more than a scan
// under a hypervisor. GCC only: its header needs the C type _Bool, which
// clang's C++ lacks (clang builds test the SSE2 path).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && __has_include(<sys/platform/x86.h>)
#define VERBALIA_AVX2 1
#define VERBALIA_TARGET_AVX2 __attribute__((target("avx2")))
#include <immintrin.h>
#include <sys/platform/x86.h>
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
// empty: any byte), and their one length in bytes (0: any). A search that
// knows them needs to look at no other line.
struct LineEdges {
    std::string first;
    std::string last;
    std::size_t length = 0;
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

// A set of `Size` bytes, looked for 16 at a time where the processor allows.
template <std::size_t Size>
class ByteSet {
public:
    explicit ByteSet(std::string_view bytes)
    {
        for (std::size_t i = 0; i < Size; ++i) {
            m_bytes[i] = bytes[i];
#if defined(__SSE2__)
            m_splat[i] = _mm_set1_epi8(bytes[i]);
#endif
        }
    }

    bool contains(char c) const
    {
        bool found = false;
        for (std::size_t i = 0; i < Size; ++i) found = found || c == m_bytes[i];
        return found;
    }

#if defined(__SSE2__)
    // All ones in the bytes of the block that are in the set.
    __m128i in(__m128i block) const
    {
        __m128i hits = _mm_cmpeq_epi8(block, m_splat[0]);
        for (std::size_t i = 1; i < Size; ++i) hits = _mm_or_si128(hits, _mm_cmpeq_epi8(block, m_splat[i]));
        return hits;
    }
    // Bit i set when p[i] is in the set, for the 16 bytes at p.
    unsigned in16(const char* p) const { return unsigned(_mm_movemask_epi8(in(load(p)))); }

    static __m128i load(const char* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
#endif
#if defined(VERBALIA_AVX2)
    // All ones in the bytes of the 32 at p that are in the set.
    VERBALIA_TARGET_AVX2 __m256i in32(const char* p) const
    {
        const __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        __m256i hits = _mm256_cmpeq_epi8(block, _mm256_set1_epi8(m_bytes[0]));
        for (std::size_t i = 1; i < Size; ++i)
            hits = _mm256_or_si256(hits, _mm256_cmpeq_epi8(block, _mm256_set1_epi8(m_bytes[i])));
        return hits;
    }
#endif

private:
#if defined(__SSE2__)
    __m128i m_splat[Size];
#endif
    char m_bytes[Size];
};

using LineEndBytes = ByteSet<2>;
inline const LineEndBytes lineEndBytes("\r\n");

// The set of every byte, whose tests cost nothing.
struct AnyByte {
    bool contains(char) const { return true; }
#if defined(__SSE2__)
    __m128i in(__m128i) const { return _mm_set1_epi8(-1); }
    static __m128i load(const char*) { return _mm_setzero_si128(); }
#endif
#if defined(VERBALIA_AVX2)
    VERBALIA_TARGET_AVX2 __m256i in32(const char*) const { return _mm256_set1_epi8(-1); }
#endif
};

namespace detail {

#if defined(VERBALIA_AVX2)
inline bool processorHasAvx2()
{
    static const bool has = CPU_FEATURE_ACTIVE(AVX2);
    return has;
}

// forEachByteTriple 64 bytes at a time while 64 are left; returns where it stopped.
template <class Before, class Here, class After, class At>
VERBALIA_TARGET_AVX2 const char* forEachByteTripleAvx2(const char* p, const char* end, const Before& before,
                                                       const Here& here, std::size_t span, const After& after, At& at)
{
    for (; end - p >= 64; p += 64) {
        const __m256i low = _mm256_and_si256(_mm256_and_si256(before.in32(p - 1), here.in32(p)), after.in32(p + span));
        const __m256i high =
            _mm256_and_si256(_mm256_and_si256(before.in32(p + 31), here.in32(p + 32)), after.in32(p + 32 + span));
        if (_mm256_testz_si256(_mm256_or_si256(low, high), _mm256_or_si256(low, high))) continue;
        std::uint64_t mask = std::uint32_t(_mm256_movemask_epi8(low)) |
                             std::uint64_t(std::uint32_t(_mm256_movemask_epi8(high))) << 32;
        for (; mask != 0; mask &= mask - 1) at(p + __builtin_ctzll(mask));
    }
    return p;
}
#endif

} // namespace detail

// Calls use(set) with a ByteSet of the one to four bytes, its size known to
// the compiler so that each test unrolls.
template <class Use>
void withByteSet(std::string_view bytes, Use&& use)
{
    switch (bytes.size()) {
    case 1: use(ByteSet<1>(bytes)); break;
    case 2: use(ByteSet<2>(bytes)); break;
    case 3: use(ByteSet<3>(bytes)); break;
    default: use(ByteSet<4>(bytes)); break;
    }
}

// Calls at(p) for each p in [from, end), in order, where p[-1] is one of
// `before`, p[0] one of `here` and p[span] one of `after` (from - 1 and
// end - 1 + span must be readable): 16 positions tested at once, so a byte
// that fits none costs no branch of its own.
template <class Before, class Here, class After, class At>
void forEachByteTriple(const char* from, const char* end, const Before& before, const Here& here, std::size_t span,
                       const After& after, At&& at)
{
    const char* p = from;
#if defined(VERBALIA_AVX2)
    if (detail::processorHasAvx2()) p = detail::forEachByteTripleAvx2(p, end, before, here, span, after, at);
#endif
#if defined(__SSE2__)
    const auto pairsAt = [&](const char* q) {
        return _mm_and_si128(_mm_and_si128(before.in(Before::load(q - 1)), here.in(Here::load(q))),
                             after.in(After::load(q + span)));
    };
    const auto visit16 = [&](const char* q, __m128i pairs) {
        for (unsigned mask = unsigned(_mm_movemask_epi8(pairs)); mask != 0; mask &= mask - 1)
            at(q + __builtin_ctz(mask));
    };
    // 64 bytes at a time, where most blocks hold no pair, then 16.
    for (; end - p >= 64; p += 64) {
        const __m128i a = pairsAt(p), b = pairsAt(p + 16), c = pairsAt(p + 32), d = pairsAt(p + 48);
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d))) == 0) continue;
        visit16(p, a);
        visit16(p + 16, b);
        visit16(p + 32, c);
        visit16(p + 48, d);
    }
    for (; end - p >= 16; p += 16) visit16(p, pairsAt(p));
#endif
    for (; p < end; ++p) {
        if (before.contains(p[-1]) && here.contains(*p) && after.contains(p[span])) at(p);
    }
}

// The same for p[-1] and p[0] alone.
template <class Before, class Here, class At>
void forEachBytePair(const char* from, const char* end, const Before& before, const Here& here, At&& at)
{
    forEachByteTriple(from, end, before, here, 0, AnyByte(), at);
}

// Calls at(const char* p) for each CR and LF in [p, end), in order: 64 bytes
// looked at once, so a short line costs no call or branch of its own.
template <class At>
void forEachLineEndByte(const char* p, const char* end, At&& at)
{
#if defined(__SSE2__)
    const LineEndBytes& ends = lineEndBytes;
    for (; end - p >= 64; p += 64) {
        std::uint64_t mask = ends.in16(p) | std::uint64_t(ends.in16(p + 16)) << 16 |
                             std::uint64_t(ends.in16(p + 32)) << 32 | std::uint64_t(ends.in16(p + 48)) << 48;
        for (; mask != 0; mask &= mask - 1) at(p + __builtin_ctzll(mask));
    }
#endif
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

inline bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

// The first CR or LF at or after p; there is one before end.
inline const char* lineEndFrom(const char* p, const char* end)
{
#if defined(__SSE2__)
    if (end - p >= 16) {
        if (const unsigned ends = lineEndBytes.in16(p)) return p + __builtin_ctz(ends);
        p += 16;
    }
#endif
    while (!isLineEnd(*p)) ++p;
    return p;
}

// The start of the line that ends at stop: just after the last CR or LF
// before it, or begin.
inline const char* lineStartBefore(const char* stop, const char* begin)
{
#if defined(__SSE2__)
    if (stop - begin >= 16) {
        if (const unsigned ends = lineEndBytes.in16(stop - 16)) return stop - 16 + (32 - __builtin_clz(ends));
        stop -= 16;
    }
#endif
    while (stop != begin && !isLineEnd(stop[-1])) --stop;
    return stop;
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
    if (lines.empty() || (edges.first.empty() && edges.last.empty() && edges.length == 0)) {
        detail::forEachLineBeforeNul(lines, visit);
        return;
    }
    const char* const begin = lines.data();
    const char* const end = begin + lines.size();
    const auto fitsLast = [&](char c) { return edges.last.find(c) != std::string_view::npos; };
    if (!edges.first.empty() || edges.length != 0) {
        // The candidates: line starts that hold one of the first bytes, with
        // a line end the length further on.
        const auto visitFrom = [&](const char* start) {
            const char* stop = detail::lineEndFrom(start, end);
            const std::size_t length = std::size_t(stop - start);
            if ((edges.length == 0 || length == edges.length) && (edges.last.empty() || fitsLast(stop[-1])))
                visit(std::string_view(start, length));
        };
        const auto scan = [&](const auto& first) {
            if (first.contains(*begin)) visitFrom(begin);
            if (edges.length == 0)
                forEachBytePair(begin + 1, end, lineEndBytes, first, visitFrom);
            else if (lines.size() > edges.length)
                forEachByteTriple(begin + 1, end - edges.length, lineEndBytes, first, edges.length, lineEndBytes,
                                  visitFrom);
        };
        if (edges.first.empty())
            scan(AnyByte());
        else
            withByteSet(edges.first, scan);
    } else {
        // The candidates: line ends just after one of the last bytes.
        withByteSet(edges.last, [&](const auto& last) {
            forEachBytePair(begin + 1, end, last, lineEndBytes, [&](const char* stop) {
                const char* start = detail::lineStartBefore(stop, begin);
                visit(std::string_view(start, std::size_t(stop - start)));
            });
        });
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
