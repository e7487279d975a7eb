#include "solver/Answer.h"

#include "fakes/FakePlatform.h"
#include "fakes/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace verbalia::solver {
namespace {

const std::string excerpt = VERBALIA_SOURCE_DIR "/tests/lexicon/wordnet/";

// A list with levels, and the phrases and meanings of the WordNet excerpt.
class SolverAnswer : public ::testing::Test {
protected:
    SolverAnswer()
    {
        const std::pair<const char*, const char*> words[] = {
            {"perplex", "50"}, {"crossword", "35"}, {"teaser", "50"}, {"jigsaw", ""},  {"xray", "80"},
            {"icecream", ""},  {"mystify", "50"},   {"cat", "10"},    {"feline", "35"}, {"turtle", "35"},
            {"bustee", "80"},  {"hurtle", ""},      {"subtle", "10"},
        };
        std::vector<std::string> list;
        std::ofstream levelsFile(m_folder.path() + "levels.txt");
        for (const auto& [word, size] : words) {
            list.push_back(word);
            if (*size) levelsFile << word << '\t' << size << '\n';
        }
        levelsFile.close();
        m_list.assign(list);
        m_levels = CommonnessLevels::load(DiskFileSystem(), m_folder.path() + "levels.txt").levels;
        m_phrases = readPhrases(DiskFileSystem(), excerpt, m_cancel).phrases;
        m_meanings = MeaningIndex::build(DiskFileSystem(), excerpt, m_cancel).index;
        m_index = SolverIndex::build(m_list, m_cancel);
        m_levelsByIndex = levelsByIndex(m_list, *m_levels, m_cancel);
    }

    // The answer's rows joined by '|', each the same with a scan, with the
    // index, and with the levels read by index.
    std::string rowsOf(const AnswerRequest& request, Answer* kept = nullptr)
    {
        std::string scanned;
        for (const auto* byIndex : std::initializer_list<const std::vector<Level>*>{nullptr, &*m_levelsByIndex}) {
            for (const SolverIndex* index : {static_cast<const SolverIndex*>(nullptr), m_index.get()}) {
                const AnswerData data{m_list, index, &*m_levels, &m_phrases, &*m_meanings, byIndex};
                const Answer got = *answer(request, data, m_cancel);
                std::string text = got.message;
                for (const AnswerRow& row : got.rows) text += (text.empty() ? "" : "|") + std::string(textOf(row));
                if (!index && !byIndex) scanned = text;
                EXPECT_EQ(text, scanned) << request.query;
                if (kept) *kept = got;
            }
        }
        return scanned;
    }

    std::string_view textOf(const AnswerRow& row) const { return rowText(row, m_list, &m_phrases); }
    std::string lettersOf(const AnswerRow& row) const { return rowLetters(row, textOf(row), &m_phrases); }

