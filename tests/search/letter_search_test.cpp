#include "SearchTestSupport.h"

#include "search/LetterSearch.h"
#include "text/TextHelpers.h"
#include "wordlist/BuiltinWordList.h"

using namespace verbalia;
using namespace verbalia::test;

namespace {

const char* const onlyLetters = "Only alphabetic letters A-Z or a-z are allowed in the search criteria.";
const char* const criteriaHoldExcluded =
    "The search criteria contain letter(s) that are in the list of excluded letters.";
const char* const excludedNotLetters = "The list of excluded letters contained some non-alphabetic characters.";
const char* const tooShort = "The number of letters to search for is less than the minimum word length allowed.";
const char* const tooLong = "The number of letters to search for is greater than the maximum word length allowed.";

Prepared<LetterMatcher> prepare(std::string_view criteria, LetterMode mode, std::string_view exclusion = "",
                                int lower = 1, int upper = 50)
{
    return prepareLetterSearch({criteria, exclusion, {lower, upper}}, mode);
}

const Words words = {"el",  "eel",   "eely", "lee", "opts",   "pet",  "post", "pot", "potato", "pots",
                     "potto", "spot", "Stop", "stop", "top",  "tops", "po-t", "",    "toop"};

} // namespace

TEST(LetterSearch, Refusals)
{
    EXPECT_EQ(prepare("", LetterMode::ContainsAll).refusal, "You need to enter some letters to search for.");
    for (const char* criteria : {"st op", "stop!", "x-ray", "caf\xE9"})
        EXPECT_EQ(prepare(criteria, LetterMode::ExactCount, "1").refusal, onlyLetters) << criteria;

    // Only the exact-count mode compares the number of letters with the range.
    EXPECT_EQ(prepare("stop", LetterMode::ExactCount, "", 1, 3).refusal, tooLong);
    EXPECT_EQ(prepare("stop", LetterMode::ExactCount, "", 5, 50).refusal, tooShort);
    EXPECT_TRUE(prepare("stop", LetterMode::ContainsAll, "", 1, 3).matcher);
    EXPECT_TRUE(prepare("stop", LetterMode::OnlyThese, "", 5, 50).matcher);

    // The length checks come before the exclusion list, which then stays unread.
    auto beforeExclusion = prepare("stop", LetterMode::ExactCount, "S", 1, 3);
    EXPECT_EQ(beforeExclusion.refusal, tooLong);
    EXPECT_FALSE(beforeExclusion.exclusion);
}

TEST(LetterSearch, ExclusionListPerMode)
{
    for (LetterMode mode : {LetterMode::ContainsAll, LetterMode::OnlyThese}) {
        auto refused = prepare("Pot", mode, "P");
        EXPECT_EQ(refused.refusal, criteriaHoldExcluded);
        EXPECT_EQ(refused.exclusion, "p");
        EXPECT_EQ(prepare("pot", mode, "s 1").refusal, excludedNotLetters);
    }
    // Lower-cased and reported back, but neither checked nor used.
    for (LetterMode mode : {LetterMode::ExactCount, LetterMode::None}) {
        auto accepted = prepare("pot", mode, "P1");
        EXPECT_TRUE(accepted.matcher);
        EXPECT_EQ(accepted.exclusion, "p1");
        EXPECT_EQ(findIn(prepare("pot", mode, "S"), words), findIn(prepare("pot", mode), words));
    }
    // The word is compared as stored: 'Stop' holds no 's'.
    EXPECT_EQ(findIn(prepare("pot", LetterMode::ContainsAll, "s"), words),
              (Words{"pot", "potato", "potto", "Stop", "top", "po-t", "toop"}));
}

