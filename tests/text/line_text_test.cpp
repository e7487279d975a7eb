#include "text/LineText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
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

// The line rules taken one byte at a time.
Lines linesByteByByte(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    Lines lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            line += text[i];
            continue;
        }
        lines.push_back(line);
        line.clear();
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

TEST(LineText, LongTextsFollowTheSameRules)
{
    // Texts longer than the blocks the lines are found in, with line ends,
    // CR LF pairs and NULs falling on every position of a block.
    std::mt19937 random(7);
    const std::string bytes = "ab\t\r\n";
    for (int round = 0; round < 500; ++round) {
        std::string text(random() % 300, 'x');
        for (char& c : text) c = bytes[random() % bytes.size()];
        if (round % 5 == 0 && !text.empty()) text[random() % text.size()] = '\0';
        // Bytes past the end of the text are not looked at.
        const std::string following = text + "\nz\r";
        const std::string_view view(following.data(), text.size());
        EXPECT_EQ(splitLines(view), linesByteByByte(text)) << testing::PrintToString(text);

        // The same text in pieces of random sizes, empty ones included.
        LineSplitter splitter;
        Lines pieceLines;
        const auto collect = [&](std::string_view line) { pieceLines.emplace_back(line); };
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t size = std::min<std::size_t>(random() % 8, text.size() - at);
            splitter.feed(std::string_view(text).substr(at, size), collect);
            at += size;
        }
        splitter.finish(collect);
        EXPECT_EQ(pieceLines, linesByteByByte(text)) << testing::PrintToString(text);
    }

    const std::string crOnly = std::string(100000, 'w') + std::string(100000, '\r');
    EXPECT_EQ(splitLines(crOnly).size(), 100000u);
    EXPECT_EQ(splitLines(crOnly).front().size(), 100000u);
    std::string crLfAcrossBlocks(63, 'a');
    crLfAcrossBlocks += "\r\nb";
    EXPECT_EQ(splitLines(crLfAcrossBlocks), (Lines{std::string(63, 'a'), "b"}));
}

TEST(LineText, EdgesPassTheLinesThatFitThem)
{
    // Runs of complete lines longer than a block, edge bytes and line ends
    // on every position of one, each edge set against the lines one by one.
    std::mt19937 random(11);
    const LineEdges edgeSets[] = {{"a", ""},      {"", "b"},     {"ab", "cd"},   {"", "dcba"}, {"c", "c"},
                                  {"", ""},       {"a", "", 3},  {"", "b", 20},  {"", "", 1}};
    for (int round = 0; round < 300; ++round) {
        // Short lines, and lines longer than 16 bytes.
        std::string text(random() % 200, 'x');
        for (char& c : text) c = random() % (round % 2 ? 3 : 30) == 0 ? "\r\n"[random() % 2] : "abcd"[random() % 4];
        text += '\n';
        for (const LineEdges& edges : edgeSets) {
            const auto fits = [](const std::string& set, char c) {
                return set.empty() || set.find(c) != std::string::npos;
            };
            Lines expected;
            for (const std::string& line : linesByteByByte(text)) {
                if (edges.length != 0 && line.size() != edges.length) continue;
                if (edges.first.empty() && edges.last.empty())
                    expected.push_back(line);
                else if (!line.empty() && fits(edges.first, line.front()) && fits(edges.last, line.back()))
                    expected.push_back(line);
            }
            Lines found;
            forEachLineWithEdges(text, edges, [&](std::string_view line) { found.emplace_back(line); });
            EXPECT_EQ(found, expected) << testing::PrintToString(text) << " " << edges.first << "/" << edges.last
                                       << "/" << edges.length;
        }
    }
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
