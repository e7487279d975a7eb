// The solver's queries through its index (and a few through the plain scan
// that answers until the index is ready), the index's build time, and its
// memory beside the size of the list file; then whole answers as the page
// asks them (the first 10,000 rows), with the levels this build ships read
// by index (as the program reads them for any list: the time to give each
// word its level is printed), and with WordNet's phrases and meaning index
// (/usr/share/wordnet/), whose build time and memory it prints first.
//
// Usage: solver_bench [BENCHMARK-OPTIONS] [LIST...] (default: the wordlist.dat
// this build ships; bench/make_large_list.sh makes the 5.3M list).
#include "lexicon/WordNet.h"
#include "platform/FileSystem.h"
#include "solver/Answer.h"
#include "solver/SolverIndex.h"
#include "wordlist/WordListFile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace verbalia;
using namespace verbalia::solver;

struct List {
    std::string name;
    WordStore store;
    std::unique_ptr<const SolverIndex> index;
    std::optional<CommonnessLevels> levels;
    std::optional<std::vector<Level>> levelsByIndex;
};

const std::atomic<bool> running = false;

struct WordNetData {
    std::vector<Phrase> phrases;
    std::optional<MeaningIndex> meanings;
};

// Wall and CPU time since a start, in ms.
struct Stopwatch {
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
    std::clock_t cpu = std::clock();
    std::string text() const
    {
        const double wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall).count();
        const double cpuMs = 1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC;
        return std::to_string(long(wallMs)) + " ms (" + std::to_string(long(cpuMs)) + " ms of CPU)";
    }
};

// The phrases and the meaning index, their build times and memory printed.
WordNetData loadWordNet()
{
    WordNetData data;
    const std::string folder = "/usr/share/wordnet/";
    if (!wordNetFolder({folder}, DiskFileSystem())) {
        std::printf("No WordNet database in %s (install wordnet-base): no phrases or meanings.\n", folder.c_str());
        return data;
    }
    const Stopwatch phrases;
    data.phrases = readPhrases(DiskFileSystem(), folder, running).phrases;
    std::printf("phrases: %zu read in %s\n", data.phrases.size(), phrases.text().c_str());
    const Stopwatch meanings;
    data.meanings = MeaningIndex::build(DiskFileSystem(), folder, running).index;
    std::printf("meaning index: built in %s, %.1f MB held\n", meanings.text().c_str(),
                double(data.meanings->heldBytes()) / 1e6);
    return data;
}

const struct {
    SolveMode mode;
    const char* text;
    bool phrases;
    const char* meaning;
} answers[] = {
    {SolveMode::Pattern, "?u?t?e", false, ""},
    {SolveMode::Pattern, "*", false, ""},
    {SolveMode::Pattern, "*ing", false, ""},
    {SolveMode::MadeFrom, "pots??", false, ""},
    {SolveMode::Pattern, "(5,2,4)", true, ""},
    {SolveMode::Pattern, "p???? ?? ????", true, ""},
    {SolveMode::Anagram, "cakeofpiece", true, ""},
    {SolveMode::Pattern, "?r?s?w?r?", false, "puzzle"},
    {SolveMode::Pattern, "c*", true, "big cat"},
    {SolveMode::Pattern, "", true, "puzzle"},
    {SolveMode::Pattern, "", true, "person"},
    {SolveMode::Pattern, "", true, "swiftest"},
};

void registerAnswers(List& list, const WordNetData& wordNet)
{
    for (const auto& query : answers) {
        if ((query.phrases || *query.meaning) && !wordNet.meanings) continue;
        const std::string name = list.name + "/answer '" + query.text + "'" + (query.phrases ? " phrases" : "") +
                                 (*query.meaning ? std::string(" meaning '") + query.meaning + "'" : "");
        benchmark::RegisterBenchmark(name.c_str(), [&list, &wordNet, query](benchmark::State& state) {
            AnswerRequest request{query.mode, query.text, std::nullopt, query.phrases, query.meaning};
            request.rowLimit = 10000;
            const AnswerData data{list.store,
                                  list.index.get(),
                                  list.levels ? &*list.levels : nullptr,
                                  &wordNet.phrases,
                                  wordNet.meanings ? &*wordNet.meanings : nullptr,
                                  list.levelsByIndex ? &*list.levelsByIndex : nullptr};
            std::size_t found = 0;
            for (auto _ : state) found = answer(request, data, running)->count;
            state.counters["found"] = double(found);
        })->Unit(benchmark::kMillisecond);
    }
}

