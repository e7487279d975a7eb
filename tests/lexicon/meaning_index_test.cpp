#include "lexicon/MeaningIndex.h"
#include "lexicon/Phrases.h"

#include "fakes/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace verbalia {

namespace {

// A small database in WordNet's format: puzzles, cats, phrases, an instance
// (Einstein, a physicist) and an exception ("mice").
const std::string excerpt = VERBALIA_SOURCE_DIR "/tests/lexicon/wordnet/";

MeaningIndex built(const std::string& folder)
{
    const std::atomic<bool> cancel = false;
    MeaningLoad load = MeaningIndex::build(DiskFileSystem(), folder, cancel);
    if (!load.index) throw std::runtime_error("no index: " + load.unreadable);
    return std::move(*load.index);
}

// "word:strength" for each related word, in the index's order.
std::string relatedText(const MeaningIndex& index, std::string_view meaning)
{
    std::string text;
    for (const RelatedWord& related : index.related(meaning))
        text += (text.empty() ? "" : " ") + std::string(related.word) + ":" + std::to_string(int(related.relation));
    return text;
}

TEST(MeaningIndex, RelatedWordsStrongestFirst)
{
    const struct {
        const char* meaning;
        const char* related;
    } cases[] = {
        // Synonyms in both parts of speech, then the direct kinds.
        {"puzzle", "mystify:1 perplex:1 teaser:1 crossword:2 crossword puzzle:2 jigsaw:2 jigsaw puzzle:2"},
        {" PUZZLES ", "mystify:1 perplex:1 teaser:1 crossword:2 crossword puzzle:2 jigsaw:2 jigsaw puzzle:2"},
        // What the meaning is a kind of; a gloss that names it.
        {"felines", "felid:1 big cat:2 cat:2 true cat:2 panthera tigris:3 tiger:3"},
        {"big cat", "cat:1 acinonyx jubatus:2 cheetah:2 chetah:2 felid:2 feline:2 panthera tigris:2 tiger:2"},
        {"Big_Cats", "cat:1 acinonyx jubatus:2 cheetah:2 chetah:2 felid:2 feline:2 panthera tigris:2 tiger:2"},
        {"physicist", "albert einstein:2 einstein:2"}, // instances
        {"einstein", "albert einstein:1 physicist:2"},
        {"mice", "gnawer:2 rodent:2"},              // exception list
        {"mystified", "perplex:1 puzzle:1"},
        {"swiftest", "fleet:1 acinonyx jubatus:3 cheetah:3 chetah:3"}, // a gloss holds it as written
        {"the large cats", "big cat:3 cat:3"},      // every word in one gloss, "the" passed over
        {"ice-cream", "icecream:1"},
        {"x ray", "roentgenogram:1"},
        {"large puzzle", ""},
        {"xyzzy", ""},
        {"the", ""},
        {"", ""},
    };
    const MeaningIndex index = built(excerpt);
    EXPECT_EQ(index.damage(), 0u);
    for (const auto& c : cases) EXPECT_EQ(relatedText(index, c.meaning), c.related) << c.meaning;
}

TEST(MeaningIndex, DamageIsSkippedAndCounted)
{
    const struct {
        const char* file;
        std::string from, to;
        std::size_t damage;
        const char* meaning;
        const char* related;
    } cases[] = {
        // A line past 64 KiB (the last: the others keep their offsets), and the pointer to it.
        {"data.noun", "| relatively small", "| " + std::string(70'000, 'x'), 2, "mice", ""},
        // At another offset than it gives, and the three pointers to it.
        {"data.noun", "00000934 05", "00000935 05", 4, "tiger", "panthera tigris:1"},
        // A pointer to no line: the kind is still known from the other end.
        {"data.noun", "@ 00000644 n 0000 | feline", "@ 00099999 n 0000 | feline", 1, "cat",
         "big cat:1 true cat:1 acinonyx jubatus:2 cheetah:2 chetah:2 felid:2 feline:2 panthera tigris:2 tiger:2"},
        {"data.verb", " 03 puzzle 0", " zz puzzle 0", 1, "perplex", ""}, // a count not in hex
    };
    for (const auto& c : cases) {
        const TemporaryFolder folder;
        std::filesystem::copy(excerpt, folder.path());
        const std::string path = folder.path() + c.file;
        std::string bytes = *DiskFileSystem().readAll(path);
        bytes.replace(bytes.find(c.from), c.from.size(), c.to);
        ASSERT_TRUE(DiskFileSystem().writeAll(path, bytes));
        const MeaningIndex index = built(folder.path());
        EXPECT_EQ(index.damage(), c.damage) << c.from;
        EXPECT_EQ(relatedText(index, c.meaning), c.related) << c.from;
    }
}

TEST(MeaningIndex, MissingFileAndCancel)
{
    const TemporaryFolder folder;
    std::filesystem::copy(excerpt, folder.path());
    std::filesystem::remove(folder.path() + "data.verb");
    std::atomic<bool> cancel = false;
    EXPECT_EQ(MeaningIndex::build(DiskFileSystem(), folder.path(), cancel).unreadable, folder.path() + "data.verb");
    EXPECT_EQ(readPhrases(DiskFileSystem(), folder.path() + "none/", cancel).unreadable,
              folder.path() + "none/index.noun");
}

TEST(Phrases, Enumerations)
{
    const struct {
        const char* phrase;
        const char* enumeration;
    } cases[] = {
        {"piece of cake", "11 (5,2,4)"}, {"x-ray", "4 (1-3)"},       {"jack-in-the-box", "12 (4-2-3-3)"},
        {"rock 'n' roll", "9 (4,1,4)"},  {"p.o. box", "5 (2,3)"},     {"a & b", "2 (1,1)"},
        {"a-&-b", "2 (1-1)"},        {"rock_and-roll", "11 (4,3-4)"}, {"cat", "3 (3)"},
    };
    for (const auto& c : cases) EXPECT_EQ(enumerationOf(c.phrase), c.enumeration) << c.phrase;
}

TEST(Phrases, ReadFromTheIndexFiles)
{
    const std::atomic<bool> cancel = false;
    const PhrasesLoad load = readPhrases(DiskFileSystem(), excerpt, cancel);
    std::string text;
    for (const Phrase& phrase : load.phrases) text += phrase.text + " " + phrase.enumeration + "; ";
    // "catch-22" has a digit; "cat" one word.
    EXPECT_EQ(text, "acinonyx jubatus 15 (8,7); albert einstein 14 (6,8); big cat 6 (3,3); crossword puzzle 15 (9,6); "
                    "ice cream 8 (3,5); jack-in-the-box 12 (4-2-3-3); jigsaw puzzle 12 (6,6); "
                    "panthera tigris 14 (8,6); piece of cake 11 (5,2,4); true cat 7 (4,3); x-ray 4 (1-3); ");
    EXPECT_EQ(load.damagedLines, 0u);
}

} // namespace
} // namespace verbalia
