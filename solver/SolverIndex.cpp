#include "SolverIndex.h"

#include "Fold.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <map>
#include <stdexcept>
#include <new>
#include <set>
#include <string>
#include <thread>

#include <sys/mman.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace verbalia::solver {

namespace {

constexpr std::size_t tileWords = 64;
constexpr std::uint64_t manyBit = std::uint64_t(1) << 63; // a letter three times or more
constexpr std::size_t tilesBetweenCancelChecks = 4096;
// An index is built on up to this many threads, each taking this many words or more.
constexpr std::size_t maxThreads = 4;
constexpr std::size_t minWordsPerThread = 100000;

using Group = SolverIndex::Group;

// Calls work(part) for each part, each on a thread of its own (the first on this one).
template <class Part, class Work>
void onThreads(std::vector<Part>& parts, const Work& work)
{
    std::vector<std::jthread> helpers;
    for (std::size_t p = 1; p < parts.size(); ++p) helpers.emplace_back([&work, &part = parts[p]] { work(part); });
    work(parts.front());
}

std::size_t tileWidth(const Group& group, std::size_t tile)
{
    return std::min(tileWords, group.size() - tile * tileWords);
}

const char* tileStart(const Group& group, std::size_t tile)
{
    return group.tiles + tile * tileWords * group.letters;
}

// Bit i of the set at bit 2i: a signature's place for a letter seen once.
std::uint64_t spreadBits(LetterSet set)
{
    std::uint64_t bits = set;
    bits = (bits | bits << 16) & 0x0000FFFF0000FFFFu;
    bits = (bits | bits << 8) & 0x00FF00FF00FF00FFu;
    bits = (bits | bits << 4) & 0x0F0F0F0F0F0F0F0Fu;
    bits = (bits | bits << 2) & 0x3333333333333333u;
    return (bits | bits << 1) & 0x5555555555555555u;
}

std::size_t tileCount(const Group& group) { return (group.words + tileWords - 1) / tileWords; }

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

// Which words of the tile the test lets through at the place; vowels and
// consonants, which '@' and '#' ask for, read from the group's vowel masks.
std::uint64_t testPlace(const Group& group, std::size_t tile, std::size_t place, const LetterTest& test)
{
    const std::size_t width = tileWidth(group, tile);
    if (test.set == vowels) return group.vowels[tile * group.letters + place];
    if (test.set == consonants) return ~group.vowels[tile * group.letters + place] & widthMask(width);
    return testColumn(tileStart(group, tile) + place * width, width, test);
}

// The words of `through` whose signatures hold the letters of `needed`.
std::uint64_t holdingLetters(const Group& group, std::size_t tile, std::uint64_t through, std::uint64_t needed)
{
    const std::uint64_t* signatures = group.signatures + tile * tileWords;
    for (std::uint64_t left = through; left; left &= left - 1) {
        const int word = std::countr_zero(left);
        if ((signatures[word] & needed) != needed) through &= ~(std::uint64_t(1) << word);
    }
    return through;
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

    std::uint64_t at(const Group& group, std::size_t tile, std::size_t place, const LetterTest& test)
    {
        if (!m_remember) return testPlace(group, tile, place, test);
        const std::size_t key = test.id * m_letters + place;
        if (m_tiles[key] != tile) {
            m_tiles[key] = tile;
            m_masks[key] = testPlace(group, tile, place, test);
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
std::uint64_t runsInOrder(const Group& group, std::size_t tile,
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
                if (run[j].set != allLetters) here &= tests.at(group, tile, at + j, run[j]);
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

    const std::size_t tiles = tileCount(group);
    for (std::size_t tile = 0; tile < tiles; ++tile) {
        if (tile % tilesBetweenCancelChecks == 0 && cancel.load(std::memory_order_relaxed)) return false;
        if (parts.letters & ~group.tileLetters[tile]) continue;
        std::uint64_t through = widthMask(tileWidth(group, tile));
        for (const auto& [place, test] : fixed) {
            through &= testPlace(group, tile, place, *test);
            if (!through) break;
        }
        // The runs cost a test at every place: first the words that lack a letter go.
        if (through && !middles.empty() && parts.letters) through = holdingLetters(group, tile, through, parts.letters);
        if (through && !middles.empty())
            through = runsInOrder(group, tile, middles, windowStart, windowEnd, through, tests, reach, next);
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
    const std::uint64_t* signatures = group.signatures;
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

    // The list in consecutive parts, each measured and then filled in by a
    // thread of its own.
    struct Part {
        std::size_t begin = 0, end = 0;
        std::array<std::size_t, 256> shortCounts{}; // words of each length
        std::map<std::size_t, std::size_t> longCounts; // of 255 letters or more
        std::vector<std::size_t> nextSlot; // in each group
        std::array<std::uint64_t, 26> frequency{};
        bool stopped = false;
    };
    const std::size_t threads = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, maxThreads);
    std::vector<Part> parts(std::clamp<std::size_t>(list.size() / minWordsPerThread, 1, threads));
    for (std::size_t p = 0; p < parts.size(); ++p) {
        parts[p].begin = list.size() * p / parts.size();
        parts[p].end = list.size() * (p + 1) / parts.size();
    }
    const auto stopped = [&parts] {
        return std::any_of(parts.begin(), parts.end(), [](const Part& part) { return part.stopped; });
    };
    // Over each part's words in steps, `entry` the index of the word.
    const auto walk = [&list, &cancel](Part& part, auto&& visit) {
        for (std::size_t begin = part.begin; begin < part.end; begin += step) {
            if (cancel.load(std::memory_order_relaxed)) {
                part.stopped = true;
                return;
            }
            auto entry = WordIndex(begin);
            list.forEach(begin, std::min(part.end, begin + step), [&](std::string_view word) { visit(word, entry++); });
        }
    };

    // Each word's length, 255 standing for that or more (rare: looked up again).
    std::vector<unsigned char> lengths(list.size());
    onThreads(parts, [&](Part& part) {
        walk(part, [&](std::string_view word, WordIndex entry) {
            const std::size_t letters = foldedLength(word);
            lengths[entry] = static_cast<unsigned char>(std::min<std::size_t>(letters, 255));
            if (letters < 255) ++part.shortCounts[letters];
            else ++part.longCounts[letters];
        });
    });
    if (stopped()) return nullptr;

    std::array<std::size_t, 255> shortGroup{};
    std::map<std::size_t, std::size_t> longGroup;
    const auto addGroup = [&](std::size_t letters) {
        Group& group = index->m_groups.emplace_back();
        group.letters = letters;
        // Each part's words of the group come after those of the parts before.
        for (Part& part : parts) {
            part.nextSlot.push_back(group.words);
            group.words += letters < 255 ? part.shortCounts[letters] : part.longCounts[letters];
        }
        return index->m_groups.size() - 1;
    };
    for (std::size_t letters = 1; letters < shortGroup.size(); ++letters)
        if (std::any_of(parts.begin(), parts.end(), [&](const Part& part) { return part.shortCounts[letters] > 0; }))
            shortGroup[letters] = addGroup(letters);
    std::set<std::size_t> longLengths;
    for (const Part& part : parts)
        for (const auto& counted : part.longCounts) longLengths.insert(counted.first);
    for (const std::size_t letters : longLengths) longGroup[letters] = addGroup(letters);

    // The arrays of all groups in one block: the 8-byte ones first, the tiles last.
    std::size_t bytes = 0;
    for (const Group& group : index->m_groups)
        bytes += group.words * (sizeof(std::uint64_t) + sizeof(WordIndex) + group.letters) +
                 tileCount(group) * (1 + group.letters) * sizeof(std::uint64_t);
    index->m_block = std::make_unique<Block>(bytes);
    std::byte* unused = index->m_block->data();
    const auto take = [&unused]<class T>(T*& array, std::size_t count) {
        array = reinterpret_cast<T*>(unused);
        unused += count * sizeof(T);
    };
    for (Group& group : index->m_groups) {
        take(group.signatures, group.words);
        take(group.tileLetters, tileCount(group));
        take(group.vowels, tileCount(group) * group.letters);
    }
    for (Group& group : index->m_groups) take(group.entries, group.words);
    for (Group& group : index->m_groups) take(group.tiles, group.words * group.letters);

    // Each word folded straight into its column of its tile. Parts meet
    // inside tiles, so the tiles' letters are joined afterwards.
    onThreads(parts, [&](Part& part) {
        walk(part, [&](std::string_view word, WordIndex entry) {
            const std::size_t length = lengths[entry];
            if (length == 0) return;
            const std::size_t g = length < 255 ? shortGroup[length] : longGroup.at(foldedLength(word));
            Group& group = index->m_groups[g];
            const std::size_t slot = part.nextSlot[g]++;
            const std::size_t tile = slot / tileWords;
            const std::size_t width = tileWidth(group, tile);
            char* column = group.tiles + tile * tileWords * group.letters + slot % tileWords;
            // The letters seen once, twice and three times or more.
            LetterSet once = 0, twice = 0, thrice = 0;
            const auto add = [&](char letter) {
                *column = letter;
                column += width;
                const LetterSet bit = LetterSet(1) << (letter - 'a');
                thrice |= twice & bit;
                twice |= once & bit;
                once |= bit;
            };
            for (const char c : word) {
                const FoldedChar& f = foldChar(c);
                if (f.count > 0) add(f.letters[0]);
                if (f.count > 1) add(f.letters[1]);
            }
            const std::uint64_t signature = spreadBits(once) | spreadBits(twice) << 1 | (thrice ? manyBit : 0);
            group.signatures[slot] = signature;
            group.entries[slot] = entry;
            // A sample of the letters is enough to order the tests.
            if (entry % 16 == 0)
                for (std::size_t l = 0; l < 26; ++l) part.frequency[l] += (signature >> (2 * l)) & 1;
        });
    });
    if (stopped()) return nullptr;
    // Each tile's letters joined and its vowel masks, a share of each group's tiles to each thread.
    const LetterTest vowelTest = makeTest(vowels, {});
    onThreads(parts, [&](Part& part) {
        const std::size_t p = std::size_t(&part - parts.data());
        for (Group& group : index->m_groups) {
            const std::size_t tiles = tileCount(group);
            for (std::size_t tile = tiles * p / parts.size(); tile < tiles * (p + 1) / parts.size(); ++tile) {
                const std::size_t width = tileWidth(group, tile);
                std::uint64_t joined = 0;
                for (std::size_t word = 0; word < width; ++word) joined |= group.signatures[tile * tileWords + word];
                group.tileLetters[tile] = joined;
                const char* start = tileStart(group, tile);
                for (std::size_t place = 0; place < group.letters; ++place)
                    group.vowels[tile * group.letters + place] = testColumn(start + place * width, width, vowelTest);
            }
        }
    });
    for (const Part& part : parts)
        for (std::size_t l = 0; l < 26; ++l) index->m_frequency[l] += part.frequency[l];
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
    return sizeof(SolverIndex) + m_groups.capacity() * sizeof(Group) + (m_block ? m_block->size() : 0);
}

namespace {
constexpr std::size_t largePage = std::size_t(2) << 20;
}

// Mapped with a large page's worth to spare, so that the block can start on
// a large page's boundary and end on one: the kernel then backs all of it
// with large pages, and a query after a pause does not wait on a fault for
// each 4 KiB of the index it reads.
SolverIndex::Block::Block(std::size_t bytes)
    : m_size((std::max<std::size_t>(bytes, 1) + largePage - 1) / largePage * largePage)
{
    void* mapped = ::mmap(nullptr, m_size + largePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::size_t before = (largePage - start % largePage) % largePage;
    if (before > 0) ::munmap(mapped, before);
    ::munmap(static_cast<std::byte*>(mapped) + before + m_size, largePage - before);
    m_data = static_cast<std::byte*>(mapped) + before;
    // The kernel may refuse.
    ::madvise(m_data, m_size, MADV_HUGEPAGE);
}

SolverIndex::Block::~Block() { ::munmap(m_data, m_size); }

} // namespace verbalia::solver
