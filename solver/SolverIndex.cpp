#include "SolverIndex.h"

#include "Fold.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace verbalia::solver {

namespace {

constexpr std::size_t tileWords = 64;
constexpr std::uint64_t manyBit = std::uint64_t(1) << 63; // a letter three times or more
constexpr std::size_t tilesBetweenCancelChecks = 4096;

using Group = SolverIndex::Group;

std::size_t tileWidth(const Group& group, std::size_t tile)
{
    return std::min(tileWords, group.size() - tile * tileWords);
}

const char* tileStart(const Group& group, std::size_t tile)
{
    return group.tiles.get() + tile * tileWords * group.letters;
}

std::uint64_t widthMask(std::size_t width)
{
    return width == tileWords ? ~std::uint64_t(0) : (std::uint64_t(1) << width) - 1;
}

// The folded letters of the word at `slot` of the group.
void gather(const Group& group, std::size_t slot, std::string& letters)
{
    const std::size_t tile = slot / tileWords, at = slot % tileWords;
    const std::size_t width = tileWidth(group, tile);
    const char* start = tileStart(group, tile);
    letters.resize(group.letters);
    for (std::size_t p = 0; p < group.letters; ++p) letters[p] = start[p * width + at];
}

// A letter set as the ranges of letters a vector compare tests: those of the
// set, or of its complement when fewer, the answer then inverted.
struct LetterTest {
    LetterSet set = allLetters;
    unsigned char low[13] = {};
    unsigned char span[13] = {};
    int ranges = 0;
    bool inverted = false;
    std::uint64_t weight = 0; // how many letters of the list it lets through
    std::size_t id = 0;       // in a run between '*'s: the same for the same set
};

int rangesOf(LetterSet set, unsigned char* low, unsigned char* span)
{
    int count = 0;
    for (int l = 0; l < 26;) {
        if (!((set >> l) & 1u)) {
            ++l;
            continue;
        }
        int end = l;
        while (end + 1 < 26 && ((set >> (end + 1)) & 1u)) ++end;
        if (low) {
            low[count] = static_cast<unsigned char>('a' + l);
            span[count] = static_cast<unsigned char>(end - l);
        }
        ++count;
        l = end + 1;
    }
    return count;
}

LetterTest makeTest(LetterSet set, const std::array<std::uint64_t, 26>& frequency)
{
    LetterTest test;
    test.set = set;
    const LetterSet complement = allLetters & ~set;
    test.inverted = rangesOf(complement, nullptr, nullptr) < rangesOf(set, nullptr, nullptr);
    test.ranges = rangesOf(test.inverted ? complement : set, test.low, test.span);
    for (int l = 0; l < 26; ++l)
        if ((set >> l) & 1u) test.weight += frequency[std::size_t(l)];
    return test;
}

// Which of the 64 letters at `column` the test lets through.
std::uint64_t testColumn64(const char* column, const LetterTest& test)
{
    std::uint64_t through = 0;
#if defined(__SSE2__)
    for (int part = 0; part < 4; ++part) {
        const __m128i letters = _mm_loadu_si128(reinterpret_cast<const __m128i*>(column + 16 * part));
        __m128i any = _mm_setzero_si128();
        for (int r = 0; r < test.ranges; ++r) {
            if (test.span[r] == 0) {
                any = _mm_or_si128(any, _mm_cmpeq_epi8(letters, _mm_set1_epi8(char(test.low[r]))));
                continue;
            }
            const __m128i offset = _mm_sub_epi8(letters, _mm_set1_epi8(char(test.low[r])));
            any = _mm_or_si128(any, _mm_cmpeq_epi8(_mm_min_epu8(offset, _mm_set1_epi8(char(test.span[r]))), offset));
        }
        through |= std::uint64_t(std::uint16_t(_mm_movemask_epi8(any))) << (16 * part);
    }
    if (test.inverted) through = ~through;
#else
    for (std::size_t i = 0; i < tileWords; ++i) through |= std::uint64_t(holds(test.set, column[i])) << i;
#endif
    return through;
}

std::uint64_t testColumn(const char* column, std::size_t width, const LetterTest& test)
{
    if (width == tileWords) return testColumn64(column, test);
    char padded[tileWords];
    std::memset(padded, 'a', sizeof padded);
    std::memcpy(padded, column, width);
    return testColumn64(padded, test) & widthMask(width);
}

// A pattern cut at its '*'s: the letters before the first, those after the
// last, and the runs between.
struct PatternParts {
    std::vector<LetterSet> head, tail;
    std::vector<std::vector<LetterSet>> middles;
    bool anyRuns = false;
    std::size_t fewest = 0; // letters of the shortest word that may match
    std::uint64_t letters = 0; // the signature of its single letters, which a word must hold
};

PatternParts cut(const std::vector<LetterSet>& pattern)
{
    PatternParts parts;
    std::vector<std::vector<LetterSet>> runs(1);
    for (const LetterSet item : pattern) {
        if (item == anyRun) runs.emplace_back();
        else runs.back().push_back(item);
    }
    parts.anyRuns = runs.size() > 1;
    parts.head = std::move(runs.front());
    if (parts.anyRuns) {
        parts.tail = std::move(runs.back());
        for (std::size_t r = 1; r + 1 < runs.size(); ++r)
            if (!runs[r].empty()) parts.middles.push_back(std::move(runs[r]));
    }
    for (const LetterSet item : pattern) {
        if (std::popcount(item) != 1) continue;
        const std::uint64_t once = std::uint64_t(1) << (2 * std::countr_zero(item));
        parts.letters |= parts.letters & once ? once << 1 : once;
    }
    parts.fewest = parts.head.size() + parts.tail.size();
    for (const auto& middle : parts.middles) parts.fewest += middle.size();
    return parts;
}

// Collects each group's matches in its slot order, which is list order.
struct Collector {
    Solutions solutions;
    std::size_t groups = 0; // that had matches

