#pragma once

#include "text/ProgressStep.h"
#include "text/TextHelpers.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace verbalia {

// What every search shares: the length range, the exclusion list and the
// outcome of the criteria checks.

struct LengthRange {
    int lower = 1;
    int upper = 50;
    bool contains(std::size_t length) const
    {
        return length >= std::size_t(lower) && length <= std::size_t(upper);
    }
};

// The letter search's mode.
enum class LetterMode {
    None,        // no mode chosen: tests as ContainsAll, never excludes
    ContainsAll, // each letter at least once, other characters allowed
    OnlyThese,   // only these letters, each at least once
    ExactCount   // the same letters the same number of times: anagrams
};

// The criteria of one run as the window holds them.
struct SearchInput {
    std::string_view criteria;  // trimmed
    std::string_view exclusion; // the exclusion list as typed
    LengthRange range;
    LetterMode letterMode = LetterMode::None; // read by the letter search alone
};

// The outcome of a search's criteria checks.
template <class Matcher>
struct Prepared {
    std::optional<Matcher> matcher;       // set when the search may run
    std::string refusal;                  // the message when it may not
    std::optional<std::string> exclusion; // the lower-cased exclusion list, once its check was reached
};

template <class Matcher>
Prepared<Matcher> refuse(std::string message, std::optional<std::string> exclusion = std::nullopt)
{
    return {std::nullopt, std::move(message), std::move(exclusion)};
}

namespace message {
inline constexpr const char* excludedNotLetters = "The list of excluded letters contained some non-alphabetic characters.";
inline constexpr const char* criteriaHoldExcluded = "The search criteria contain letter(s) that are in the list of excluded letters.";
inline constexpr const char* belowMinimumLength = "The number of letters to search for is less than the minimum word length allowed.";
inline constexpr const char* aboveMaximumLength = "The number of letters to search for is greater than the maximum word length allowed.";
inline constexpr const char* onlyLetters = "Only alphabetic letters A-Z or a-z are allowed in the search criteria.";
} // namespace message

// The exclusion list checks for a non-empty, lower-cased list: a refusal
// message, or the empty text when the list may be used.
std::string checkExclusion(std::string_view exclusion, std::string_view criteria);

} // namespace verbalia
