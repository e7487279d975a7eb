// The meaning index on the full WordNet database (/usr/share/wordnet/, from
// wordnet-base): its build (targets 500 ms and 60 MB) with the heap it holds
// after and the peak it reached, its queries (target 50 ms), and reading the
// phrases.
#include "HeapInUse.h"
#include "lexicon/MeaningIndex.h"
#include "lexicon/Phrases.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <optional>
#include <string>

namespace {

using namespace verbalia;

const std::string folder = "/usr/share/wordnet/";

// A line of /proc/self/status, in kB.
double statusKilobytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(key + ":")) return std::stod(line.substr(key.size() + 1));
    return 0;
}

void BM_Build(benchmark::State& state)
{
    const std::atomic<bool> cancel = false;
    // The process before its first build: the peak then counts the files read and all the build held.
    static const double rssBefore = statusKilobytes("VmRSS");
    std::size_t heap = 0, held = 0, words = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        const MeaningLoad load = MeaningIndex::build(DiskFileSystem(), folder, cancel);
        if (!load.index) {
            state.SkipWithError("database missing (install wordnet-base)");
            return;
        }
        heap = heapInUse() - before;
        held = load.index->heldBytes();
        words = load.index->size();
    }
    state.counters["heap_MB"] = double(heap) / 1e6;
    state.counters["held_MB"] = double(held) / 1e6;
    state.counters["peak_rise_MB"] = (statusKilobytes("VmHWM") - rssBefore) / 1e3;
    state.SetLabel(std::to_string(words) + " words and phrases");
}
// First, so that the peak is its own.
BENCHMARK(BM_Build)->Unit(benchmark::kMillisecond);

void BM_Related(benchmark::State& state, const char* meaning)
{
    static const std::optional<MeaningIndex> index = [] {
        const std::atomic<bool> cancel = false;
        return MeaningIndex::build(DiskFileSystem(), folder, cancel).index;
    }();
    if (!index) {
        state.SkipWithError("database missing (install wordnet-base)");
        return;
    }
    std::size_t count = 0;
    for (auto _ : state) count = index->related(meaning).size();
    state.SetLabel(std::to_string(count) + " related");
}
BENCHMARK_CAPTURE(BM_Related, puzzle, "puzzle")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Related, felines, "felines")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Related, big_cat, "big cat")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Related, swiftest, "swiftest")->Unit(benchmark::kMillisecond);
// Many kinds, and a gloss word in thousands of glosses.
BENCHMARK_CAPTURE(BM_Related, person, "person")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Related, large_animal, "large animal")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Related, no_entry, "xyzzyqq")->Unit(benchmark::kMillisecond);

void BM_Phrases(benchmark::State& state)
{
    const std::atomic<bool> cancel = false;
    std::size_t count = 0;
    for (auto _ : state) count = readPhrases(DiskFileSystem(), folder, cancel).phrases.size();
    state.SetLabel(std::to_string(count) + " phrases");
}
BENCHMARK(BM_Phrases)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
