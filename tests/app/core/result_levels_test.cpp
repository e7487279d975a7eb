#include "app/core/ResultLevels.h"

#include "fakes/TemporaryFolder.h"
#include "wordlist/WordStore.h"

#include <gtest/gtest.h>

#include <fstream>

namespace verbalia {
namespace {

// Phonetic results are lower-cased: each takes the level of the word of the
// list it came from, the words alike but for case each their own.
TEST(ResultLevels, LowerCasedResultsTakeTheLevelsOfTheirWords)
{
    TemporaryFolder folder;
    std::ofstream(folder.path() + "levels.txt") << "Paris\t10\nmice\t35\n";
    const LevelsLoad loaded = CommonnessLevels::load(DiskFileSystem(), folder.path() + "levels.txt");
    ASSERT_TRUE(loaded.levels) << loaded.problem;
    WordStore list;
    list.assign({"Mice", "mice", "pairs", "Paris", "paris"});

    const std::vector<std::string_view> words = wordsOfLowerCased({"mice", "mice", "paris"}, list);
    EXPECT_EQ(words, (std::vector<std::string_view>{"Mice", "mice", "Paris"}));
    const LevelOrder order = levelOrder(words, *loaded.levels);
    EXPECT_EQ(order.rows, (std::vector<std::uint32_t>{2, 1, 0}));
    EXPECT_EQ(order.levels.firstRows[std::size_t(Level::size20)], 1u); // none of size 20: where the next begins
    EXPECT_EQ((std::vector<Level>{order.levels.of(0), order.levels.of(1), order.levels.of(2)}),
              (std::vector<Level>{Level::size10, Level::size35, Level::none}));
}

} // namespace
} // namespace verbalia
