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
    return group.tiles.data() + tile * tileWords * group.letters;
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

// Letter counts, two bits a letter: the lower set when it comes once, both
// when it comes more often.
std::uint64_t signatureOf(std::string_view letters)
{
    std::uint64_t signature = 0;
    for (const char c : letters) {
        const std::uint64_t once = std::uint64_t(1) << (2 * (c - 'a'));
        if (!(signature & once)) signature |= once;
        else if (!(signature & once << 1)) signature |= once << 1;
        else signature |= manyBit;
    }
    return signature;
}

bool atMostBits(std::uint64_t bits, std::size_t most)
{
    for (; bits != 0 && most > 0; --most) bits &= bits - 1;
    return bits == 0;
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

// The pattern on one group: the letters at fixed places (before the first
// '*' and after the last) tested first, most selective first, then each run
// between '*'s at each place it may start; with two runs or more, the order
// of the runs is checked word by word.
bool solvePattern(const Group& group, const PatternParts& parts, const std::vector<LetterTest>& head,
                  const std::vector<LetterTest>& tail, const std::vector<std::vector<LetterTest>>& middles,
                  const SolverQuery& query, const std::atomic<bool>& cancel, std::vector<WordIndex>& out)
{
    const std::size_t letters = group.letters;
    std::vector<std::pair<std::size_t, const LetterTest*>> fixed;
    for (std::size_t p = 0; p < head.size(); ++p)
        if (head[p].set != allLetters) fixed.emplace_back(p, &head[p]);
    for (std::size_t p = 0; p < tail.size(); ++p)
        if (tail[p].set != allLetters) fixed.emplace_back(letters - tail.size() + p, &tail[p]);
    std::sort(fixed.begin(), fixed.end(), [](const auto& a, const auto& b) { return a.second->weight < b.second->weight; });
    const std::size_t windowStart = parts.head.size(), windowEnd = letters - parts.tail.size();
    const bool checkOrder = middles.size() > 1;
    std::string word;

    const std::size_t tiles = (group.size() + tileWords - 1) / tileWords;
    for (std::size_t tile = 0; tile < tiles; ++tile) {
        if (tile % tilesBetweenCancelChecks == 0 && cancel.load(std::memory_order_relaxed)) return false;
        const std::size_t width = tileWidth(group, tile);
        const char* start = tileStart(group, tile);
        std::uint64_t through = widthMask(width);
        for (const auto& [place, test] : fixed) {
            through &= testColumn(start + place * width, width, *test);
            if (!through) break;
        }
        for (std::size_t m = 0; m < middles.size() && through; ++m) {
            const std::vector<LetterTest>& run = middles[m];
            std::uint64_t anywhere = 0;
            for (std::size_t at = windowStart; at + run.size() <= windowEnd && anywhere != through; ++at) {
                std::uint64_t here = through;
                for (std::size_t j = 0; j < run.size() && here; ++j)
                    if (run[j].set != allLetters) here &= testColumn(start + (at + j) * width, width, run[j]);
                anywhere |= here;
            }
            through = anywhere;
        }
        for (; through; through &= through - 1) {
            const std::size_t slot = tile * tileWords + std::size_t(std::countr_zero(through));
            if (checkOrder) {
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
    const std::size_t blanks = query.blanks;
    std::string word;
    const std::uint64_t* signatures = group.signatures.data();
    constexpr std::size_t step = tileWords * tilesBetweenCancelChecks;
    for (std::size_t begin = 0; begin < group.size(); begin += step) {
        if (cancel.load(std::memory_order_relaxed)) return false;
        const std::size_t end = std::min(group.size(), begin + step);
        for (std::size_t slot = begin; slot < end; ++slot) {
            const std::uint64_t signature = signatures[slot];
            if (!atMostBits(signature & beyond, blanks)) continue;
            if (signature & manyBit) {
                gather(group, slot, word);
                if (!matchesFolded(query, word)) continue;
            }
            out.push_back(group.entries[slot]);
        }
    }
    return true;
}

} // namespace

std::unique_ptr<const SolverIndex> SolverIndex::build(const WordStore& list, const std::atomic<bool>& cancel)
{
    if (list.size() > std::numeric_limits<WordIndex>::max()) throw std::length_error("SolverIndex: list too long");
    std::unique_ptr<SolverIndex> index(new SolverIndex);
    index->m_listSize = list.size();
    constexpr std::size_t step = 16384; // entries between looks at the cancel flag

    // How many words have each length; lengths of 256 or more are rare.
    std::array<std::size_t, 256> shortCounts{};
    std::map<std::size_t, std::size_t> longCounts;
    for (std::size_t begin = 0; begin < list.size(); begin += step) {
        if (cancel.load(std::memory_order_relaxed)) return nullptr;
        list.forEach(begin, begin + step, [&](std::string_view word) {
            const std::size_t letters = foldedLength(word);
            if (letters < shortCounts.size()) ++shortCounts[letters];
            else ++longCounts[letters];
        });
    }
    std::array<std::size_t, 256> shortGroup{};
    std::map<std::size_t, std::size_t> longGroup;
    const auto addGroup = [&](std::size_t letters, std::size_t words) {
        Group& group = index->m_groups.emplace_back();
        group.letters = letters;
        group.tiles.resize(letters * words);
        group.signatures.resize(words);
        group.entries.resize(words);
        return index->m_groups.size() - 1;
    };
    for (std::size_t letters = 1; letters < shortCounts.size(); ++letters)
        if (shortCounts[letters] > 0) shortGroup[letters] = addGroup(letters, shortCounts[letters]);
    for (const auto& [letters, words] : longCounts) longGroup[letters] = addGroup(letters, words);

    std::vector<std::size_t> filled(index->m_groups.size());
    std::string letters;
    for (std::size_t begin = 0; begin < list.size(); begin += step) {
        if (cancel.load(std::memory_order_relaxed)) return nullptr;
        auto entry = WordIndex(begin);
        list.forEach(begin, begin + step, [&](std::string_view word) {
            letters.clear();
            appendFolded(word, letters);
            if (!letters.empty()) {
                const std::size_t g = letters.size() < shortGroup.size() ? shortGroup[letters.size()] : longGroup[letters.size()];
                Group& group = index->m_groups[g];
                const std::size_t slot = filled[g]++;
                const std::size_t tile = slot / tileWords, at = slot % tileWords;
                const std::size_t width = tileWidth(group, tile);
                char* start = group.tiles.data() + tile * tileWords * group.letters;
                for (std::size_t p = 0; p < letters.size(); ++p) {
                    start[p * width + at] = letters[p];
                    ++index->m_frequency[std::size_t(letters[p] - 'a')];
                }
                group.signatures[slot] = signatureOf(letters);
                group.entries[slot] = entry;
            }
            ++entry;
        });
    }
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
        for (const auto& middle : parts.middles) middles.push_back(tests(middle));
        for (const Group& group : m_groups) {
            if (parts.anyRuns ? group.letters < parts.fewest : group.letters != parts.fewest) continue;
            const std::size_t before = out.size();
            if (!solvePattern(group, parts, head, tail, middles, query, cancel, out)) return std::nullopt;
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
        bytes += group.tiles.capacity() + group.signatures.capacity() * sizeof(std::uint64_t) +
                 group.entries.capacity() * sizeof(WordIndex);
    return bytes;
}

} // namespace verbalia::solver
