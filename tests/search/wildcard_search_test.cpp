#include "SearchTestSupport.h"

#include "search/WildcardSearch.h"

using namespace verbalia;
using namespace verbalia::test;

namespace {

const char* const noWildcard =
    "You need to enter at least one '?' (question mark) wildcard or a single '*' (asterisk) wildcard for this search.";
const char* const mixed =
    "You can only enter one one more '?' (question mark) wildcards or a single '*' (asterisk) for each search in "
    "this version of the program.\n\ni.e. You cannot mix and match '*' and '?' in a single search in this version "
    "of the program.";
const char* const severalAsterisks =
    "You can only enter a single '*' (asterisk) wildcard for each search in this version of the program.";
const char* const excludedNotLetters = "The list of excluded letters contained some non-alphabetic characters.";
const char* const criteriaHoldExcluded =
    "The search criteria contain letter(s) that are in the list of excluded letters.";
const char* const tooShort = "The number of letters to search for is less than the minimum word length allowed.";
const char* const tooLong = "The number of letters to search for is greater than the maximum word length allowed.";

Prepared<WildcardMatcher> prepare(std::string_view criteria, std::string_view exclusion = "", int lower = 1,
                                  int upper = 50)
{
    return prepareWildcardSearch({criteria, exclusion, {lower, upper}});
}

const Words words = {"a",      "ab",     "acal",   "accidental", "acrid",  "acrids", "acid", "and",
                     "Andes",  "lane",   "love",   "needed",     "red",    "x-ray",  "",     "Acrid",
                     "aXbi9",  "sled",   "acral",  "AC-DC",      "ab"};

} // namespace

TEST(WildcardSearch, RefusalsInOrder)
{
    auto empty = prepare("");
    EXPECT_EQ(empty.refusal, "You need to enter some letters and/or one or more '?' (question mark) wildcards or a "
                             "single '*' (asterisk) wildcard as search criteria.");
    EXPECT_FALSE(empty.exclusion);

    EXPECT_EQ(prepare("abc", "1").refusal, noWildcard);
    EXPECT_EQ(prepare("a?*", "1").refusal, mixed);
    EXPECT_EQ(prepare("?*").refusal, mixed);
    EXPECT_EQ(prepare("a*b*?").refusal, mixed); // mixing is checked before counting '*'
    EXPECT_EQ(prepare("a*b*", "1").refusal, severalAsterisks);
    EXPECT_FALSE(prepare("a*b*", "1").exclusion); // the exclusion list was never reached

    // The exclusion checks come before the length checks.
    EXPECT_EQ(prepare("??", "1", 4, 25).refusal, excludedNotLetters);
    EXPECT_EQ(prepare("l?ve", "E").refusal, criteriaHoldExcluded);
    EXPECT_EQ(prepare("???", "", 4, 25).refusal, tooShort);
    EXPECT_EQ(prepare("????", "", 1, 3).refusal, tooLong);
    EXPECT_FALSE(prepare("????", "", 1, 4).refusal.size());
    EXPECT_FALSE(prepare("???", "", 3, 50).refusal.size());

    // An asterisk pattern is never compared with the range.
    EXPECT_TRUE(prepare("abcdef*", "", 1, 3).matcher);
    EXPECT_TRUE(prepare("*", "", 4, 4).matcher);
}

TEST(WildcardSearch, ExclusionIsReportedLowerCasedOnceReached)
{
    auto refusedLater = prepare("???", "Q1", 4, 25);
    EXPECT_EQ(refusedLater.refusal, excludedNotLetters);
    EXPECT_EQ(refusedLater.exclusion, "q1");

    auto tooShortWithList = prepare("???", "QZ", 4, 25);
    EXPECT_EQ(tooShortWithList.refusal, tooShort);
    EXPECT_EQ(tooShortWithList.exclusion, "qz");

    auto accepted = prepare("A??", "XY");
    EXPECT_TRUE(accepted.matcher);
    EXPECT_EQ(accepted.exclusion, "xy");
    EXPECT_EQ(prepare("A??").exclusion, "");

    // A '?' or '*' in the pattern is compared with the list literally.
    EXPECT_EQ(prepare("a?c", "b").refusal, "");
}

TEST(WildcardSearch, QuestionMarkPatterns)
{
    EXPECT_EQ(findIn(prepare("a??i?"), words), (Words{"acrid", "aXbi9"}));
    EXPECT_EQ(findIn(prepare("A??"), words), (Words{"and"}));
    EXPECT_EQ(findIn(prepare("x-r?y"), words), (Words{"x-ray"}));
    // Pattern letters are lower case: a stored capital matches only under '?'.
    EXPECT_EQ(findIn(prepare("?crid"), words), (Words{"acrid", "Acrid"}));
    EXPECT_EQ(findIn(prepare("?\?-dc"), words), (Words{}));
    EXPECT_EQ(findIn(prepare("?\?-??"), words), (Words{"AC-DC"}));
    EXPECT_EQ(findIn(prepare("?"), words), (Words{"a"}));
}

TEST(WildcardSearch, AsteriskPatterns)
{
    EXPECT_EQ(findIn(prepare("ac*al"), words), (Words{"acal", "accidental", "acral"}));
    EXPECT_EQ(findIn(prepare("*ed"), words), (Words{"needed", "red", "sled"}));
    EXPECT_EQ(findIn(prepare("ab*"), words), (Words{"ab", "ab"}));
    EXPECT_EQ(findIn(prepare("*ab"), words), (Words{"ab", "ab"}));
    // The prefix and the suffix may not overlap.
    EXPECT_EQ(findIn(prepare("a*a"), words), (Words{}));
    EXPECT_EQ(findIn(prepare("*", "", 5, 5), words), (Words{"acrid", "Andes", "x-ray", "Acrid", "aXbi9", "acral",
                                                            "AC-DC"}));
    // A character the code page lacks (the substitute) is in no word.
    EXPECT_EQ(findIn(prepare("*\x7f"), Words{"x\x7f", "\x7f"}), (Words{}));
    EXPECT_EQ(findIn(prepare("?\x7f"), Words{"x\x7f"}), (Words{}));
    // '*' finds every word in the range but never the empty line.
    EXPECT_EQ(findIn(prepare("*"), words).size(), words.size() - 1);
}

TEST(WildcardSearch, RangeAndExclusionFilter)
{
    EXPECT_EQ(findIn(prepare("l??e", "o"), words), (Words{"lane"}));
    EXPECT_EQ(findIn(prepare("*d", "", 1, 3), words), (Words{"and", "red"}));
    // Words are compared as stored: an excluded 'x' does not drop 'aXbi9'.
    EXPECT_EQ(findIn(prepare("a*", "x"), words),
              (Words{"a", "ab", "acal", "accidental", "acrid", "acrids", "acid", "and", "aXbi9", "acral", "ab"}));
}
