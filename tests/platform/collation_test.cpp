#include "platform/IcuCollation.h"

#include <gtest/gtest.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <string>
#include <vector>

namespace verbalia {
namespace {

class CollationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        UErrorCode status = U_ZERO_ERROR;
        uloc_setDefault("en_US", &status);
    }
    IcuCollation collation;
};

TEST_F(CollationTest, PunctuationWeighsLessThanLetters)
{
    EXPECT_LT(collation.compare("xmas", "x-ray"), 0);
    EXPECT_LT(collation.compare("x-ray", "xray"), 0);
    EXPECT_LT(collation.compare("xray", "xrays"), 0);
    EXPECT_GT(collation.compare("xrays", "x-ray"), 0);

    std::vector<std::string> words{"coop", "cooper", "co-op", "coo", "canto", "can't", "cant", "cans", "canoe"};
    std::sort(words.begin(), words.end(),
              [&](const std::string& a, const std::string& b) { return collation.compare(a, b) < 0; });
    EXPECT_EQ(words, (std::vector<std::string>{"canoe", "cans", "can't", "cant", "canto", "coo", "co-op", "coop",
                                               "cooper"}));
}

TEST_F(CollationTest, EqualOnlyForTheSameWordIgnoringCase)
{
    EXPECT_EQ(collation.compare("Apple", "apple"), 0);
    EXPECT_EQ(collation.compare("X-RAY", "x-ray"), 0);
    EXPECT_EQ(collation.compare("", ""), 0);
    EXPECT_NE(collation.compare("co-op", "coop"), 0);
    EXPECT_NE(collation.compare("can't", "cant"), 0);
    EXPECT_LT(collation.compare("", "a"), 0);
    EXPECT_LT(collation.compare("apple", "Banana"), 0);
    EXPECT_LT(collation.compare("Apple", "banana"), 0);
}

TEST_F(CollationTest, CodePageLettersAndLongWords)
{
    // 0xE9 is e with acute: after plain e at the accent level, before f.
    EXPECT_LT(collation.compare("cafe", "caf\xE9"), 0);
    EXPECT_LT(collation.compare("caf\xE9", "caff"), 0);
    EXPECT_EQ(collation.compare("CAF\xC9", "caf\xE9"), 0);

    // Words longer than the stack buffer compare the same way.
    const std::string longWord(200, 'a');
    EXPECT_EQ(collation.compare(longWord + "B", longWord + "b"), 0);
    EXPECT_LT(collation.compare(longWord + "a", longWord + "b"), 0);
    EXPECT_GT(collation.compare(longWord, std::string(100, 'a')), 0);
}

} // namespace
} // namespace verbalia
