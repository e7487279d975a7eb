#include "lexicon/CommonnessLevels.h"

#include "fakes/TemporaryFolder.h"
#include "fakes/FakePlatform.h"
#include "platform/FileEncoding.h"
#include "text/LineText.h"

#include <gtest/gtest.h>

namespace verbalia {
namespace {

// levels.txt gives the words of words.txt (in list order) these sizes:
// auntie 55, bustee 80, buttle 80, cuttoe none, guttae 80, hurtle 35,
// purée 50, subtle 10, turtle 35 (and 80, a second time), zzyzx none.
const std::string folder = VERBALIA_SOURCE_DIR "/tests/lexicon/";

CommonnessLevels loadLevels()
{
    LevelsLoad loaded = CommonnessLevels::load(DiskFileSystem(), folder + "levels.txt");
    EXPECT_EQ(loaded.problem, "");
    return std::move(*loaded.levels);
}

// The list as the program holds it: Windows-1252.
std::vector<std::string> listWords()
{
    std::string text = *DiskFileSystem().readAll(folder + "words.txt");
    decodeFile(text);
    return splitLines(text);
}

TEST(CommonnessLevels, OrdersByLevelThenListOrder)
{
    const CommonnessLevels levels = loadLevels();
    EXPECT_EQ(levels.size(), 8u);
    std::vector<std::string> words = listWords();
    levels.orderByLevel(words);
    const std::vector<std::string> expected{"subtle", "hurtle", "turtle", "pur\xE9" "e", "auntie",
                                            "bustee", "buttle", "guttae", "cuttoe", "zzyzx"};
    EXPECT_EQ(words, expected);

    // Indices into the list order the same way.
    const std::vector<std::string> list = listWords();
    std::vector<std::size_t> indices{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    levels.orderByLevel(indices, [&list](std::size_t i) -> std::string_view { return list[i]; });
    EXPECT_EQ(indices, (std::vector<std::size_t>{7, 5, 8, 6, 0, 1, 2, 4, 3, 9}));

    EXPECT_EQ(levelText(levels.levelOf("turtle")), "SCOWL size 35");
    EXPECT_EQ(levelText(levels.levelOf("Turtle")), "not in SCOWL");
}

TEST(CommonnessLevels, KeepsWordsOfTheGivenSizeOrCommoner)
{
    const CommonnessLevels levels = loadLevels();
    const struct {
        std::string size;
        std::vector<std::string> kept;
    } cases[] = {
        {"10", {"subtle"}},
        {"20", {"subtle"}},
        {"35", {"hurtle", "subtle", "turtle"}},
        {"50", {"hurtle", "pur\xE9" "e", "subtle", "turtle"}},
        {"80", {"auntie", "bustee", "buttle", "guttae", "hurtle", "pur\xE9" "e", "subtle", "turtle"}},
    };
    for (const auto& c : cases) {
        const auto limit = levelOfSize(c.size);
        ASSERT_TRUE(limit) << c.size;
        std::vector<std::string> words = listWords();
        levels.keepWithin(words, *limit);
        EXPECT_EQ(words, c.kept) << c.size;
    }
    for (const char* size : {"", "0", "15", "95", "100", "035", "+35", "35 ", "-10", "3.5"})
        EXPECT_FALSE(levelOfSize(size)) << size;
}

TEST(CommonnessLevels, RefusesAMissingOrDamagedFileNamingIt)
{
    TemporaryFolder temporary;
    const std::string path = temporary.path() + "levels.txt";
    const struct {
        std::string bytes; // nothing written when empty
        std::string problem;
    } cases[] = {
        {"", " was not found."},
        {"subtle\t10\n\nturtle 35\n", " is damaged: line 3 is not a word, a tab and one of SCOWL's sizes"},
        {"subtle\t45\n", " is damaged: line 1 is not"},
        {"subtle\t1", " is damaged: line 1 is not"},    // cut short
        {"\t35\n", " is damaged: line 1 is not"},       // no word
        {"sub\x01tle\t35\n", " is damaged: line 1 is not"}, // a control character
        {"caf\xE9\t35\n", " is damaged: it is not UTF-8 text"},
        {std::string("subtle\t10\n\0", 11), " is damaged: it is not UTF-8 text"},
        {"\n\n", " is damaged: it holds no word."},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(path);
        if (!c.bytes.empty()) DiskFileSystem().writeAll(path, c.bytes);
        const LevelsLoad loaded = CommonnessLevels::load(DiskFileSystem(), path);
        EXPECT_FALSE(loaded.levels) << c.problem;
        EXPECT_TRUE(loaded.problem.starts_with("The word levels file " + path)) << loaded.problem;
        EXPECT_NE(loaded.problem.find(c.problem), std::string::npos) << loaded.problem;
    }
    FakeFileSystem files;
    files.unreadableFiles.insert(path);
    EXPECT_EQ(CommonnessLevels::load(files, path).problem, "The word levels file " + path + " could not be read.");
}

} // namespace
} // namespace verbalia
