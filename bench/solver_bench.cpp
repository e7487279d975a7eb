// The solver's queries through its index (and a few through the plain scan
// that answers until the index is ready), the index's build time, and its
// memory beside the size of the list file.
//
// Usage: solver_bench [BENCHMARK-OPTIONS] [LIST...] (default: the wordlist.dat
// this build ships; bench/make_large_list.sh makes the 5.3M list).
#include "platform/FileSystem.h"
#include "solver/SolverIndex.h"
#include "wordlist/WordListFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
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
};

const std::atomic<bool> running = false;

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
    if (paths.empty())
        paths.push_back((std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "packaging/wordlist.dat").string());
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
        registerList(*list);
        lists.push_back(std::move(list));
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
