#include "wordlist/LineText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace verbalia {
namespace {

using Lines = std::vector<std::string>;

TEST(LineText, LineEnds)
{
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\nb"), (Lines{"a", "b"}));      // last line without an end
    EXPECT_EQ(splitLines("a\n\rb"), (Lines{"a", "", "b"}));  // LF then CR is two ends
    EXPECT_EQ(splitLines("a\r\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (Lines{"a", "", "b"})); // blank line inside
    EXPECT_EQ(splitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(splitLines("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(splitLines(""), Lines{});
}

TEST(LineText, NulEndsTheText)
{
    EXPECT_EQ(splitLines(std::string("a\0b", 3)), (Lines{"a"}));
    EXPECT_EQ(splitLines(std::string("a\r\n\0b\r\nc", 8)), (Lines{"a"}));
    EXPECT_EQ(splitLines(std::string("\0a", 2)), Lines{});
}

TEST(LineText, WordListDropsTabsAndNothingElse)
{
    EXPECT_EQ(parseWordList("a\tb\r\n\t\r\n  Mixed Case  \r\n1,2;3\n\tx\t"),
              (Lines{"ab", "", "  Mixed Case  ", "1,2;3", "x"}));
    EXPECT_EQ(parseWordList("b\na\nb\n"), (Lines{"b", "a", "b"})); // no sorting, duplicates kept
}

TEST(LineText, SaveAndLoadRoundTrip)
{
    const Lines lines{"apple", "", "  spaced  ", "x-ray", "\xE9t\xE9", "last"};
    const std::string text = joinLinesCrLf(lines);
    EXPECT_EQ(text, "apple\r\n\r\n  spaced  \r\nx-ray\r\n\xE9t\xE9\r\nlast\r\n");
    EXPECT_EQ(parseWordList(text), lines);

    EXPECT_EQ(joinLinesCrLf({}), "");
    EXPECT_EQ(parseWordList(joinLinesCrLf({})), Lines{});
    EXPECT_EQ(joinLinesCrLf({""}), "\r\n");
    EXPECT_EQ(parseWordList(joinLinesCrLf({""})), Lines{""});
    EXPECT_EQ(joinLinesCrLf(parseWordList("a\nb")), "a\r\nb\r\n"); // LF file saved with CR LF
}

} // namespace
} // namespace verbalia
