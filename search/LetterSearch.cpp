#include "LetterSearch.h"

#include "text/TextHelpers.h"

#include <algorithm>

namespace verbalia {

namespace {
constexpr const char* emptyCriteria = "You need to enter some letters to search for.";

std::size_t code(char c) { return static_cast<unsigned char>(c); }
} // namespace

Prepared<LetterMatcher> prepareLetterSearch(const SearchInput& input, LetterMode mode)
{
    if (input.criteria.empty()) return refuse<LetterMatcher>(emptyCriteria);
    if (!isLettersOnly(input.criteria)) return refuse<LetterMatcher>(message::onlyLetters);
    std::string letters = lowerAscii(input.criteria);

    if (mode == LetterMode::ExactCount) {
        if (letters.size() < std::size_t(input.range.lower)) return refuse<LetterMatcher>(message::belowMinimumLength);
        if (letters.size() > std::size_t(input.range.upper)) return refuse<LetterMatcher>(message::aboveMaximumLength);
    }

    std::string exclusion = lowerAscii(input.exclusion);
    const bool usesExclusion = mode == LetterMode::ContainsAll || mode == LetterMode::OnlyThese;
    if (usesExclusion && !exclusion.empty()) {
        if (std::string refusal = checkExclusion(exclusion, letters); !refusal.empty())
            return refuse<LetterMatcher>(std::move(refusal), std::move(exclusion));
    }

    LetterMatcher matcher;
    for (char c : letters) {
        if (matcher.m_letterCount[code(c)]++ == 0) matcher.m_distinct += c;
    }
    if ((mode == LetterMode::OnlyThese || mode == LetterMode::ExactCount) && matcher.m_distinct.size() <= 4)
        matcher.m_edges = {matcher.m_distinct, matcher.m_distinct};
    matcher.m_letters = std::move(letters);
    matcher.m_mode = mode;
    if (usesExclusion) matcher.m_exclusion.add(exclusion);
    matcher.m_range = input.range;
    return {std::move(matcher), {}, std::move(exclusion)};
}

bool LetterMatcher::matches(std::string_view word) const
{
    if (!m_range.contains(word.size())) return false;
    // An anagram has the letters' length; checked first as it rejects most words.
    if (m_mode == LetterMode::ExactCount && word.size() != m_letters.size()) return false;
    // A repeated letter would only be found again, so each is looked for once.
    for (char letter : m_distinct) {
        if (word.find(letter) == std::string_view::npos) return false;
    }
    switch (m_mode) {
    case LetterMode::None:
    case LetterMode::ContainsAll:
        break;
    case LetterMode::OnlyThese:
        for (char c : word) {
            if (m_letterCount[code(c)] == 0) return false;
        }
        break;
    case LetterMode::ExactCount:
        for (char c : word) {
            if (std::count(word.begin(), word.end(), c) != m_letterCount[code(c)]) return false;
        }
        break;
    }
    return m_exclusion.empty() || !m_exclusion.containsAnyOf(word);
}

} // namespace verbalia
