#include "wordlist/BuiltinWordList.h"

#include "platform/IcuCollation.h"

#include <gtest/gtest.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <string>
#include <vector>

namespace verbalia {
namespace {

TEST(BuiltinWordList, ContentAndOrder)
{
    UErrorCode status = U_ZERO_ERROR;
    uloc_setDefault("en_US", &status);

    const std::vector<std::string> words = builtinWordList();
    ASSERT_EQ(words.size(), 938u);
    EXPECT_EQ(std::vector<std::string>(words.begin(), words.begin() + 10),
              (std::vector<std::string>{"a", "able", "about", "accident", "account", "acid", "across", "act",
                                        "active", "actual"}));
    EXPECT_EQ(std::vector<std::string>(words.end() - 14, words.end()),
              (std::vector<std::string>{"yodel", "yonder", "you", "young", "your", "youth", "zag", "zenith", "zero",
                                        "zig", "zip", "zombi", "zone", "zoo"}));

    const IcuCollation collation;
    for (std::size_t i = 1; i < words.size(); ++i)
        EXPECT_LT(collation.compare(words[i - 1], words[i]), 0) << words[i - 1] << " / " << words[i];

    for (const std::string& word : words) {
        if (word == "x-ray") continue;
        EXPECT_FALSE(word.empty());
        EXPECT_TRUE(std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; })) << word;
    }
    EXPECT_EQ(std::count(words.begin(), words.end(), "x-ray"), 1);
}

} // namespace
} // namespace verbalia