const struct {
    SolveMode mode;
    const char* text;
    bool scanToo;
} queries[] = {
    {SolveMode::Pattern, "a??i?", true},
    {SolveMode::Pattern, "c[aeiou]t", false},
    {SolveMode::Pattern, "q???e", false},
    {SolveMode::Pattern, "?????????z?", false},
    {SolveMode::Pattern, "@@@@@@@", false},
    {SolveMode::Pattern, "[!aeiou]?x??", false},
    {SolveMode::Pattern, "ac*al", false},
    {SolveMode::Pattern, "un*able", false},
    {SolveMode::Pattern, "*qz*", false},
    {SolveMode::Pattern, "*@@@@*", false},
    {SolveMode::Pattern, "*a*e*i*o*u*", false},
    {SolveMode::Pattern, "?*x*y*?", false},
    {SolveMode::Pattern, "*ing", false},
    {SolveMode::Anagram, "stop", true},
    {SolveMode::Anagram, "retains", false},
    {SolveMode::Anagram, "st?p", false},
    {SolveMode::Anagram, "retain??", false},
    {SolveMode::Anagram, "quiz??", false},
    {SolveMode::MadeFrom, "retains", true},
    {SolveMode::MadeFrom, "quizzed", false},
    {SolveMode::MadeFrom, "quiz??", false},
    {SolveMode::MadeFrom, "gardens?", false},
    {SolveMode::MadeFrom, "pots??", false},
};

void registerList(List& list)
{
    benchmark::RegisterBenchmark((list.name + "/index build").c_str(), [&list](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(SolverIndex::build(list.store, running));
    })->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime(); // on several threads
    for (const auto& query : queries) {
        const SolverQuery parsed = *parseQuery(query.mode, query.text).query;
        const char* mode = query.mode == SolveMode::Pattern ? "pattern" : query.mode == SolveMode::Anagram ? "anagram" : "made from";
        const std::string name = list.name + "/" + mode + " '" + query.text + "'";
        benchmark::RegisterBenchmark(name.c_str(), [&list, parsed](benchmark::State& state) {
            std::size_t found = 0;
            for (auto _ : state) found = list.index->solve(parsed, running)->indices.size();
            state.counters["found"] = double(found);
        })->Unit(benchmark::kMicrosecond);
        if (!query.scanToo) continue;
        benchmark::RegisterBenchmark((name + " scan").c_str(), [&list, parsed](benchmark::State& state) {
            std::size_t found = 0;
            for (auto _ : state) found = scanSolve(parsed, list.store, running)->indices.size();
            state.counters["found"] = double(found);
        })->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    std::vector<std::string> paths(argv + 1, argv + argc);
    const std::filesystem::path packaging = std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "packaging";
    if (paths.empty()) paths.push_back((packaging / "wordlist.dat").string());
    const std::optional<CommonnessLevels> levels = CommonnessLevels::load(DiskFileSystem(), (packaging / levelsFileName).string()).levels;
    std::printf("%s: %s\n", (packaging / levelsFileName).c_str(), levels ? "levels read" : "no levels");
    static const WordNetData wordNet = loadWordNet();
    static std::vector<std::unique_ptr<List>> lists;
    for (const std::string& path : paths) {
        auto list = std::make_unique<List>();
        list->name = std::filesystem::path(path).filename().string();
        WordListFormat format;
        if (loadWordList(DiskFileSystem(), path, list->store, format) != PieceRead::done) {
            std::fprintf(stderr, "Skipped: %s cannot be read.\n", path.c_str());
            continue;
        }
        list->index = SolverIndex::build(list->store, running);
        const double fileBytes = double(std::filesystem::file_size(path));
        std::printf("%s: %zu words, file %.1f MB, index %.1f MB (%.2f times the file)\n", path.c_str(),
                    list->store.size(), fileBytes / 1e6, double(list->index->memoryBytes()) / 1e6,
                    double(list->index->memoryBytes()) / fileBytes);
        if (levels) {
            list->levels = levels;
            const Stopwatch byIndex;
            list->levelsByIndex = levelsByIndex(list->store, *levels, running);
            std::printf("%s: levels by index in %s\n", path.c_str(), byIndex.text().c_str());
        }
        registerList(*list);
        registerAnswers(*list, wordNet);
        lists.push_back(std::move(list));
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
