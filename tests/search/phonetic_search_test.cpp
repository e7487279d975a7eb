#include "SearchTestSupport.h"

#include "search/PhoneticSearch.h"

using namespace verbalia;
using namespace verbalia::test;

namespace {

const char* const onlyLetters = "Only alphabetic letters A-Z or a-z are allowed in the search criteria.";

Prepared<PhoneticMatcher> prepare(std::string_view criteria, std::string_view exclusion = "", int lower = 1,
                                  int upper = 50)
{
    return preparePhoneticSearch({criteria, exclusion, {lower, upper}});
}

const Words words = {"mice", "Mouse", "mass", "moss", "miss", "muse", "M", "m", "mild", "", "'mice", "nice",
                     "mice's", "mi'ce", "MICE"};

} // namespace

TEST(PhoneticSearch, Refusals)
{
    EXPECT_EQ(prepare("").refusal, "You need to enter a word, so I can find words that sound similar.");
    for (const char* criteria : {"mi2ce", "mi-ce", "don't", "mi ce", "caf\xE9"})
        EXPECT_EQ(prepare(criteria, "1").refusal, onlyLetters) << criteria;

    auto badList = prepare("Mice", "S1");
    EXPECT_EQ(badList.refusal, "The list of excluded letters contained some non-alphabetic characters.");
    EXPECT_EQ(badList.exclusion, "s1");
    // The base word is compared lower-cased.
    EXPECT_EQ(prepare("MICE", "c").refusal,
              "The search criteria contain letter(s) that are in the list of excluded letters.");
    // The base word's length is not compared with the range.
    EXPECT_TRUE(prepare("Mississippi", "", 1, 3).matcher);
}

TEST(PhoneticSearch, FindsSoundAlikesInListOrderLowerCased)
{
    const Words all = {"mice", "mouse", "mass", "moss", "miss", "muse", "mi'ce", "mice"};
    EXPECT_EQ(findIn(prepare("Mice"), words), all);
    EXPECT_EQ(findIn(prepare("MICE"), words), all);
    EXPECT_EQ(findIn(prepare("mice"), words), all);
    EXPECT_EQ(findIn(prepare("phone"), Words{"phone", "fone", "Phon"}), (Words{"phone", "phon"}));
}

TEST(PhoneticSearch, RangeAndExclusion)
{
    // Every character counts in the length, the apostrophe too.
    EXPECT_EQ(findIn(prepare("Mice", "", 5, 5), words), (Words{"mouse", "mi'ce"}));
    EXPECT_EQ(findIn(prepare("Mice", "", 6, 50), words), (Words{}));
    // The word is lower-cased before the excluded letters are looked for.
    EXPECT_EQ(findIn(prepare("Muse", "OI"), words), (Words{"mass", "muse"}));
    EXPECT_EQ(findIn(prepare("miss", "E"), Words{"MISS", "MICE"}), (Words{"miss"}));
}

TEST(PhoneticSearch, OneLetterBaseWord)
{
    // One-letter words key as themselves; the base word is upper-cased like them.
    EXPECT_EQ(findIn(prepare("m"), words), (Words{"m", "m"}));
    EXPECT_EQ(findIn(prepare("M"), words), (Words{"m", "m"}));
    // A longer base word never finds a one-letter word.
    EXPECT_EQ(findIn(prepare("Me"), words), (Words{}));
    EXPECT_EQ(findIn(prepare("Mo"), Words{"M", "moo", "maw", "mow"}), (Words{"moo", "maw", "mow"}));
}
