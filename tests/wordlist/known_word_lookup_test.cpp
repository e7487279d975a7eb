#include "wordlist/KnownWordLookup.h"

#include "platform/IcuCollation.h"

#include <gtest/gtest.h>
#include <unicode/uloc.h>

#include <string>
#include <vector>

namespace verbalia {
namespace {

class KnownWordLookupTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        UErrorCode status = U_ZERO_ERROR;
        uloc_setDefault("en_US", &status);
    }

    WordStore listOf(std::vector<std::string> words)
    {
        WordStore store;
        store.assign(std::move(words));
        return store;
    }

    IcuCollation collation;
};

TEST_F(KnownWordLookupTest, EmptyList)
{
    const KnownWordLocation location = Locate_Known_Word(WordStore{}, "word", collation);
    EXPECT_EQ(location.found, -1);
    EXPECT_EQ(location.insertion, 0);
}

TEST_F(KnownWordLookupTest, FoundIgnoringCase)
{
    const WordStore list = listOf({"apple", "banana", "cherry", "x-ray", "zoo"});
    EXPECT_EQ(Locate_Known_Word(list, "apple", collation).found, 0);
    EXPECT_EQ(Locate_Known_Word(list, "Cherry", collation).found, 2);
    EXPECT_EQ(Locate_Known_Word(list, "X-RAY", collation).found, 3);
    EXPECT_EQ(Locate_Known_Word(list, "ZOO", collation).found, 4);
    EXPECT_EQ(Locate_Known_Word(list, "xray", collation).found, -1); // the hyphen makes another word
}

TEST_F(KnownWordLookupTest, InsertionIndex)
{
    const WordStore list = listOf({"apple", "banana", "cherry"});
    EXPECT_EQ(Locate_Known_Word(list, "aardvark", collation).insertion, 0);
    EXPECT_EQ(Locate_Known_Word(list, "blue", collation).insertion, 2);
    EXPECT_EQ(Locate_Known_Word(list, "zebra", collation).insertion, 3);
    EXPECT_EQ(Locate_Known_Word(list, "zebra", collation).found, -1);
}

TEST_F(KnownWordLookupTest, InsertingAtTheInsertionIndexKeepsOrder)
{
    const std::vector<std::string> words{"pear",  "Apple", "fig", "co-op", "coop", "can't", "x-ray", "xray",
                                         "xmas",  "kiwi",  "lime", "date", "cant",  "canto", "a",    "zoo",
                                         "xrays", "apple", "FIG",  "melon"};
    WordStore list;
    for (const std::string& word : words) {
        const KnownWordLocation location = Locate_Known_Word(list, word, collation);
        if (location.found >= 0) continue;
        list.insert(std::size_t(location.insertion), word);
    }
    std::vector<std::string> result;
    list.forEach(0, list.size(), [&](std::string_view word) { result.emplace_back(word); });
    EXPECT_EQ(result, (std::vector<std::string>{"a", "Apple", "can't", "cant", "canto", "co-op", "coop", "date",
                                                "fig", "kiwi", "lime", "melon", "pear", "xmas", "x-ray", "xray",
                                                "xrays", "zoo"}));
}

} // namespace
} // namespace verbalia
