// Loading a large word list into the store, and inserting new words at their
// sorted places as harvesting does.
#include "platform/FileEncoding.h"
#include "platform/IcuCollation.h"
#include "wordlist/KnownWordLookup.h"
#include "text/LineText.h"
#include "wordlist/WordStore.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace {

const char* const kLargeList = "/usr/share/dict/british-english-insane";

const std::optional<std::string>& largeListText()
{
    static const std::optional<std::string> text = []() -> std::optional<std::string> {
        std::ifstream file(kLargeList, std::ios::binary);
        if (!file) return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(file), {});
    }();
    return text;
}

// The load of the list as the window does it, from the file's bytes in
// memory: taken byte for byte (arg 0, as before lists were decoded) or
// detected and converted from UTF-8 first (arg 1, as now). The list is UTF-8.
void BM_ParseAndAssign(benchmark::State& state)
{
    const auto& text = largeListText();
    if (!text) {
        state.SkipWithError("word list missing (install wbritish-insane)");
        return;
    }
    const bool decode = state.range(0) != 0;
    std::size_t lines = 0;
    for (auto _ : state) {
        std::string bytes = *text;
        if (decode) verbalia::decodeFile(bytes);
        verbalia::WordStore store;
        store.assign(verbalia::parseWordList(bytes));
        lines = store.size();
    }
    std::string bytes = *text;
    const bool converted = verbalia::decodeFile(bytes) != verbalia::FileEncoding::Bytes;
    state.SetLabel(std::to_string(lines) + " lines, " +
                   (decode ? (converted ? "converted from UTF-8" : "not UTF-8") : "byte for byte"));
}
BENCHMARK(BM_ParseAndAssign)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// 10,000 words the list does not hold, each found missing and inserted.
void BM_SortedInserts(benchmark::State& state)
{
    const auto& text = largeListText();
    if (!text) {
        state.SkipWithError("word list missing (install wbritish-insane)");
        return;
    }
    const verbalia::IcuCollation collation;
    const std::vector<std::string> words = verbalia::parseWordList(*text);
    constexpr int kInserts = 10000;
    for (auto _ : state) {
        state.PauseTiming();
        verbalia::WordStore store;
        store.assign(words);
        state.ResumeTiming();
        for (int i = 0; i < kInserts; ++i) {
            // Spread over the alphabet: a real word with a suffix no list holds.
            const std::string word = words[std::size_t(i) * (words.size() / kInserts)] + "qzx";
            const auto location = verbalia::Locate_Known_Word(store, word, collation);
            if (location.found < 0) store.insert(std::size_t(location.insertion), word);
        }
        benchmark::DoNotOptimize(store.size());
    }
    state.SetItemsProcessed(state.iterations() * kInserts);
    state.counters["per_insert"] = benchmark::Counter(double(state.iterations()) * kInserts,
                                                      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SortedInserts)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
