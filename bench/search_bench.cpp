// The three searches over a large word list: the scan of the store as the
// window runs it, beside a plain loop over a vector applying the same word
// test, so the store's share of the time can be read off the pair.
#include "platform/FileSystem.h"
#include "search/LetterSearch.h"
#include "search/PhoneticSearch.h"
#include "search/Scan.h"
#include "search/WildcardSearch.h"
#include "text/LineText.h"
#include "wordlist/WordStore.h"

#include <benchmark/benchmark.h>

#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace verbalia;

const char* const largeList = "/usr/share/dict/british-english-insane";

struct Lists {
    std::vector<std::string> words;
    WordStore store;
};

template <class Matcher>
void scanStore(benchmark::State& state, const Lists& lists, const Matcher& matcher)
{
    std::size_t found = 0;
    for (auto _ : state) {
        std::vector<std::string> results;
        results.reserve(4096);
        scanRange(lists.store, 0, lists.store.size(), matcher, results);
        found = results.size();
        benchmark::DoNotOptimize(results.data());
    }
    state.counters["found"] = double(found);
    state.counters["words/s"] = benchmark::Counter(double(lists.store.size()), benchmark::Counter::kIsIterationInvariantRate);
}

template <class Matcher>
void plainLoop(benchmark::State& state, const Lists& lists, const Matcher& matcher)
{
    std::size_t found = 0;
    for (auto _ : state) {
        std::vector<std::string> results;
        results.reserve(4096);
        for (const std::string& word : lists.words) {
            if (matcher.matches(word)) results.emplace_back(matcher.result(word));
        }
        found = results.size();
        benchmark::DoNotOptimize(results.data());
    }
    state.counters["found"] = double(found);
    state.counters["words/s"] = benchmark::Counter(double(lists.words.size()), benchmark::Counter::kIsIterationInvariantRate);
}

template <class Matcher>
void registerPair(const std::string& name, const Lists& lists, const Prepared<Matcher>& prepared)
{
    if (!prepared.matcher) {
        std::cerr << name << " refused: " << prepared.refusal << '\n';
        return;
    }
    const Matcher matcher = *prepared.matcher;
    benchmark::RegisterBenchmark((name + "/store").c_str(), [&lists, matcher](benchmark::State& state) {
        scanStore(state, lists, matcher);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((name + "/vector").c_str(), [&lists, matcher](benchmark::State& state) {
        plainLoop(state, lists, matcher);
    })->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const std::optional<std::string> text = DiskFileSystem().readAll(largeList);
    if (!text) {
        std::cerr << "Skipped: " << largeList << " is missing (package wbritish-insane).\n";
        return 0;
    }
    static Lists lists;
    lists.words = parseWordList(*text);
    lists.store.assign(lists.words);

    const auto input = [](std::string_view criteria) { return SearchInput{criteria, "", {}}; };
    for (const char* pattern : {"a??i?", "ac*al", "*ed", "*"})
        registerPair(std::string("wildcard '") + pattern + "'", lists, prepareWildcardSearch(input(pattern)));
    registerPair("letters 'pot' contains", lists, prepareLetterSearch(input("pot"), LetterMode::ContainsAll));
    registerPair("letters 'pot' only", lists, prepareLetterSearch(input("pot"), LetterMode::OnlyThese));
    registerPair("letters 'pot' exact", lists, prepareLetterSearch(input("pot"), LetterMode::ExactCount));
    registerPair("letters 'stop' exact", lists, prepareLetterSearch(input("stop"), LetterMode::ExactCount));
    registerPair("sounds 'Mice'", lists, preparePhoneticSearch(input("Mice")));
    registerPair("sounds 'Robert'", lists, preparePhoneticSearch(input("Robert")));
    // An exclusion list of 10,000 letters costs what a short one does.
    for (const std::string& exclusion : {std::string("q"), std::string(10000, 'q')})
        registerPair("wildcard '*' excluding " + std::to_string(exclusion.size()) + " letters", lists,
                     prepareWildcardSearch(SearchInput{"*", exclusion, {}}));

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