    void finishGroup(std::size_t letters, std::size_t before)
    {
        const std::size_t count = solutions.indices.size() - before;
        if (count == 0) return;
        solutions.lengths.push_back({letters, count});
        ++groups;
    }

    // List order across groups.
    void finish(std::size_t listSize)
    {
        if (groups < 2) return;
        std::vector<WordIndex>& indices = solutions.indices;
        if (indices.size() < listSize / 64) {
            std::sort(indices.begin(), indices.end());
            return;
        }
        std::vector<std::uint64_t> bits((listSize + 63) / 64);
        for (const WordIndex index : indices) bits[index / 64] |= std::uint64_t(1) << (index % 64);
        indices.clear();
        for (std::size_t word = 0; word < bits.size(); ++word)
            for (std::uint64_t b = bits[word]; b != 0; b &= b - 1)
                indices.push_back(WordIndex(word * 64 + std::size_t(std::countr_zero(b))));
    }
};

// The tests of the runs between '*'s on one tile, each made once per place:
// a run such as "@@@@" tests each place once, not four times.
class RunTests {
public:
    // Without `remember` (no set comes twice), each test is made as asked.
    RunTests(bool remember, std::size_t tests, std::size_t letters)
        : m_remember(remember), m_letters(letters), m_masks(remember ? tests * letters : 0), m_tiles(m_masks.size(), none)
    {
    }

