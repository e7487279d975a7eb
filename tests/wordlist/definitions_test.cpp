#include "wordlist/Definitions.h"

#include "fakes/TemporaryFolder.h"
#include "wordlist/DefinitionsExcerpt.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace verbalia {

namespace {

struct Group {
    PartOfSpeech part;
    std::string baseForm;
    std::size_t senses;
};

bool operator==(const Group& a, const SenseGroup& b)
{
    return a.part == b.part && a.baseForm == b.baseForm && a.senses == b.senses.size();
}

TEST(Definitions, FindsBaseFormsInEachPartOfSpeech)
{
    using enum PartOfSpeech;
    const struct {
        const char* word;
        std::vector<Group> groups;
        bool damaged;
    } cases[] = {
        {"goose", {{noun, "goose", 3}}, false},
        {" GEESE ", {{noun, "goose", 3}}, false},           // exception list, case-blind, trimmed
        {"running", {{verb, "run", 3}}, false},             // exception list
        {"jumped", {{verb, "jump", 2}}, false},             // rules of detachment
        {"jumping", {{verb, "jump", 2}}, false},
        {"puzzles", {{noun, "puzzle", 2}, {verb, "puzzle", 1}}, false},
        {"quickest", {{adjective, "quick", 2}}, false},
        {"quickly", {{adverb, "quickly", 1}}, false},
        {"Crossword  puzzle", {{noun, "crossword puzzle", 1}}, false}, // a phrase
        {"ice-cream", {{noun, "ice cream", 1}}, false},       // a hyphen, a space and an underscore the same
        {"Ice_Cream", {{noun, "ice cream", 1}}, false},
        {"x ray", {{noun, "x-ray", 1}}, false},
        {"X rays", {{noun, "x-ray", 1}}, false},
        {"ice-creams", {{noun, "ice cream", 1}}, false},
        {"caf\xE9", {{noun, "cafe", 1}}, false},                 // accents dropped
        {"CAF\xC9S", {{noun, "cafe", 1}}, false},
        {"mice", {}, false}, // an exception whose base form has no entry
        {"xyzzy", {}, false},
        {" ", {}, false},
        {"gander", {{noun, "gander", 1}}, true}, // one sense's data line is cut short
        {"goosefoot", {}, true},                 // its index line is broken
    };
    const Definitions definitions(definitionsExcerptFolder());
    for (const auto& c : cases) {
        const Definition definition = definitions.lookup(c.word);
        EXPECT_EQ(definition.word, c.word);
        EXPECT_TRUE(std::equal(c.groups.begin(), c.groups.end(), definition.groups.begin(), definition.groups.end()))
            << c.word << ": " << definitionText(definition);
        EXPECT_EQ(definition.damaged, c.damaged) << c.word;
    }
}

TEST(Definitions, SensesHoldTheirSynonymsAndGloss)
{
    const Definitions definitions(definitionsExcerptFolder());
    const Definition crossword = definitions.lookup("crossword");
    ASSERT_TRUE(crossword.found());
    const Sense& sense = crossword.groups[0].senses[0];
    EXPECT_EQ(sense.gloss, "a puzzle in which words corresponding to numbered clues are to be found and written in to "
                           "squares in the puzzle");
    EXPECT_EQ(sense.synonyms, std::vector<std::string>{"crossword puzzle"});
    // An adjective's syntactic marker is no part of the word.
    EXPECT_TRUE(definitions.lookup("afraid").groups.at(0).senses.at(0).synonyms.empty());
}

TEST(Definitions, Text)
{
    const Definitions definitions(definitionsExcerptFolder());
    EXPECT_EQ(definitionText(definitions.lookup("Geese")),
              "Geese\n"
              "noun, base form goose\n"
              "  1. web-footed long-necked typically gregarious migratory aquatic birds usually larger and less "
              "aquatic than ducks\n"
              "  2. a man who is a stupid incompetent fool\n"
              "     synonyms: fathead, goof, goofball, bozo, jackass, cuckoo, twat, zany\n"
              "  3. flesh of a goose (domestic or wild)\n");
    EXPECT_EQ(definitionText(definitions.lookup("gander")),
              "gander\nnoun\n  1. mature male goose\n"
              "Part of this entry could not be read: the definitions database is damaged.\n");
    EXPECT_EQ(definitionText(definitions.lookup("xyzzy")), "No definition of \"xyzzy\" was found.\n");
    // No entry read, but a damaged database: not a plain "no definition".
    EXPECT_EQ(definitionText(definitions.lookup("goosefoot")),
              "No definition of \"goosefoot\" was found.\n"
              "Part of this entry could not be read: the definitions database is damaged.\n");
}

TEST(Definitions, FirstFolderHoldingEveryFileIsUsed)
{
    TemporaryFolder program;

    const std::string partial = program.path() + "wordnet/";
    std::filesystem::copy(definitionsExcerptFolder(), partial);
    std::filesystem::remove(partial + "adv.exc");
    DiskFileSystem disk;
    EXPECT_EQ(openDefinitions({partial, definitionsExcerptFolder()}, disk)->folder(), definitionsExcerptFolder());
    EXPECT_FALSE(openDefinitions({partial}, disk));
    EXPECT_EQ(definitionsMissingText({"/a/", "/b/"}),
              "The definitions database (WordNet 3.0) was not found in /a/ or /b/. Install the package "
              "wordnet-base, or copy its files (index.*, data.* and *.exc) into /a/.");
}

TEST(Definitions, BoundsWhatADamagedDatabaseCosts)
{
    const struct {
        const char* file;
        std::string from, to;
        const char* word;
        std::size_t senses;
    } cases[] = {
        {"index.noun", "00001740 00003219", "00001740 00001740", "goose", 2}, // the same sense twice
        {"data.noun", "| a puz", "| " + std::string(70'000, 'x'), "crossword", 0}, // a line past 64 KiB
    };
    for (const auto& c : cases) {
        const TemporaryFolder folder;
        std::filesystem::copy(definitionsExcerptFolder(), folder.path());
        const std::string path = folder.path() + c.file;
        std::string bytes = *DiskFileSystem().readAll(path);
        bytes.replace(bytes.find(c.from), c.from.size(), c.to);
        ASSERT_TRUE(DiskFileSystem().writeAll(path, bytes));
        const Definition definition = Definitions(folder.path()).lookup(c.word);
        EXPECT_TRUE(definition.damaged) << c.word;
        EXPECT_EQ(definition.found() ? definition.groups.at(0).senses.size() : 0, c.senses) << c.word;
    }
}

} // namespace
} // namespace verbalia
