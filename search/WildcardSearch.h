#pragma once

#include "SearchRules.h"
#include "text/LineText.h"

#include <string>
#include <string_view>

namespace verbalia {

// Words that fit a pattern where '?' stands for one character and a single
// '*' for a run of characters, the empty run included. A character the code
// page lacks (typed as codepage::substitute) is in no word: such a pattern
// matches nothing.
class WildcardMatcher {
public:
    bool matches(std::string_view word) const
    {
        // Cheapest first, inline: for a pattern that begins with a letter
        // most words fail on their first character.
        if (m_hasFirst && (word.empty() || word[0] != m_first)) return false;
        return matchesPastFirst(word);
    }
    std::string_view result(std::string_view word) const { return word; }
    // The pattern's first and last characters where they are no wildcard.
    const LineEdges& lineEdges() const { return m_edges; }

private:
    friend Prepared<WildcardMatcher> prepareWildcardSearch(const SearchInput& input);

    bool matchesPastFirst(std::string_view word) const;

    std::string m_pattern;  // lower-cased
    bool m_asterisk = false;
    bool m_matchAll = false; // the pattern is "*"
    bool m_matchNone = false; // the pattern holds a character the code page lacks
    std::string m_prefix, m_suffix;
    bool m_hasFirst = false; // the pattern begins with a character to match
    char m_first = 0;
    CharacterSet m_exclusion;
    LengthRange m_range;
    LineEdges m_edges;
};

Prepared<WildcardMatcher> prepareWildcardSearch(const SearchInput& input);

} // namespace verbalia