    std::uint64_t at(std::size_t tile, const char* start, std::size_t width, std::size_t place, const LetterTest& test)
    {
        if (!m_remember) return testColumn(start + place * width, width, test);
        const std::size_t key = test.id * m_letters + place;
        if (m_tiles[key] != tile) {
            m_tiles[key] = tile;
            m_masks[key] = testColumn(start + place * width, width, test);
        }
        return m_masks[key];
    }

private:
    static constexpr std::size_t none = std::size_t(-1);
    bool m_remember;
    std::size_t m_letters;
    std::vector<std::uint64_t> m_masks;
    std::vector<std::size_t> m_tiles; // the tile each mask is of
};

// The words of `through` in which the runs fit one after another between
// windowStart and windowEnd, 64 words at a time: reach[o] holds the words in
// which the runs so far fit before place o.
std::uint64_t runsInOrder(std::size_t tile, const char* start, std::size_t width,
                          const std::vector<std::vector<LetterTest>>& runs, std::size_t windowStart,
                          std::size_t windowEnd, std::uint64_t through, RunTests& tests,
                          std::vector<std::uint64_t>& reach, std::vector<std::uint64_t>& next)
{
    reach.assign(windowEnd + 1, through);
    next.resize(windowEnd + 1);
    for (const std::vector<LetterTest>& run : runs) {
        std::fill(next.begin(), next.end(), 0);
        std::uint64_t ended = 0;
        for (std::size_t at = windowStart; at + run.size() <= windowEnd; ++at) {
            std::uint64_t here = reach[at];
            for (std::size_t j = 0; j < run.size() && here; ++j)
                if (run[j].set != allLetters) here &= tests.at(tile, start, width, at + j, run[j]);
            ended |= here;
            next[at + run.size()] = ended;
        }
        if (!ended) return 0;
        reach.swap(next);
    }
    return reach[windowEnd];
}

// The pattern on one group: the letters at fixed places (before the first
// '*' and after the last) tested first, most selective first, then the runs
// between '*'s in their order.
bool solvePattern(const Group& group, const PatternParts& parts, const std::vector<LetterTest>& head,
                  const std::vector<LetterTest>& tail, const std::vector<std::vector<LetterTest>>& middles,
                  std::size_t runSets, const std::atomic<bool>& cancel, std::vector<WordIndex>& out)
{
    const std::size_t letters = group.letters;
    std::vector<std::pair<std::size_t, const LetterTest*>> fixed;
    for (std::size_t p = 0; p < head.size(); ++p)
        if (head[p].set != allLetters) fixed.emplace_back(p, &head[p]);
    for (std::size_t p = 0; p < tail.size(); ++p)
        if (tail[p].set != allLetters) fixed.emplace_back(letters - tail.size() + p, &tail[p]);
    std::sort(fixed.begin(), fixed.end(), [](const auto& a, const auto& b) { return a.second->weight < b.second->weight; });
    const std::size_t windowStart = parts.head.size(), windowEnd = letters - parts.tail.size();
    std::vector<std::uint64_t> reach, next;
    std::size_t runItems = 0;
    for (const auto& run : middles) runItems += run.size();
    RunTests tests(runSets < runItems, runSets, letters);

    const std::size_t tiles = (group.size() + tileWords - 1) / tileWords;
    for (std::size_t tile = 0; tile < tiles; ++tile) {
        if (tile % tilesBetweenCancelChecks == 0 && cancel.load(std::memory_order_relaxed)) return false;
        const std::size_t width = tileWidth(group, tile);
        const char* start = tileStart(group, tile);
        if (parts.letters & ~group.tileLetters[tile]) continue;
        std::uint64_t through = widthMask(width);
        for (const auto& [place, test] : fixed) {
            through &= testColumn(start + place * width, width, *test);
            if (!through) break;
        }
        if (through && !middles.empty())
            through = runsInOrder(tile, start, width, middles, windowStart, windowEnd, through, tests, reach, next);
        for (; through; through &= through - 1)
            out.push_back(group.entries[tile * tileWords + std::size_t(std::countr_zero(through))]);
    }
    return true;
}

// The words of a group whose signature passes `fits`, those with a letter
// three times or more checked letter by letter.
template <class Fits>
bool scanSignatures(const Group& group, const SolverQuery& query, Fits fits, const std::atomic<bool>& cancel,
                    std::vector<WordIndex>& out)
{
    std::string word;
    const std::uint64_t* signatures = group.signatures.get();
    constexpr std::size_t step = tileWords * tilesBetweenCancelChecks;
    for (std::size_t begin = 0; begin < group.size(); begin += step) {
        if (cancel.load(std::memory_order_relaxed)) return false;
        const std::size_t end = std::min(group.size(), begin + step);
        for (std::size_t slot = begin; slot < end; ++slot) {
            const std::uint64_t signature = signatures[slot];
            if (!fits(signature)) continue;
            if (signature & manyBit) {
                gather(group, slot, word);
                if (!matchesFolded(query, word)) continue;
            }
            out.push_back(group.entries[slot]);
        }
    }
    return true;
}

// Anagrams and Made From on one group: the signature's letters beyond the
// given ones must be no more than the blanks.
bool solveLetters(const Group& group, const SolverQuery& query, const std::atomic<bool>& cancel,
                  std::vector<WordIndex>& out)
{
    std::uint64_t given = 0;
    for (std::size_t l = 0; l < 26; ++l) {
        if (query.counts[l] >= 1) given |= std::uint64_t(1) << (2 * l);
        if (query.counts[l] >= 2) given |= std::uint64_t(2) << (2 * l);
    }
    const std::uint64_t beyond = ~given & ~manyBit;
    const auto lowest = [](std::uint64_t bits) { return bits & (bits - 1); }; // without its lowest bit
    switch (query.blanks) {
    case 0: return scanSignatures(group, query, [&](std::uint64_t s) { return (s & beyond) == 0; }, cancel, out);
    case 1: return scanSignatures(group, query, [&](std::uint64_t s) { return lowest(s & beyond) == 0; }, cancel, out);
    case 2:
        return scanSignatures(group, query, [&](std::uint64_t s) { return lowest(lowest(s & beyond)) == 0; }, cancel, out);
    default:
        return scanSignatures(group, query, [&](std::uint64_t s) { return std::size_t(std::popcount(s & beyond)) <= query.blanks; },
                              cancel, out);
    }
}

} // namespace

