#include "fakes/FakePlatform.h"
#include "solver/Fold.h"
#include "solver/Query.h"
#include "solver/Solutions.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace verbalia::solver {
namespace {

constexpr LetterSet letter(char c) { return 1u << (c - 'a'); }

TEST(SolverQuery, ParsesPatterns)
{
    const struct {
        const char* text;
        std::vector<LetterSet> pattern;
    } cases[] = {
        {"d'n-t", {letter('d'), letter('n'), letter('t')}},
        {"A?.", {letter('a'), allLetters, allLetters}},
        {"**a*?*", {anyRun, letter('a'), anyRun, allLetters, anyRun}},
        {"@#", {vowels, consonants}},
        {"[a-cx][!@][^a-y]", {letter('a') | letter('b') | letter('c') | letter('x'), consonants, letter('z')}},
        {"[\xC9@]\xC6\xDF", {vowels, letter('a'), letter('e'), letter('s'), letter('s')}}, // [É@]Æß
    };
    for (const auto& c : cases) {
        const ParsedQuery parsed = parseQuery(SolveMode::Pattern, c.text);
        ASSERT_TRUE(parsed.query) << c.text << ": " << parsed.message;
        EXPECT_EQ(parsed.query->pattern, c.pattern) << c.text;
    }
}

TEST(SolverQuery, RefusesWhatItDoesNotUnderstand)
{
    const struct {
        SolveMode mode;
        const char* text;
        const char* message; // "" when there is nothing to search for
    } cases[] = {
        {SolveMode::Pattern, "ab[cd", "Not understood: '[' at 3 has no closing ']'."},
        {SolveMode::Pattern, "a[]", "Not understood: '[' at 2 allows no letter."},
        {SolveMode::Pattern, "[!a-z]", "Not understood: '[' at 1 allows no letter."},
        {SolveMode::Pattern, "ab1", "Not understood: '1' at 3."},
        {SolveMode::Pattern, "a]b", "Not understood: ']' at 2 has no opening '['."},
        {SolveMode::Pattern, "[f-a]", "Not understood: '-' at 3 makes a range from f back to a."},
        {SolveMode::Pattern, "[-a]", "Not understood: '-' at 2 is not between two letters."},
        {SolveMode::Pattern, "[a-]", "Not understood: '-' at 3 is not between two letters."},
        {SolveMode::Pattern, "[\xE6]", "Not understood: '\xE6' at 2 is two letters, and a set holds single ones."},
        {SolveMode::Pattern, "ab\x7F", "Not understood: the character at 3."},
        {SolveMode::Anagram, "ab*", "Not understood: '*' at 3."},
        {SolveMode::MadeFrom, "a.b", "Not understood: '.' at 2."},
        {SolveMode::Pattern, " -' ", ""},
        {SolveMode::MadeFrom, "", ""},
    };
    for (const auto& c : cases) {
        const ParsedQuery parsed = parseQuery(c.mode, c.text);
        EXPECT_FALSE(parsed.query) << c.text;
        EXPECT_EQ(parsed.message, c.message) << c.text;
    }
}

TEST(SolverQuery, MatchesWordsByTheirLetters)
{
    const struct {
        SolveMode mode;
        const char* query;
        const char* word; // Windows-1252, as the list holds it
        bool matches;
    } cases[] = {
        {SolveMode::Pattern, "d?nt", "don't", true},
        {SolveMode::Pattern, "????", "x-ray", true},
        {SolveMode::Pattern, "?????", "x-ray", false},
        {SolveMode::Pattern, "cafe", "Caf\xE9", true},
        {SolveMode::Pattern, "CAF\xC9", "cafe", true},
        {SolveMode::Pattern, "stra??e", "Stra\xDF" "e", true},
        {SolveMode::Pattern, "stra?e", "Stra\xDF" "e", false},
        {SolveMode::Pattern, "aesop", "\xC6sop", true},
        {SolveMode::Pattern, "manana", "ma\xF1" "ana", true},
        {SolveMode::Pattern, "*", "'", false},
        {SolveMode::Pattern, "*", "1984", false},
        {SolveMode::Pattern, "a*b*c", "a-x-b-y-c", true},
        {SolveMode::Pattern, "a*b*c", "acb", false},
        {SolveMode::Pattern, "*?ed", "ed", false},
        {SolveMode::Pattern, "*s*s", "misses", true},
        {SolveMode::Pattern, "[a-c]@#", "Bat", true},
        {SolveMode::Pattern, "[!a-c]@#", "bat", false},
        {SolveMode::Anagram, "stop", "Pots", true},
        {SolveMode::Anagram, "stop", "stoop", false},
        {SolveMode::Anagram, "st?p", "spit", true},
        {SolveMode::Anagram, "st?p", "stop's", false},
        {SolveMode::Anagram, "ss?", "\xDF" "a", true},
        {SolveMode::MadeFrom, "pots", "to", true},
        {SolveMode::MadeFrom, "pots", "O", false},
        {SolveMode::MadeFrom, "pots", "toot", false},
        {SolveMode::MadeFrom, "pots?", "toot", false},
        {SolveMode::MadeFrom, "pots??", "toot", true},
        {SolveMode::MadeFrom, "aab", "baa", true},
        {SolveMode::MadeFrom, "ab", "aab", false},
        {SolveMode::MadeFrom, "aaab", "baaa", true},
        {SolveMode::MadeFrom, "aab?", "aaaa", false},
    };
    for (const auto& c : cases) {
        const ParsedQuery parsed = parseQuery(c.mode, c.query);
        ASSERT_TRUE(parsed.query) << c.query;
        EXPECT_EQ(matchesFolded(*parsed.query, folded(c.word)), c.matches) << c.query << " / " << c.word;
    }
}

TEST(SolverQuery, WithPhrasesTakesEnumerationsAndBreaks)
{
    constexpr LetterSet any = allLetters, br = wordBreak;
    const struct {
        const char* text;
        std::vector<LetterSet> spaced; // empty: breaks are free
        const char* message = "";
    } cases[] = {
        {"(2,1)", {any, any, br, any}},
        {" 2-1 ", {any, any, br, any}},
        {"(3)", {any, any, any}},
        {"a? b", {letter('a'), any, br, letter('b')}},
        {"a*  *b", {letter('a'), anyRun, br, anyRun, letter('b')}},
        {" ab? ", {}},
        {"(2,,1)", {}, "Not understood: ',' at 3 has no word length after it."},
        {"(2,)", {}, "Not understood: ',' at 3 has no word length after it."},
        {"(2,1", {}, "Not understood: '(' at 1 has no closing ')'."},
        {"2,1)", {}, "Not understood: ')' at 4 has no opening '('."},
        {"(0)", {}, "Not understood: '0' at 2 is no word length."},
        {"(2)x", {}, "Not understood: 'x' at 4."},
        {"(60,41)", {}, "Not understood: '4' at 5 makes a phrase of more than 100 letters."},
        {"ab1", {}, "Not understood: '1' at 3 belongs only in an enumeration such as (5,2,4)."},
    };
    for (const auto& c : cases) {
        const ParsedQuery parsed = parseQuery(SolveMode::Pattern, c.text, true);
        EXPECT_EQ(parsed.message, c.message) << c.text;
        if (!parsed.query) continue;
        EXPECT_EQ(parsed.query->spaced, c.spaced) << c.text;
        if (c.spaced.empty()) continue;
        // The index's pattern: the breaks out, '*' once in a row.
        std::vector<LetterSet> unspaced = c.spaced;
        std::erase(unspaced, wordBreak);
        unspaced.erase(std::unique(unspaced.begin(), unspaced.end(),
                                   [](LetterSet a, LetterSet b) { return a == anyRun && b == anyRun; }),
                       unspaced.end());
        EXPECT_EQ(parsed.query->pattern, unspaced) << c.text;
    }
    // Without phrases, as before.
    EXPECT_EQ(parseQuery(SolveMode::Pattern, "(5,2,4)").message, "Not understood: '(' at 1.");
    EXPECT_TRUE(parseQuery(SolveMode::Pattern, "a? b").query->spaced.empty());
}

TEST(SolverQuery, MatchesPhrasesByTheirBreaks)
{
    const struct {
        const char* query;
        const char* word;
        bool matches;
    } cases[] = {
        {"(5,2,4)", "piece of cake", true},
        {"5-2-4", "piece-of_cake", true},
        {"(5,6)", "piece of cake", false},
        {"(11)", "piece of cake", false},
        {"???????????", "piece of cake", true},
        {"p???? ?? ????", "Piece of Cake", true},
        {"p???? ??????", "piece of cake", false},
        {"* of cake", "piece of cake", true},
        {"* cake", "piece of cake", false}, // '*' runs over letters only
        {"(1,3)", "x-ray", true},
        {"(4)", "x-ray", false},
        {"(1,3)", "x - ray", true},
        {"(2,1)", "ab 'c", true},
    };
    for (const auto& c : cases) {
        const ParsedQuery parsed = parseQuery(SolveMode::Pattern, c.query, true);
        ASSERT_TRUE(parsed.query) << c.query;
        EXPECT_EQ(matchesSpaced(*parsed.query, foldedSpaced(c.word)), c.matches) << c.query << " / " << c.word;
    }
}

TEST(SolverQuery, LabelsTheCountAndTheLengths)
{
    const FakeNumberFormat numbers;
    const auto solutions = [](std::vector<LengthCount> lengths) {
        Solutions made;
        for (const LengthCount& length : lengths) made.indices.resize(made.indices.size() + length.count);
        made.lengths = std::move(lengths);
        return made;
    };
    EXPECT_EQ(solutionsLabel(solutions({{5, 30}, {6, 1204}}), 20000, numbers),
              "1,234 solutions: 5 letters 30, 6 letters 1,204.");
    EXPECT_EQ(solutionsLabel(solutions({{1, 2}, {7, 1}}), 20000, numbers), "3 solutions: 1 letter 2, 7 letters 1.");
    EXPECT_EQ(solutionsLabel(solutions({{5, 1}}), 20000, numbers), "1 solution.");
    EXPECT_EQ(solutionsLabel(solutions({}), 20000, numbers), "No solutions.");
    EXPECT_EQ(solutionsLabel(solutions({{9, 12345}}), 10000, numbers), "12,345 solutions. The first 10,000 are listed.");
}

} // namespace
} // namespace verbalia::solver
