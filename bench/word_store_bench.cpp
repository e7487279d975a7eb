// Loading a large word list into the store, and inserting new words at their
// sorted places as harvesting does.
#include "platform/IcuCollation.h"
#include "wordlist/KnownWordLookup.h"
#include "text/LineText.h"
#include "wordlist/WordListFile.h"
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

// The load of the list as the window does it: the file read once into the
// store, converted from UTF-8 as it goes (the list is UTF-8).
void BM_Load(benchmark::State& state)
{
    if (!largeListText()) {
        state.SkipWithError("word list missing (install wbritish-insane)");
        return;
    }
    std::size_t lines = 0;
    for (auto _ : state) {
        verbalia::WordStore store;
        verbalia::WordListFormat format;
        const verbalia::DiskFileSystem files;
        if (verbalia::loadWordList(files, kLargeList, store, format) != verbalia::PieceRead::done) {
            state.SkipWithError("the list could not be read");
            return;
        }
        lines = store.size();
    }
    state.SetLabel(std::to_string(lines) + " lines");
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

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
