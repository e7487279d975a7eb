#include "solver/SolverIndex.h"

#include <gtest/gtest.h>

#include <random>

namespace verbalia::solver {
namespace {

// Words of few letters, so that queries find some: accents, capitals,
// apostrophes, hyphens, letters three times over, lengths past a tile of 64
// letters, and words without letters.
WordStore randomList(std::mt19937& random, std::size_t words)
{
    const std::string_view pieces[] = {"a", "e", "s", "t", "r", "n", "o", "i", "l", "z", "\xE9", "E", "S",
                                       "'",  "-", "\xDF", "\xC6", "q", "1"};
    std::vector<std::string> list;
    for (std::size_t w = 0; w < words; ++w) {
        const std::size_t length = w % 97 == 0 ? 70 + random() % 10 : 1 + random() % 9;
        std::string word;
        for (std::size_t i = 0; i < length; ++i) word += pieces[random() % std::size(pieces)];
        list.push_back(word);
    }
    WordStore store;
    store.assign(list);
    return store;
}

std::string randomQuery(std::mt19937& random, SolveMode mode)
{
    const std::string_view patternPieces[] = {"a", "e", "s", "t", "r", "o", "z", "?", "*", "*", "*", "@", "#",
                                              "[aeiou]", "[!st]", "[a-n]", "\xC9", "-"};
    const std::string_view letterPieces[] = {"a", "e", "s", "t", "r", "n", "o", "z", "?", "\xDF"};
    const std::size_t length = 1 + random() % 8;
    std::string query;
    for (std::size_t i = 0; i < length; ++i) {
        query += mode == SolveMode::Pattern ? patternPieces[random() % std::size(patternPieces)]
                                            : letterPieces[random() % std::size(letterPieces)];
    }
    return query;
}

// Many queries on a small list; a few on one large enough to be built on several threads.
class SolverIndexSizes : public testing::TestWithParam<std::pair<std::size_t, int>> {};
INSTANTIATE_TEST_SUITE_P(Lists, SolverIndexSizes, testing::Values(std::pair<std::size_t, int>{3000, 3000},
                                                                  std::pair<std::size_t, int>{250000, 30}));

TEST_P(SolverIndexSizes, AnswersAsAPlainScanDoes)
{
    const auto [words, queries] = GetParam();
    std::mt19937 random(32);
    const WordStore list = randomList(random, words);
    const std::atomic<bool> cancel = false;
    const std::unique_ptr<const SolverIndex> index = SolverIndex::build(list, cancel);
    ASSERT_TRUE(index);
    std::size_t found = 0;
    for (int run = 0; run < queries; ++run) {
        const auto mode = SolveMode(run % 3);
        const std::string text = randomQuery(random, mode);
        const ParsedQuery parsed = parseQuery(mode, text);
        if (!parsed.query) continue;
        const std::optional<Solutions> scanned = scanSolve(*parsed.query, list, cancel);
        const std::optional<Solutions> indexed = index->solve(*parsed.query, cancel);
        ASSERT_TRUE(scanned && indexed);
        ASSERT_EQ(indexed->indices, scanned->indices) << int(mode) << " " << text;
        ASSERT_EQ(indexed->lengths.size(), scanned->lengths.size()) << text;
        for (std::size_t i = 0; i < scanned->lengths.size(); ++i) {
            EXPECT_EQ(indexed->lengths[i].letters, scanned->lengths[i].letters) << text;
            EXPECT_EQ(indexed->lengths[i].count, scanned->lengths[i].count) << text;
        }
        found += scanned->indices.size();
    }
    EXPECT_GT(found, 10000u); // the queries found something to compare
}

TEST(SolverIndex, StopsWhenCancelled)
{
    std::mt19937 random(7);
    const WordStore list = randomList(random, 100);
    const std::atomic<bool> cancel = true;
    EXPECT_FALSE(SolverIndex::build(list, cancel));
    const SolverQuery query = *parseQuery(SolveMode::Pattern, "*").query;
    EXPECT_FALSE(scanSolve(query, list, cancel));
    const std::atomic<bool> go = false;
    EXPECT_FALSE(SolverIndex::build(list, go)->solve(query, cancel));
}

} // namespace
} // namespace verbalia::solver
