#include "PhoneticSearch.h"

#include "PhoneticKey.h"
#include "text/TextHelpers.h"

namespace verbalia {

namespace {
constexpr const char* emptyCriteria = "You need to enter a word, so I can find words that sound similar.";
} // namespace

Prepared<PhoneticMatcher> preparePhoneticSearch(const SearchInput& input)
{
    if (input.criteria.empty()) return refuse<PhoneticMatcher>(emptyCriteria);
    if (!isLettersOnly(input.criteria)) return refuse<PhoneticMatcher>(message::onlyLetters);

    std::string exclusion = lowerAscii(input.exclusion);
    if (!exclusion.empty()) {
        if (std::string refusal = checkExclusion(exclusion, lowerAscii(input.criteria)); !refusal.empty())
            return refuse<PhoneticMatcher>(std::move(refusal), std::move(exclusion));
    }

    // Known words are upper-cased before they are keyed, so a one-letter base
    // word is too: "a" and "A" both find the words a and A. Longer words key
    // alike in either case.
    PhoneticMatcher matcher;
    matcher.m_baseKey = Phonetic_Key(upperAscii(input.criteria));
    matcher.m_initial = matcher.m_baseKey[0];
    matcher.m_edges.first = {matcher.m_initial, lowerAscii(matcher.m_initial)};
    matcher.m_exclusion.add(exclusion);
    matcher.m_exclusion.add(upperAscii(exclusion));
    matcher.m_range = input.range;
    return {std::move(matcher), {}, std::move(exclusion)};
}

bool PhoneticMatcher::matches(std::string_view word) const
{
    if (word.empty() || upperAscii(word[0]) != m_initial) return false;
    if (!m_range.contains(word.size())) return false;
    char key[4];
    if (std::string_view(key, upperPhoneticKey(word, key)) != m_baseKey) return false;
    // The word is compared lower-cased: the set holds the excluded letters in both cases.
    return !m_exclusion.containsAnyOf(word);
}

std::string PhoneticMatcher::result(std::string_view word) const { return lowerAscii(word); }

} // namespace verbalia
