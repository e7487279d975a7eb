// One definition lookup in the full WordNet database (target: well under
// 50 ms): a word with many senses, inflected forms through the exception
// list and the rules, an accented word and a word without an entry.
#include "platform/FileSystem.h"
#include "wordlist/Definitions.h"

#include <benchmark/benchmark.h>

namespace {

void BM_DefinitionLookup(benchmark::State& state, const char* word)
{
    const std::optional<verbalia::Definitions> definitions =
        verbalia::openDefinitions({"/usr/share/wordnet/"}, verbalia::DiskFileSystem());
    if (!definitions) {
        state.SkipWithError("database missing (install wordnet-base)");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(definitions->lookup(word));
}

BENCHMARK_CAPTURE(BM_DefinitionLookup, run, "run")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DefinitionLookup, geese, "geese")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DefinitionLookup, running, "running")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DefinitionLookup, crosswords, "crosswords")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DefinitionLookup, cafe, "caf\xE9")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DefinitionLookup, no_entry, "xyzzyqq")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