std::unique_ptr<const SolverIndex> SolverIndex::build(const WordStore& list, const std::atomic<bool>& cancel)
{
    if (list.size() > std::numeric_limits<WordIndex>::max()) throw std::length_error("SolverIndex: list too long");
    std::unique_ptr<SolverIndex> index(new SolverIndex);
    index->m_listSize = list.size();
    constexpr std::size_t step = 16384; // entries between looks at the cancel flag

    // Each word's length, 255 standing for that or more (rare: looked up
    // again), and how many words have each length.
    std::vector<unsigned char> lengths(list.size());
    std::array<std::size_t, 256> shortCounts{};
    std::map<std::size_t, std::size_t> longCounts;
    for (std::size_t begin = 0; begin < list.size(); begin += step) {
        if (cancel.load(std::memory_order_relaxed)) return nullptr;
        std::size_t entry = begin;
        list.forEach(begin, begin + step, [&](std::string_view word) {
            const std::size_t letters = foldedLength(word);
            lengths[entry++] = static_cast<unsigned char>(std::min<std::size_t>(letters, 255));
            if (letters < 255) ++shortCounts[letters];
            else ++longCounts[letters];
        });
    }
    std::array<std::size_t, 255> shortGroup{};
    std::map<std::size_t, std::size_t> longGroup;
    const auto addGroup = [&](std::size_t letters, std::size_t words) {
        Group& group = index->m_groups.emplace_back();
        group.letters = letters;
        group.words = words;
        group.tiles = std::make_unique_for_overwrite<char[]>(letters * words);
        group.signatures = std::make_unique_for_overwrite<std::uint64_t[]>(words);
        group.entries = std::make_unique_for_overwrite<WordIndex[]>(words);
        group.tileLetters = std::make_unique<std::uint64_t[]>((words + tileWords - 1) / tileWords);
        return index->m_groups.size() - 1;
    };
    for (std::size_t letters = 1; letters < shortGroup.size(); ++letters)
        if (shortCounts[letters] > 0) shortGroup[letters] = addGroup(letters, shortCounts[letters]);
    for (const auto& [letters, words] : longCounts) longGroup[letters] = addGroup(letters, words);

    // Each word folded straight into its column of its tile.
    std::vector<std::size_t> filled(index->m_groups.size());
    std::array<std::uint64_t, 26> frequency{};
    for (std::size_t begin = 0; begin < list.size(); begin += step) {
        if (cancel.load(std::memory_order_relaxed)) return nullptr;
        auto entry = WordIndex(begin);
        list.forEach(begin, begin + step, [&](std::string_view word) {
            const std::size_t length = lengths[entry];
            if (length != 0) {
                const std::size_t g = length < 255 ? shortGroup[length] : longGroup[foldedLength(word)];
                Group& group = index->m_groups[g];
                const std::size_t slot = filled[g]++;
                const std::size_t tile = slot / tileWords;
                const std::size_t width = tileWidth(group, tile);
                char* column = group.tiles.get() + tile * tileWords * group.letters + slot % tileWords;
                std::uint64_t signature = 0;
                const auto add = [&](char letter) {
                    *column = letter;
                    column += width;
                    const unsigned shift = 2 * unsigned(letter - 'a');
                    const std::uint64_t seen = (signature >> shift) & 3; // 0, 1 or 3
                    signature |= (std::uint64_t(1) << (shift + (seen & 1))) | (std::uint64_t(seen == 3) << 63);
                };
                for (const char c : word) {
                    const FoldedChar& f = foldChar(c);
                    if (f.count > 0) add(f.letters[0]);
                    if (f.count > 1) add(f.letters[1]);
                }
                group.signatures[slot] = signature;
                group.tileLetters[tile] |= signature;
                group.entries[slot] = entry;
                // A sample of the letters is enough to order the tests.
                if (entry % 16 == 0)
                    for (std::size_t l = 0; l < 26; ++l) frequency[l] += (signature >> (2 * l)) & 1;
            }
            ++entry;
        });
    }
    index->m_frequency = frequency;
    return index;
}

