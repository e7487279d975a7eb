#pragma once

#include "search/Scan.h"
#include "search/SearchRules.h"
#include "wordlist/WordStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace verbalia::test {

using Words = std::vector<std::string>;

// The result lines a run over the words would list.
template <class Matcher>
Words findIn(const Prepared<Matcher>& prepared, const Words& words)
{
    EXPECT_TRUE(prepared.matcher.has_value()) << prepared.refusal;
    if (!prepared.matcher) return {};
    WordStore store;
    store.assign(words);
    Words results;
    scanRange(store, 0, store.size(), *prepared.matcher, results);
    return results;
}

// The large word list the benchmarks use, when the system has it.
inline const char* largeListPath = "/usr/share/dict/british-english-insane";

inline Words readLines(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    Words lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

} // namespace verbalia::test
