#include "cli/DefinitionsOutput.h"
#include "cli/FindCommand.h"

#include "fakes/TemporaryFolder.h"
#include "wordlist/DefinitionsExcerpt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace verbalia {
namespace {

TEST(DefineCommand, BlocksMessagesAndExitCodes)
{
    const std::vector<std::string> excerpt{definitionsExcerptFolder()};
    const struct {
        std::vector<std::string> words;
        std::vector<std::string> folders;
        int exitCode;
        std::string out, err;
    } cases[] = {
        {{"crossword", "caf\xC3\xA9"}, excerpt, 0,
         "crossword\nnoun\n  1. a puzzle in which words corresponding to numbered clues are to be found and written in "
         "to squares in the puzzle\n     synonyms: crossword puzzle\n\n"
         "caf\xC3\xA9\nnoun\n  1. a small restaurant where drinks and snacks are sold\n"
         "     synonyms: coffeehouse, coffee shop, coffee bar\n",
         ""},
        {{"xyzzy", "quickly"}, excerpt, 1, "quickly\nadverb\n  1. with rapid movements; \"he works quickly\"\n"
         "     synonyms: rapidly, speedily, chop-chop, apace\n",
         "verbalia-find: No definition of \"xyzzy\" was found.\n"},
        {{"goosefoot"}, excerpt, 1, "",
         "verbalia-find: the definitions database in " + excerpt[0] +
             " is damaged: part of the entry for goosefoot could not be read\n"},
        {{"goose"}, {"/nowhere/"}, 66, "",
         "verbalia-find: The definitions database (WordNet 3.0) was not found in /nowhere/. Install the package "
         "wordnet-base, or copy its files (index.*, data.* and *.exc) into /nowhere/.\n"},
    };
    for (const auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(printDefinitions(c.words, c.folders, DiskFileSystem(), out, err), c.exitCode) << c.words[0];
        EXPECT_EQ(out.str(), c.out);
        EXPECT_EQ(err.str(), c.err);
    }
}

TEST(DefineCommand, UsesTheDatabaseBesideTheProgram)
{
    TemporaryFolder program;
    std::filesystem::copy(definitionsExcerptFolder(), program.path() + "wordnet");
    std::ostringstream out, err;
    // The excerpt's "gander" lacks a sense that the full database has.
    EXPECT_EQ(runFindCommand({"define", "gander"}, portableLocations(program.path(), "verbalia-find"), out, err), 1);
    EXPECT_EQ(runFindCommand({"--list", "words.txt", "define", "gander"}, portableLocations(program.path(), "verbalia-find"), out, err), 1);
    EXPECT_EQ(runFindCommand({"define"}, portableLocations(program.path(), "verbalia-find"), out, err), 64);
}

} // namespace
} // namespace verbalia
