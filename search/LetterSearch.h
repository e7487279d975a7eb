#pragma once

#include "SearchRules.h"
#include "text/LineText.h"

#include <array>
#include <string>
#include <string_view>

namespace verbalia {

class LetterMatcher {
public:
    bool matches(std::string_view word) const;
    std::string_view result(std::string_view word) const { return word; }
    // Words of only these letters begin and end with one of them.
    const LineEdges& lineEdges() const { return m_edges; }

private:
    friend Prepared<LetterMatcher> prepareLetterSearch(const SearchInput& input, LetterMode mode);

    std::string m_letters; // lower-cased criteria
    std::string m_distinct; // each letter of m_letters once, in order of first occurrence
    std::array<int, 256> m_letterCount{}; // occurrences in m_letters, by character code
    LetterMode m_mode = LetterMode::ContainsAll;
    CharacterSet m_exclusion; // empty where the mode does not use it
    LengthRange m_range;
    LineEdges m_edges;
};

Prepared<LetterMatcher> prepareLetterSearch(const SearchInput& input, LetterMode mode);

} // namespace verbalia
