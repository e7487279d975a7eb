#include "app/core/History.h"

#include <gtest/gtest.h>

namespace verbalia {
namespace {

TEST(HistoryFileTest, SplitsAtEveryKindOfLineBreak)
{
    EXPECT_EQ(parseHistory(""), History{});
    EXPECT_EQ(parseHistory("a??i?\r\ncat\r\n"), (History{"a??i?", "cat"}));
    EXPECT_EQ(parseHistory("a\rb\nc\r\nd"), (History{"a", "b", "c", "d"}));
    EXPECT_EQ(parseHistory("a\n\rb"), (History{"a", "", "b"})); // LF then CR is two breaks
    EXPECT_EQ(parseHistory("a\r\n\r\nb\r\n\r\n"), (History{"a", "", "b", ""}));
    EXPECT_EQ(parseHistory("\r\n"), History{""});
    EXPECT_EQ(parseHistory(std::string_view("a\r\nb\0c\r\nd", 10)), (History{"a", "b"}));
}

TEST(HistoryFileTest, SerializesWithCrLfAfterEveryEntry)
{
    EXPECT_EQ(serializeHistory({}), "");
    EXPECT_EQ(serializeHistory({""}), "\r\n");
    EXPECT_EQ(serializeHistory({"a??i?", "", "c\xE9t"}), "a??i?\r\n\r\nc\xE9t\r\n");
    EXPECT_EQ(serializeHistory({"ab\r\ncd\nef", "x\ry"}), "ab\r\nx\r\n"); // one entry stays one line

    const History history{"", "first", "", "  spaced  ", "last", ""};
    EXPECT_EQ(parseHistory(serializeHistory(history)), history);
}

TEST(HistoryTest, FindComparesExactlyOrWithAsciiLettersFolded)
{
    const History history{"Dog", "c\xE9t", "cat", "CAT"};
    EXPECT_EQ(Find_History_Entry(history, "CAT", true), 3);
    EXPECT_EQ(Find_History_Entry(history, "CAT", false), 2);
    EXPECT_EQ(Find_History_Entry(history, "dog", true), -1);
    EXPECT_EQ(Find_History_Entry(history, "dog", false), 0);
    EXPECT_EQ(Find_History_Entry(history, "C\xC9T", false), -1); // accented letters keep their case
    EXPECT_EQ(Find_History_Entry(history, "C\xE9T", false), 1);
    EXPECT_EQ(Find_History_Entry(history, "ca", false), -1);
    EXPECT_EQ(Find_History_Entry(history, "cats", false), -1);
    EXPECT_EQ(Find_History_Entry({}, "", false), -1);
    EXPECT_EQ(Find_History_Entry({"x", ""}, "", true), 1);
}

TEST(HistoryTest, AddPutsTheTextOnTopOnce)
{
    History history{"cat", "dog", "owl"};
    Add_To_History(history, "Cat", false);
    EXPECT_EQ(history, (History{"cat", "dog", "owl"})); // top entry keeps its own case

    history = {"dog", "owl", "cat", "emu"};
    Add_To_History(history, "Cat", false);
    EXPECT_EQ(history, (History{"Cat", "dog", "owl", "emu"}));

    Add_To_History(history, "yak", false);
    EXPECT_EQ(history, (History{"yak", "Cat", "dog", "owl", "emu"}));

    Add_To_History(history, "cat", true); // exact: "Cat" is another text
    EXPECT_EQ(history, (History{"cat", "yak", "Cat", "dog", "owl", "emu"}));
}

TEST(HistoryTest, KeepsTheNewestThousandEntries)
{
    History history;
    for (int i = 0; i < 1001; ++i) Add_To_History(history, "w" + std::to_string(i), false);
    ASSERT_EQ(history.size(), maxHistoryEntries);
    EXPECT_EQ(history.front(), "w1000");
    EXPECT_EQ(history.back(), "w1");
    Add_To_History(history, "W500", false);
    EXPECT_EQ(history.size(), maxHistoryEntries);
    EXPECT_EQ(history.front(), "W500");

    std::string file;
    for (int i = 0; i < 1500; ++i) file += std::to_string(i) + "\r\n";
    const History read = parseHistory(file);
    ASSERT_EQ(read.size(), maxHistoryEntries);
    EXPECT_EQ(read.back(), "999");
    History tooLong = read;
    tooLong.push_back("older");
    EXPECT_EQ(serializeHistory(tooLong), serializeHistory(read));
}

TEST(HistoryTest, EntriesAreCutToTheLongestKept)
{
    const std::string huge(10'000'000, 'a');
    const std::string kept(maxHistoryEntryLength, 'a');
    EXPECT_EQ(parseHistory(huge + "\r\nb"), (History{kept, "b"}));

    History history{"b"};
    Add_To_History(history, huge, false);
    Add_To_History(history, huge + "b", false); // the same once cut
    EXPECT_EQ(history, (History{kept, "b"}));
}

} // namespace
} // namespace verbalia