    const std::atomic<bool> m_cancel = false;
    TemporaryFolder m_folder;
    WordStore m_list;
    std::optional<CommonnessLevels> m_levels;
    std::vector<Phrase> m_phrases;
    std::optional<MeaningIndex> m_meanings;
    std::unique_ptr<const SolverIndex> m_index;
    std::optional<std::vector<Level>> m_levelsByIndex;
};

TEST_F(SolverAnswer, OrdersAndFiltersTheCandidates)
{
    using enum SolveMode;
    const std::optional<Level> all;
    const struct {
        SolveMode mode;
        const char* query;
        bool phrases;
        const char* meaning;
        const char* rows;
        std::optional<Level> upTo = std::nullopt;
        AnswerOrder order = AnswerOrder::common;
    } cases[] = {
        // By level, list order within one; words without a level last, phrases before them.
        {Pattern, "??????", false, "", "subtle|feline|turtle|teaser|bustee|jigsaw|hurtle"},
        {Pattern, "??????", true, "", "subtle|feline|turtle|teaser|bustee|big cat|jigsaw|hurtle"},
        {Pattern, "??????", true, "", "teaser|jigsaw|feline|turtle|bustee|hurtle|subtle|big cat", all, AnswerOrder::list},
        {Pattern, "??????", false, "", "teaser|jigsaw|feline|turtle|bustee|hurtle|subtle", all, AnswerOrder::list},
        {Pattern, "??????", true, "", "subtle|feline|turtle|big cat", Level::size35},
        {Anagram, "TACgib", true, "", "big cat"},
        // A phrase the list holds by its letters is left out, unless only the phrase fits the breaks.
        {Pattern, "????", true, "", "xray"},
        {Pattern, "(1,3)", true, "", "x-ray"},
        {Pattern, "????????", true, "", "icecream"},
        {Pattern, "??? ?????", true, "", "ice cream"},
        {Pattern, "(5,2,4)", true, "", "piece of cake"},
        {Pattern, "p???? ?? ????", true, "", "piece of cake"},
        {Pattern, "(5,2,4)", false, "", "Not understood: '(' at 1."},
        // A meaning: synonyms, then kinds, each by level; an empty query takes every candidate.
        {Pattern, "?r?s?w?r?", false, "puzzle", "crossword"},
        {Pattern, "", true, "Puzzles", "perplex|teaser|mystify|crossword|crossword puzzle|jigsaw puzzle|jigsaw"},
        {Pattern, "", false, "puzzle", "perplex|crossword|teaser|jigsaw|mystify", all, AnswerOrder::list},
        {Pattern, "", true, "felines", "cat|big cat|true cat|panthera tigris"},
        {Pattern, "*", true, "big cat", "cat|feline|acinonyx jubatus|panthera tigris"},
        {Pattern, "", true, "xyzzy", ""},
        {Pattern, "", false, "", ""},
        {Pattern, "ab[", false, "puzzle", "Not understood: '[' at 3 has no closing ']'."},
    };
    for (const auto& c : cases) {
        const AnswerRequest request{c.mode, c.query, c.upTo, c.phrases, c.meaning, c.order};
        EXPECT_EQ(rowsOf(request), c.rows) << c.query << " / " << c.meaning;
    }
}

TEST_F(SolverAnswer, GivesTheRowsAndTheCount)
{
    Answer got;
    rowsOf({SolveMode::Pattern, "(5,2,4)", {}, true, "", AnswerOrder::common}, &got);
    ASSERT_EQ(got.rows.size(), 1u);
    EXPECT_EQ(lettersOf(got.rows[0]), "11 (5,2,4)");
    EXPECT_TRUE(got.rows[0].phrase);
    EXPECT_EQ(m_phrases[got.rows[0].index].text, "piece of cake");

    rowsOf({SolveMode::Pattern, "", {}, false, "puzzle", AnswerOrder::common}, &got);
    EXPECT_EQ(textOf(got.rows[3]), "crossword");
    EXPECT_EQ(lettersOf(got.rows[3]), "9");
    EXPECT_EQ(got.rows[3].level, Level::size35);
    EXPECT_EQ(got.rows[3].index, 1u);
    EXPECT_EQ(got.rows[3].relation, Relation::kind);

    AnswerRequest limited{SolveMode::Pattern, "*t*", {}, false, "", AnswerOrder::common};
    limited.rowLimit = 2;
    rowsOf(limited, &got);
    const FakeNumberFormat numbers;
    EXPECT_EQ(answerLabel(got, numbers),
              "7 solutions: 3 letters 1, 6 letters 5, 7 letters 1. The first 2 are listed.");
    EXPECT_EQ(answerLabel(*answer({}, {m_list}, m_cancel), numbers), "");
    EXPECT_EQ(answerLabel(*answer({SolveMode::Pattern, "?", {}, false, "cat"}, {m_list}, m_cancel), numbers),
              "A meaning needs the WordNet database, which is not loaded.");
}

} // namespace
} // namespace verbalia::solver
