#include "wordlist/Harvest.h"

#include "fakes/FakePlatform.h"
#include "platform/IcuCollation.h"

#include <gtest/gtest.h>
#include <unicode/uloc.h>

namespace verbalia {
namespace {

using Words = std::vector<std::string>;

// A word as harvestWordsOf gives it: what it adds, after its written form
// and ">" where the two differ.
Words shown(const std::vector<TextWord>& words)
{
    Words all;
    for (const TextWord& word : words)
        all.push_back(word.written == word.added ? word.added : word.written + ">" + word.added);
    return all;
}

const HarvestOptions both{true, true}, numbersOnly{true, false}, symbolsOnly{false, true}, neither{false, false};

TEST(HarvestWords, OptionsAndSplitting)
{
    const struct {
        const char* line;
        HarvestOptions options;
        Words words;
    } cases[] = {
        // The digits go with the symbols before words with digits are dropped.
        {"Hello, World! 42 x2", both, {"hello", "world", "x2>x"}},
        {"Hello, World! 42 x2", numbersOnly, {"hello,", "world!"}},
        {"Hello, World! 42 x2", symbolsOnly, {"hello", "world", "x2>x"}},
        {"Hello, World! 42 x2", neither, {"hello,", "world!", "42", "x2"}},
        // A lone hyphen is a word unless symbols are ignored; runs of spaces split once.
        {"- Type words, sentences, and ", neither, {"-", "type", "words,", "sentences,", "and"}},
        {"- Type words, sentences, and ", both, {"type", "words", "sentences", "and"}},
        {"\t  a  -  b \r", both, {"a", "b"}},
        {"- -", both, {}},
        {"", neither, {}},
        // The letters of Windows-1252 are letters, lower-cased; the signs are symbols.
        {"Caf\xC9 \xDC" "ber", neither, {"caf\xE9", "\xFC" "ber"}},
        {"Caf\xC9 \xDC" "ber \x8C" "UVRE \xD7 2\xF7" "3 \xB5m", both, {"caf\xE9", "\xFC" "ber", "\x9C" "uvre", "m"}},
        // Only the punctuation around a word leaves its written form.
        {"(O'Brien's), \"don't\" x-ray. '3D'", both, {"o'brien's>obriens", "don't>dont", "x-ray>xray", "3d>d"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shown(harvestWordsOf(c.line, c.options)), c.words)
            << c.line << " numbers " << c.options.ignoreNumbers << " symbols " << c.options.ignoreSymbols;

    EXPECT_TRUE(Contains_Digit("abc9"));
    EXPECT_FALSE(Contains_Digit("abc"));
    EXPECT_EQ(Letters_And_Spaces_Only("X-ray 2!\t\xE9 b\xF7"), "Xray \xE9 b");
}

class HarvestRun : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        UErrorCode status = U_ZERO_ERROR;
        uloc_setDefault("en_US", &status);
    }

    Words entries() const
    {
        Words all;
        list.forEach(0, list.size(), [&all](std::string_view word) { all.emplace_back(word); });
        return all;
    }

    IcuCollation collation;
    WordStore list;
};

TEST_F(HarvestRun, AddsEachNewWordOnceAtItsSortedPlace)
{
    list.assign({"Apple", "banana", "zoo"});
    Words added;
    const HarvestHooks hooks{{}, {}, [&](std::size_t index) { added.emplace_back(list.at(index)); }};
    const HarvestOutcome outcome =
        harvest(list, collation, {"apple PIE", "pie pie Pie", "", "Cherry BANANA aardvark"}, {}, hooks);

    EXPECT_EQ(outcome.added, 3);
    EXPECT_FALSE(outcome.halted);
    EXPECT_EQ(added, (Words{"pie", "cherry", "aardvark"}));
    EXPECT_EQ(outcome.words, added);
    EXPECT_EQ(entries(), (Words{"aardvark", "Apple", "banana", "cherry", "pie", "zoo"}));
}

// Debian's lists put capitalised words first: a binary search misses words
// such a list holds. A word equal under the collation (case-blind; also for
// letters beyond ASCII and ligatures) is known whatever the order.
TEST_F(HarvestRun, KnownWordsOfAListOutOfOrderAreNotAddedAgain)
{
    list.assign({"Zulu", "\xC6sop", "Stra\xDF" "e", "about", "ace", "zebra"});
    Words added;
    const HarvestHooks hooks{{}, {}, [&](std::size_t index) { added.emplace_back(list.at(index)); }};
    const Words text{"ABOUT zulu zebra about", "\xC6SOP \xE6sop STRA\xDF" "E new ace- aesop"};
    const HarvestOutcome outcome = harvest(list, collation, text, {false, false}, hooks);
    Words expected{"new", "ace-"};
    // Only if the collation tells the ligature from its letters.
    if (collation.compare("aesop", "\xC6sop") != 0) expected.push_back("aesop");
    EXPECT_EQ(added, expected);
    EXPECT_EQ(outcome.added, std::int64_t(expected.size()));
}

// A word the list holds as written (punctuation around it off, case
// ignored) adds nothing; else its letters are added unless the list holds them.
TEST_F(HarvestRun, WordsTheListHoldsAsWrittenAddNothing)
{
    const struct {
        Words list;
        const char* text;
        HarvestOptions options;
        Words added;
    } cases[] = {
        // Accents make other words than the list's unaccented twins.
        {{"Ard\xE8" "che", "O'Brien's", "don't", "facade", "naive"},
         "na\xEFve fa\xE7" "ade Ard\xE8" "che O'Brien's don't cr\xE8me br\xFBl\xE9" "e",
         both,
         {"na\xEFve", "fa\xE7" "ade", "cr\xE8me", "br\xFBl\xE9" "e"}},
        {{"don't", "well-being", "x-ray"}, "(DON'T), \"X-Ray\" well-being. co-op", both, {"coop"}},
        {{"dont"}, "don't won't won't", both, {"wont"}},
        {{"mp3"}, "mp3 mp4 x2", both, {"mp", "x"}},
        // Held as written later in the text: what an earlier word added stays.
        {{"don't"}, "dont don't", both, {"dont"}},
        {{"\xC9" "cole"}, "\xC9" "COLE \xC9T\xC9", both, {"\xE9t\xE9"}},
        {{"don't"}, "don't (hello)", neither, {"(hello)"}},
    };
    for (const auto& c : cases) {
        list.assign(c.list);
        EXPECT_EQ(harvest(list, collation, {c.text}, c.options, {}).words, c.added) << c.text;
    }
}

TEST_F(HarvestRun, ProgressEveryStepAndHaltBeforeALine)
{
    const Words lines(250, "word");
    std::vector<std::size_t> shown;
    harvest(list, collation, lines, {}, {{}, [&](std::size_t line) { shown.push_back(line); }, {}});
    ASSERT_EQ(shown.size(), 84u);
    EXPECT_EQ(shown[1], 3u);
    EXPECT_EQ(shown.back(), 249u);

    // The halt is seen before the next line: the words before it stay.
    list.clear();
    bool halt = false;
    const HarvestOutcome outcome = harvest(list, collation, {"one two", "three", "four"}, {},
                                           {[&] { return halt; }, {}, [&](std::size_t) { halt = list.size() == 3; }});
    EXPECT_TRUE(outcome.halted);
    EXPECT_EQ(outcome.added, 3);
    EXPECT_EQ(entries(), (Words{"one", "three", "two"}));
}

TEST(HarvestMessages, QuestionAndReport)
{
    const char* numbers = "Ignore Numbers and Words with Numbers";
    const char* symbols = "Ignore all Quotes, $, %, *, -, +, etc";
    EXPECT_EQ(harvestQuestion(numbers, true, symbols, false),
              "Add all words contained in the Temporary Work Area to the List of Known Words, using these criteria :"
              "\r\n\r\n - Ignore Numbers and Words with Numbers"
              "\r\n\r\n - Allow (i.e. preserve) all Quotes, $, %, *, -, +, etc\r\n\r\nAre you sure ?");
    EXPECT_NE(harvestQuestion(numbers, false, symbols, true)
                  .find(" - Allow (i.e. add in) Numbers and Words with Numbers\r\n\r\n - Ignore all"),
              std::string::npos);

    const FakeNumberFormat format;
    EXPECT_EQ(harvestReport({1, false, {}}, format), "1 words were added to the List of Known Words.");
    EXPECT_EQ(harvestReport({1234, false, {}}, format), "1,234 words were added to the List of Known Words.");
    EXPECT_EQ(harvestReport({5, true, {}}, format), "Ading words aborted as requested.");
}

TEST(WorkAreaText, PastedAndLoadedText)
{
    EXPECT_EQ(workAreaTextFromClipboard("a\tb\r\nc\rd\n\re\r\n"), "a        b\nc\nd\n\ne\n");
    EXPECT_EQ(workAreaTextFromClipboard("last"), "last");
    EXPECT_EQ(workAreaTextFromFile("a\tb\r\nc\r\n"), "a        b\nc");
    EXPECT_EQ(workAreaTextFromFile(std::string_view("x\n\ry\0z\n", 7)), "x\n\ny");
}

} // namespace
} // namespace verbalia
