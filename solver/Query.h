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

inline bool holds(LetterSet set, char letter) { return (set >> (letter - 'a')) & 1u; }

// A query understood; words are matched by their folded letters (Fold.h).
struct SolverQuery {
    SolveMode mode = SolveMode::Pattern;
    // Pattern: one set per letter of the word, anyRun for each '*' (never
    // two in a row).
    std::vector<LetterSet> pattern;
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
// are ignored; letters are folded.
ParsedQuery parseQuery(SolveMode mode, std::string_view text);

// Whether a word, given as its folded letters, answers the query. A word
// without letters answers none.
bool matchesFolded(const SolverQuery& query, std::string_view letters);

} // namespace verbalia::solver
