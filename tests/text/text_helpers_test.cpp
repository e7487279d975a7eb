#include "text/TextHelpers.h"

#include "platform/CodePage.h"

#include <gtest/gtest.h>
#include <unicode/uchar.h>

using namespace verbalia;

TEST(TextHelpers, ReplaceAllOccurrencesRescansFromTheLeft)
{
    EXPECT_EQ(Replace_All_Occurrences("aaaa", "aa", "a"), "a");
    EXPECT_EQ(Replace_All_Occurrences("7000", "00", "0"), "70");
    EXPECT_EQ(Replace_All_Occurrences("aabb", "ab", ""), "");
    EXPECT_EQ(Replace_All_Occurrences("a  b   c    d", "  ", " "), "a b c d");
    // A replacement that forms the pattern with the text before it.
    EXPECT_EQ(Replace_All_Occurrences("xaab", "ab", "b"), "xb");
    EXPECT_EQ(Replace_All_Occurrences("M0220333", "33", "3"), "M02203");
    EXPECT_EQ(Replace_All_Occurrences("no match", "xyz", "q"), "no match");
}

TEST(TextHelpers, ReplaceAllOccurrencesWithPatternInsideReplacement)
{
    EXPECT_EQ(Replace_All_Occurrences("banana", "a", "aa"), "baanaanaa");
    EXPECT_EQ(Replace_All_Occurrences("ab", "ab", "abab"), "abab");
    EXPECT_EQ(Replace_All_Occurrences("", "a", "aa"), "");
}

TEST(TextHelpers, ReplaceAllOccurrencesWithEmptyArguments)
{
    EXPECT_EQ(Replace_All_Occurrences("text", "", "x"), "text");
    EXPECT_EQ(Replace_All_Occurrences("", "a", "b"), "");
}

TEST(TextHelpers, CountOccurrences)
{
    EXPECT_EQ(Count_Occurrences("letter", "t"), 2);
    EXPECT_EQ(Count_Occurrences("Tt", "t"), 1);
    EXPECT_EQ(Count_Occurrences("aabb", "ab"), 2);
    EXPECT_EQ(Count_Occurrences("aaaa", "aa"), 2);
    EXPECT_EQ(Count_Occurrences("", "a"), 0);
    EXPECT_EQ(Count_Occurrences("abc", ""), 0);
    EXPECT_EQ(Count_Occurrences(std::string_view("\xE9t\xE9", 3), "\xE9"), 2);
}

TEST(TextHelpers, LettersOnly)
{
    EXPECT_EQ(Letters_Only("X-ray 2!"), "Xray");
    EXPECT_EQ(Letters_Only("caf\xE9"), "caf");
    EXPECT_EQ(Letters_Only("@[`{"), ""); // the neighbours of A-Z and a-z
    EXPECT_EQ(Letters_Only(""), "");
    EXPECT_TRUE(isLettersOnly("AbZz"));
    EXPECT_TRUE(isLettersOnly(""));
    EXPECT_FALSE(isLettersOnly("don't"));
    EXPECT_FALSE(isLettersOnly("na\xEFve"));
}

TEST(TextHelpers, ContainsAnyOf)
{
    EXPECT_TRUE(Contains_Any_Of("zebra", "xyz"));
    EXPECT_FALSE(Contains_Any_Of("Zebra", "z"));
    EXPECT_FALSE(Contains_Any_Of("", "a"));
    EXPECT_FALSE(Contains_Any_Of("a", ""));
    EXPECT_TRUE(Contains_Any_Of("caf\xE9", "\x80\xE9")); // bytes above 127 too
}

TEST(TextHelpers, CaseChangesTouchOnlyAsciiLetters)
{
    EXPECT_EQ(lowerAscii("Stop-\xC9T\xC9 @["), "stop-\xC9t\xC9 @[");
    EXPECT_EQ(upperAscii("stop-\xE9t\xE9 `{"), "STOP-\xE9T\xE9 `{");
}

// Every byte against Unicode: the letters of Windows-1252 but the three
// between 0xA0 and 0xBF (feminine and masculine ordinals, micro sign), the
// florin sign and the circumflex accent, and their lower case.
TEST(TextHelpers, CodePageLettersAndTheirLowerCase)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        const UChar32 character = codepage::toUnicode(static_cast<unsigned char>(byte));
        const bool sign = (byte >= 0xA0 && byte < 0xC0) || byte == 0x83 || byte == 0x88;
        EXPECT_EQ(isCodePageLetter(c), u_isalpha(character) && !sign) << byte;
        const char lower = isCodePageLetter(c) ? *codepage::fromUnicode(u_tolower(character)) : c;
        EXPECT_EQ(lowerCodePageLetter(c), lower) << byte;
    }
}

TEST(TextHelpers, TrimDropsControlsAndBlanksAtBothEnds)
{
    EXPECT_EQ(trimControls(" \t\r\n\x01 a b \x1F\x20"), "a b");
    EXPECT_EQ(trimControls("\xA0" "a\xA0"), "\xA0" "a\xA0"); // code 160 is kept
    EXPECT_EQ(trimControls("   "), "");
}
