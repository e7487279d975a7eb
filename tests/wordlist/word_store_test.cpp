#include "wordlist/WordStore.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace verbalia {
namespace {

std::vector<std::string> contents(const WordStore& store)
{
    std::vector<std::string> words;
    store.forEach(0, store.size(), [&](std::string_view word) { words.emplace_back(word); });
    return words;
}

std::vector<std::string> numbered(std::size_t count, const std::string& prefix)
{
    std::vector<std::string> words;
    for (std::size_t i = 0; i < count; ++i) words.push_back(prefix + std::to_string(i));
    return words;
}

TEST(WordStore, EmptyStoreTakesAppendAndFront)
{
    WordStore store;
    EXPECT_TRUE(store.empty());
    EXPECT_EQ(contents(store), std::vector<std::string>{});
    EXPECT_THROW(store.at(0), std::out_of_range);

    store.insert(0, "b");
    store.insert(1, "c"); // append
    store.insert(0, "a");
    EXPECT_EQ(contents(store), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(store.at(2), "c");
    EXPECT_THROW(store.insert(4, "x"), std::out_of_range);

    store.clear();
    EXPECT_EQ(store.size(), 0u);
    store.insert(0, "again");
    EXPECT_EQ(store.at(0), "again");
}

TEST(WordStore, AssignKeepsOrderAcrossChunks)
{
    const std::vector<std::string> words = numbered(5000, "w");
    WordStore store;
    store.assign(words);
    ASSERT_EQ(store.size(), words.size());
    for (std::size_t i = 0; i < words.size(); i += 7) EXPECT_EQ(store.at(i), words[i]);
    EXPECT_EQ(store.at(words.size() - 1), words.back());
    EXPECT_EQ(contents(store), words);

    store.assign({});
    EXPECT_TRUE(store.empty());
}

TEST(WordStore, ForEachVisitsExactlyTheRange)
{
    const std::vector<std::string> words = numbered(3000, "");
    WordStore store;
    store.assign(words);
    for (auto [begin, end] : {std::pair<std::size_t, std::size_t>{0, 0}, {0, 1}, {511, 513}, {100, 2900},
                              {2999, 3000}, {2500, 9999}, {3000, 3000}, {10, 5}}) {
        std::vector<std::string> seen;
        store.forEach(begin, end, [&](std::string_view word) { seen.emplace_back(word); });
        const std::size_t last = std::min(end, words.size());
        const std::vector<std::string> expected =
            begin < last ? std::vector<std::string>(words.begin() + begin, words.begin() + last)
                         : std::vector<std::string>{};
        EXPECT_EQ(seen, expected) << begin << ".." << end;
    }
}

TEST(WordStore, RandomInsertsMatchAVector)
{
    std::mt19937 random(12345);
    std::vector<std::string> reference = numbered(1500, "start");
    WordStore store;
    store.assign(reference);

    // Many inserts into the same region force chunk splits there; others
    // land anywhere, at the front or at the end.
    for (int i = 0; i < 10000; ++i) {
        std::size_t index;
        switch (i % 4) {
        case 0: index = reference.size() / 3; break;
        case 1: index = 0; break;
        default: index = std::uniform_int_distribution<std::size_t>(0, reference.size())(random); break;
        }
        if (i % 97 == 0) index = reference.size();
        // Some long words make chunks split by their bytes too.
        const std::string word = "n" + std::to_string(i) + std::string(i % 50 == 0 ? 3000 : 0, 'x');
        reference.insert(reference.begin() + std::ptrdiff_t(index), word);
        store.insert(index, word);
        ASSERT_EQ(store.size(), reference.size());
        ASSERT_EQ(store.at(index), word);
    }
    for (std::size_t i = 0; i < reference.size(); ++i) ASSERT_EQ(store.at(i), reference[i]) << i;
    EXPECT_EQ(contents(store), reference);
}

// Entries taken out come back where they were; words are removed only as
// stored, every copy, and those missing are named once each.
TEST(WordStore, EraseInsertAndRemoveWords)
{
    using Words = std::vector<std::string>;
    WordStore store;
    const Words many = numbered(5000, "w"); // across chunks
    store.assign(many);
    const std::vector<IndexedWord> removed = store.erase({0, 7, 7, 2048, 4999, 6000});
    ASSERT_EQ(removed.size(), 4u);
    EXPECT_EQ(removed[2], (IndexedWord{2048, "w2048"}));
    EXPECT_EQ(store.size(), 4996u);
    EXPECT_EQ(store.at(6), "w8");
    store.insert(removed);
    EXPECT_EQ(contents(store), many);
    EXPECT_THROW(store.insert({{9000, "x"}}), std::out_of_range);

    const struct {
        Words list, words, left, absent;
    } cases[] = {
        {{"cat", "Cat", "dog", "cat", ""}, {"cat", "bird", "bird", "DOG"}, {"Cat", "dog", ""}, {"bird", "DOG"}},
        {{"caf\xE9", "cafe"}, {"caf\xE9"}, {"cafe"}, {}},
        {{"a", ""}, {""}, {"a"}, {}},
        {{"a"}, {}, {"a"}, {}},
    };
    for (const auto& c : cases) {
        store.assign(c.list);
        const WordRemoval removal = removeWords(store, c.words);
        EXPECT_EQ(contents(store), c.left);
        EXPECT_EQ(removal.absent, c.absent);
        EXPECT_EQ(removal.removed.size(), c.list.size() - c.left.size());
    }
}

} // namespace
} // namespace verbalia
