#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbalia::solver {

// What a query asks: the words that fit a pattern, the anagrams of the given
// letters, or the words made from some of them.
enum class SolveMode { Pattern, Anagram, MadeFrom };

// A set of the letters a-z: bit i stands for 'a' + i.
using LetterSet = std::uint32_t;
inline constexpr LetterSet allLetters = (1u << 26) - 1;
inline constexpr LetterSet vowels = 1u << 0 | 1u << ('e' - 'a') | 1u << ('i' - 'a') | 1u << ('o' - 'a') | 1u << ('u' - 'a');
inline constexpr LetterSet consonants = allLetters & ~vowels;
// In a pattern, '*': any run of letters, the empty run included.
inline constexpr LetterSet anyRun = 0;
// In a spaced pattern, where one word of a phrase ends and the next begins.
inline constexpr LetterSet wordBreak = 1u << 26;

inline bool holds(LetterSet set, char letter) { return (set >> (letter - 'a')) & 1u; }

// A query understood; words are matched by their folded letters (Fold.h).
struct SolverQuery {
    SolveMode mode = SolveMode::Pattern;
    // Pattern: one set per letter of the word, anyRun for each '*' (never
    // two in a row).
    std::vector<LetterSet> pattern;
    // With phrases, a pattern given with spaces or as an enumeration: the
    // pattern with wordBreak where the breaks must fall (no '*' runs over
    // one); empty when breaks are free.
    std::vector<LetterSet> spaced;
    // Anagram and Made From: how often each letter is given, and the blanks.
    std::array<std::size_t, 26> counts{};
    std::size_t letters = 0;
    std::size_t blanks = 0;
};

// A query parsed: either the query, or the message saying what is not
// understood; neither when the text holds nothing to search for.
struct ParsedQuery {
    std::optional<SolverQuery> query;
    std::string message;
};

// The text is Windows-1252, as the list is. Spaces, hyphens and apostrophes
// are ignored; letters are folded. With phrases, a pattern may also be an
// enumeration, "(5,2,4)" or "5,2,4" ('-' as ','), and spaces between its
// items mark where the breaks must fall ("p???? ?? ????").
ParsedQuery parseQuery(SolveMode mode, std::string_view text, bool phrases = false);

// Whether a word, given as its folded letters, answers the query. A word
// without letters answers none.
bool matchesFolded(const SolverQuery& query, std::string_view letters);

// A word's letters with one ' ' where its words break (a space, a hyphen or
// an underscore between letters): "piece of cake", "x ray".
std::string foldedSpaced(std::string_view word);

// Whether a word, given by foldedSpaced, answers the query, its breaks
// where the spaced pattern has them when it has one.
bool matchesSpaced(const SolverQuery& query, std::string_view spacedLetters);

} // namespace verbalia::solver