TEST(LetterSearch, ContainsAll)
{
    EXPECT_EQ(findIn(prepare("pot", LetterMode::ContainsAll), words),
              (Words{"opts", "post", "pot", "potato", "pots", "potto", "spot", "Stop", "stop", "top", "tops", "po-t",
                     "toop"}));
    // A repeated letter needs no second occurrence; a stored capital is not its letter.
    EXPECT_EQ(findIn(prepare("eel", LetterMode::ContainsAll), words), findIn(prepare("el", LetterMode::ContainsAll), words));
    EXPECT_EQ(findIn(prepare("top", LetterMode::ContainsAll), Words{"Stop", "STOP"}), (Words{"Stop"}));
    EXPECT_EQ(findIn(prepare("stop", LetterMode::ContainsAll), Words{"Stop"}), (Words{}));
}

TEST(LetterSearch, OnlyThese)
{
    EXPECT_EQ(findIn(prepare("pot", LetterMode::OnlyThese), words), (Words{"pot", "potto", "top", "toop"}));
    EXPECT_EQ(findIn(prepare("EEL", LetterMode::OnlyThese), words), (Words{"el", "eel", "lee"}));
    EXPECT_EQ(findIn(prepare("stop", LetterMode::OnlyThese), words),
              (Words{"opts", "post", "pots", "spot", "stop", "tops"}));
}

TEST(LetterSearch, ExactCount)
{
    EXPECT_EQ(findIn(prepare("Stop", LetterMode::ExactCount), words),
              (Words{"opts", "post", "pots", "spot", "stop", "tops"}));
    EXPECT_EQ(findIn(prepare("eel", LetterMode::ExactCount), words), (Words{"eel", "lee"}));
    EXPECT_EQ(findIn(prepare("pot", LetterMode::ExactCount), words), (Words{"pot", "top"}));
    EXPECT_EQ(findIn(prepare("poot", LetterMode::ExactCount), words), (Words{"toop"}));
    EXPECT_EQ(findIn(prepare("pott", LetterMode::ExactCount), words), (Words{}));
}

TEST(LetterSearch, RangeIsTestedInEveryMode)
{
    EXPECT_EQ(findIn(prepare("pot", LetterMode::ContainsAll, "", 5, 6), words), (Words{"potato", "potto"}));
    EXPECT_EQ(findIn(prepare("pot", LetterMode::OnlyThese, "", 1, 3), words), (Words{"pot", "top"}));
    EXPECT_EQ(findIn(prepare("pot", LetterMode::None, "", 4, 4), words),
              (Words{"opts", "post", "pots", "spot", "Stop", "stop", "tops", "po-t", "toop"}));
}

namespace {

// The word test exactly as the letter search defines it, counting with Count_Occurrences.
bool referenceMatch(std::string_view word, const std::string& letters, LetterMode mode, const std::string& exclusion,
                    LengthRange range)
{
    const auto count = [](std::string_view text, char c) { return Count_Occurrences(text, std::string_view(&c, 1)); };
    if (!range.contains(word.size())) return false;
    for (char letter : letters)
        if (count(word, letter) < 1) return false;
    if (mode == LetterMode::OnlyThese) {
        for (char c : word)
            if (count(letters, c) < 1) return false;
    }
    if (mode == LetterMode::ExactCount) {
        for (char c : word)
            if (count(word, c) != count(letters, c)) return false;
    }
    const bool excludes = mode == LetterMode::ContainsAll || mode == LetterMode::OnlyThese;
    return !(excludes && Contains_Any_Of(word, exclusion));
}

} // namespace

TEST(LetterSearch, AgreesWithTheCountingDefinitionOnWholeLists)
{
    Words list = builtinWordList();
    const Words large = readLines(largeListPath);
    list.insert(list.end(), large.begin(), large.end());
    for (LetterMode mode : {LetterMode::ContainsAll, LetterMode::OnlyThese, LetterMode::ExactCount}) {
        for (const std::string letters : {"pot", "stop", "eel", "aeinrst", "ssee"}) {
            const LengthRange range{2, 12};
            const std::string exclusion = letters == "pot" ? "qz" : "";
            Words expected;
            for (const std::string& word : list)
                if (referenceMatch(word, letters, mode, exclusion, range)) expected.push_back(word);
            EXPECT_EQ(findIn(prepareLetterSearch({letters, exclusion, range}, mode), list), expected)
                << letters << " mode " << int(mode);
        }
    }
}
