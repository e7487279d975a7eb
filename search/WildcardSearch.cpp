#include "WildcardSearch.h"

#include "platform/CodePage.h"
#include "text/TextHelpers.h"

namespace verbalia {

namespace {
constexpr const char* emptyCriteria =
    "You need to enter some letters and/or one or more '?' (question mark) wildcards or a single '*' "
    "(asterisk) wildcard as search criteria.";
constexpr const char* noWildcard =
    "You need to enter at least one '?' (question mark) wildcard or a single '*' (asterisk) wildcard for this search.";
constexpr const char* mixedWildcards =
    "You can only enter one one more '?' (question mark) wildcards or a single '*' (asterisk) for each search "
    "in this version of the program.\n\n"
    "i.e. You cannot mix and match '*' and '?' in a single search in this version of the program.";
constexpr const char* severalAsterisks =
    "You can only enter a single '*' (asterisk) wildcard for each search in this version of the program.";
} // namespace

Prepared<WildcardMatcher> prepareWildcardSearch(const SearchInput& input)
{
    if (input.criteria.empty()) return refuse<WildcardMatcher>(emptyCriteria);

    std::string pattern = lowerAscii(input.criteria);
    const bool hasAsterisk = pattern.find('*') != std::string::npos;
    const bool hasQuestion = pattern.find('?') != std::string::npos;
    if (!hasAsterisk && !hasQuestion) return refuse<WildcardMatcher>(noWildcard);
    if (hasAsterisk && hasQuestion) return refuse<WildcardMatcher>(mixedWildcards);
    if (Count_Occurrences(pattern, "*") >= 2) return refuse<WildcardMatcher>(severalAsterisks);

    std::string exclusion = lowerAscii(input.exclusion);
    if (!exclusion.empty()) {
        if (std::string refusal = checkExclusion(exclusion, pattern); !refusal.empty())
            return refuse<WildcardMatcher>(std::move(refusal), std::move(exclusion));
    }
    if (hasQuestion) {
        if (pattern.size() < std::size_t(input.range.lower))
            return refuse<WildcardMatcher>(message::belowMinimumLength, std::move(exclusion));
        if (pattern.size() > std::size_t(input.range.upper))
            return refuse<WildcardMatcher>(message::aboveMaximumLength, std::move(exclusion));
    }

    WildcardMatcher matcher;
    matcher.m_asterisk = hasAsterisk;
    matcher.m_matchAll = pattern == "*";
    matcher.m_matchNone = pattern.find(codepage::substitute) != std::string::npos;
    if (hasAsterisk) {
        const std::size_t star = pattern.find('*');
        matcher.m_prefix = pattern.substr(0, star);
        matcher.m_suffix = pattern.substr(star + 1);
    }
    matcher.m_hasFirst = pattern[0] != '?' && pattern[0] != '*';
    matcher.m_first = pattern[0];
    if (matcher.m_hasFirst) matcher.m_edges.first = pattern.front();
    if (pattern.back() != '?' && pattern.back() != '*') matcher.m_edges.last = pattern.back();
    if (!hasAsterisk) matcher.m_edges.length = pattern.size();
    matcher.m_pattern = std::move(pattern);
    matcher.m_exclusion.add(exclusion);
    matcher.m_range = input.range;
    return {std::move(matcher), {}, std::move(exclusion)};
}

namespace {
// Whether text begins with the affix, byte by byte: for the few bytes of a
// pattern's ends a call to memcmp costs more than the comparing.
bool sameBytes(std::string_view text, std::string_view affix)
{
    for (std::size_t i = 0; i < affix.size(); ++i) {
        if (text[i] != affix[i]) return false;
    }
    return true;
}
} // namespace

bool WildcardMatcher::matchesPastFirst(std::string_view word) const
{
    if (m_matchNone || !m_range.contains(word.size())) return false;
    if (m_asterisk) {
        if (!m_matchAll && (word.size() < m_prefix.size() + m_suffix.size() || !sameBytes(word, m_prefix) ||
                            !sameBytes(word.substr(word.size() - m_suffix.size()), m_suffix)))
            return false;
    } else {
        if (word.size() != m_pattern.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (m_pattern[i] != '?' && m_pattern[i] != word[i]) return false;
        }
    }
    return m_exclusion.empty() || !m_exclusion.containsAnyOf(word);
}

} // namespace verbalia
