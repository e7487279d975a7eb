#include "SearchTestSupport.h"

#include "search/PhoneticKey.h"
#include "text/TextHelpers.h"
#include "wordlist/BuiltinWordList.h"

using namespace verbalia;
using namespace verbalia::test;

namespace {

// The key step by step, as defined with Replace_All_Occurrences; the fast
// key must give the same for every text.
std::string referenceKey(const std::string& word)
{
    if (word.size() <= 1) return word;
    const std::string letters = Letters_Only(upperAscii(word));
    if (letters.empty()) return "";
    static const std::string classes = "01230120022455012623010202"; // A to Z
    std::string coded(1, letters[0]);
    for (std::size_t i = 1; i < letters.size(); ++i) coded += classes[std::size_t(letters[i] - 'A')];
    for (char digit = '0'; digit <= '9'; ++digit)
        coded = Replace_All_Occurrences(coded, std::string(2, digit), std::string(1, digit));
    coded = Replace_All_Occurrences(coded, "0", "");
    return Fit_To_Width(coded, '0', 4);
}

std::string fastUpperKey(std::string_view word)
{
    char key[4];
    return std::string(key, upperPhoneticKey(word, key));
}

} // namespace

TEST(PhoneticKey, WorkedExamples)
{
    const std::pair<const char*, const char*> examples[] = {
        {"Mice", "M200"},    {"mouse", "M200"},       {"moss", "M200"},      {"Robert", "R163"},
        {"Jackson", "J250"}, {"Tymczak", "T522"},     {"Lee", "L000"},       {"don't", "D530"},
        {"bookkeeper", "B216"}, {"Washington", "W252"}, {"Ashcraft", "A226"}, {"Pfister", "P123"},
        {"Lloyd", "L430"},   {"phone", "P500"},       {"fone", "F500"}};
    for (const auto& [word, key] : examples) {
        EXPECT_EQ(Phonetic_Key(word), key) << word;
        EXPECT_EQ(referenceKey(word), key) << word;
    }
}

TEST(PhoneticKey, EdgeCases)
{
    EXPECT_EQ(Phonetic_Key(""), "");
    EXPECT_EQ(Phonetic_Key("a"), "a");
    EXPECT_EQ(Phonetic_Key("Q"), "Q");
    EXPECT_EQ(Phonetic_Key("-"), "-");
    EXPECT_EQ(Phonetic_Key("MICE"), "M200");
    EXPECT_EQ(Phonetic_Key("mice"), "M200");
    EXPECT_EQ(Phonetic_Key("A-"), "A000");
    EXPECT_EQ(Phonetic_Key("-a"), "A000");
    EXPECT_EQ(Phonetic_Key("x-ray"), Phonetic_Key("xray"));
    EXPECT_EQ(Phonetic_Key("mi2ce"), "M200");
    EXPECT_EQ(Phonetic_Key("caf\xE9s"), "C120");
    EXPECT_EQ(Phonetic_Key("--"), "");
    EXPECT_EQ(Phonetic_Key("12"), "");
    // Equal digits split only by a dropped character count once.
    EXPECT_EQ(Phonetic_Key("ac-cid"), "A230");
    EXPECT_EQ(Phonetic_Key("Mississippi"), "M221");
    EXPECT_EQ(Fit_To_Width("ABCDEF", '0', 4), "ABCD");
    EXPECT_EQ(Fit_To_Width("A", '0', 4), "A000");
    EXPECT_EQ(Fit_To_Width("", '*', 2), "**");
}

TEST(PhoneticKey, FastKeyEqualsStepByStepDefinition)
{
    Words texts = builtinWordList();
    const Words large = readLines(largeListPath);
    texts.insert(texts.end(), large.begin(), large.end());
    texts.insert(texts.end(), {"", "a", "Z", "-", "\xE9", "ab", "A-", "--", "'t", "hhhhhhhhh", "bpfvbpfv",
                               "aeiouyhw", "sc-hz", "QUEUE", "l\xE9l\xE9l\xE9"});
    std::size_t differences = 0;
    for (const std::string& text : texts) {
        const std::string expected = referenceKey(text);
        if (Phonetic_Key(text) != expected || fastUpperKey(text) != referenceKey(upperAscii(text))) {
            if (++differences <= 10) ADD_FAILURE() << "key of '" << text << "' differs from " << expected;
        }
    }
    EXPECT_EQ(differences, 0u) << "over " << texts.size() << " texts";
}
