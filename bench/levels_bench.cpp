// The word levels: loading the release's levels file (targets 30 ms, 8 MB),
// and ordering the matches of '*' by level (target 5 ms per 100,000 matches)
// on the release's list and on a large one, alone and as the window lists
// them (the order and each row's level).
// Usage: levels_bench [BENCHMARK-OPTIONS] [LIST] (default /tmp/large.txt, the
// 5.3M list that bench/make_large_list.sh makes; skipped when missing).
#include "HeapInUse.h"
#include "app/core/ResultLevels.h"
#include "cli/WordArena.h"
#include "lexicon/CommonnessLevels.h"
#include "search/WildcardSearch.h"
#include "wordlist/WordListFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace verbalia;

const std::string releaseFolder = VERBALIA_BINARY_DIR "/packaging/";
const std::string levelsPath = releaseFolder + std::string(levelsFileName);

std::optional<CommonnessLevels> loadLevels()
{
    LevelsLoad loaded = CommonnessLevels::load(DiskFileSystem(), levelsPath);
    if (!loaded.levels) std::fprintf(stderr, "%s\n", loaded.problem.c_str());
    return std::move(loaded.levels);
}

void BM_Load(benchmark::State& state)
{
    std::size_t heap = 0, held = 0, words = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        const std::optional<CommonnessLevels> levels = loadLevels();
        if (!levels) {
            state.SkipWithError("no levels file (build the release_wordlist target)");
            return;
        }
        heap = heapInUse() - before;
        held = levels->heldBytes();
        words = levels->size();
    }
    state.counters["heap_MB"] = double(heap) / 1e6;
    state.counters["held_MB"] = double(held) / 1e6;
    state.SetLabel(std::to_string(words) + " words");
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

// The matches of '*' as verbalia-find gathers them to list the commonest
// first: every word, in list order, in an arena.
WordArena everyWord(const std::string& list)
{
    WordStore store;
    WordListFormat format;
    WordArena matches;
    if (loadWordList(DiskFileSystem(), list, store, format) != PieceRead::done) return matches;
    const auto prepared = prepareWildcardSearch(SearchInput{"*", "", {}});
    store.forEach(0, store.size(), [&](std::string_view word) {
        if (prepared.matcher->matches(word)) matches.append(word);
    });
    return matches;
}

// Seconds per 100,000 matches ("3m" is 3 ms).
void countPerHundredThousand(benchmark::State& state, std::size_t matches)
{
    state.counters["per_100k"] = benchmark::Counter(double(state.iterations()) * double(matches) / 1e5,
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void order(benchmark::State& state, const CommonnessLevels& levels, const WordArena& matches)
{
    const std::vector<std::size_t> starts = matches.starts<std::size_t>();
    const auto wordOf = [&matches](std::size_t start) { return matches.word(start); };
    std::size_t withLevel = 0;
    for (const std::size_t start : starts) withLevel += levels.levelOf(wordOf(start)) != Level::none;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::size_t> ordered = starts;
        state.ResumeTiming();
        levels.orderByLevel(ordered, wordOf);
        benchmark::DoNotOptimize(ordered.data());
    }
    countPerHundredThousand(state, starts.size());
    state.SetLabel(std::to_string(starts.size()) + " matches, " + std::to_string(withLevel) + " with a level");
}

void windowOrder(benchmark::State& state, const CommonnessLevels& levels, const WordArena& matches)
{
    std::vector<std::string_view> words;
    for (const std::size_t start : matches.starts<std::size_t>()) words.push_back(matches.word(start));
    for (auto _ : state) benchmark::DoNotOptimize(levelOrder(words, levels).rows.data());
    countPerHundredThousand(state, words.size());
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const std::string largeList = argc > 1 ? argv[1] : "/tmp/large.txt";
    static const std::optional<CommonnessLevels> levels = loadLevels();
    static WordArena shipped, large;
    if (levels) {
        shipped = everyWord(releaseFolder + "wordlist.dat");
        large = everyWord(largeList);
        if (large.size() == 0) std::fprintf(stderr, "%s is missing (bench/make_large_list.sh makes it)\n", largeList.c_str());
        for (const auto* matches : {&shipped, &large}) {
            if (matches->size() == 0) continue;
            benchmark::RegisterBenchmark(matches == &shipped ? "order '*'/release list" : "order '*'/large list",
                                         [matches](benchmark::State& state) { order(state, *levels, *matches); })
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(matches == &shipped ? "window order '*'/release list"
                                                             : "window order '*'/large list",
                                         [matches](benchmark::State& state) { windowOrder(state, *levels, *matches); })
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