std::optional<Solutions> SolverIndex::solve(const SolverQuery& query, const std::atomic<bool>& cancel) const
{
    Collector collector;
    std::vector<WordIndex>& out = collector.solutions.indices;
    if (query.mode == SolveMode::Pattern) {
        const PatternParts parts = cut(query.pattern);
        const auto tests = [&](const std::vector<LetterSet>& sets) {
            std::vector<LetterTest> made;
            for (const LetterSet set : sets) made.push_back(makeTest(set, m_frequency));
            return made;
        };
        const std::vector<LetterTest> head = tests(parts.head), tail = tests(parts.tail);
        std::vector<std::vector<LetterTest>> middles;
        std::vector<LetterSet> runSets; // one for each id
        for (const auto& middle : parts.middles) {
            middles.push_back(tests(middle));
            for (LetterTest& test : middles.back()) {
                test.id = std::size_t(std::find(runSets.begin(), runSets.end(), test.set) - runSets.begin());
                if (test.id == runSets.size()) runSets.push_back(test.set);
            }
        }
        for (const Group& group : m_groups) {
            if (parts.anyRuns ? group.letters < parts.fewest : group.letters != parts.fewest) continue;
            const std::size_t before = out.size();
            if (!solvePattern(group, parts, head, tail, middles, runSets.size(), cancel, out)) return std::nullopt;
            collector.finishGroup(group.letters, before);
        }
    } else {
        const std::size_t most = query.letters + query.blanks;
        for (const Group& group : m_groups) {
            if (query.mode == SolveMode::Anagram ? group.letters != most : group.letters < 2 || group.letters > most) continue;
            const std::size_t before = out.size();
            if (!solveLetters(group, query, cancel, out)) return std::nullopt;
            collector.finishGroup(group.letters, before);
        }
    }
    collector.finish(m_listSize);
    return std::move(collector.solutions);
}

std::size_t SolverIndex::memoryBytes() const
{
    std::size_t bytes = sizeof(SolverIndex) + m_groups.capacity() * sizeof(Group);
    for (const Group& group : m_groups)
        bytes += group.words * (group.letters + sizeof(std::uint64_t) + sizeof(WordIndex)) +
                 (group.words + tileWords - 1) / tileWords * sizeof(std::uint64_t);
    return bytes;
}

} // namespace verbalia::solver
