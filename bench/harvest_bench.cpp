// The harvest core: the words of a 4 MiB English text (bench/harvest_text.sh)
// looked up in, and the new ones inserted into, the large word list, as the
// window and verbalia-find harvest them, without the window around it.
//
// Usage: harvest_bench TEXT [benchmark options]
#include "platform/FileEncoding.h"
#include "platform/IcuCollation.h"
#include "text/LineText.h"
#include "wordlist/Harvest.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace {

using namespace verbalia;

const char* const largeList = "/usr/share/dict/british-english-insane";
std::string textPath;

std::optional<std::string> readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void BM_HarvestText(benchmark::State& state)
{
    std::optional<std::string> list = readFile(largeList);
    std::optional<std::string> text = readFile(textPath);
    if (!list || !text) {
        state.SkipWithError("word list or text missing (install wbritish-insane; run bench/harvest_text.sh)");
        return;
    }
    // As the window and verbalia-find read them.
    decodeFile(*list);
    decodeFile(*text);
    const std::vector<std::string> entries = parseWordList(*list);
    const std::vector<std::string> lines = splitLines(workAreaTextFromFile(*text));
    const IcuCollation collation;
    HarvestOutcome outcome;
    for (auto _ : state) {
        state.PauseTiming();
        WordStore store;
        store.assign(entries);
        state.ResumeTiming();
        outcome = harvest(store, collation, lines, HarvestOptions{}, HarvestHooks{});
        benchmark::DoNotOptimize(store.size());
    }
    state.counters["words_added"] = double(outcome.added);
    state.counters["lines"] = double(lines.size());
}
BENCHMARK(BM_HarvestText)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: %s TEXT [benchmark options]\n", argv[0]);
        return 64;
    }
    textPath = argv[1];
    argv[1] = argv[0];
    benchmark::Initialize(&--argc, ++argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
