#include "SearchRules.h"

#include "text/TextHelpers.h"

namespace verbalia {

std::string checkExclusion(std::string_view exclusion, std::string_view criteria)
{
    if (!isLettersOnly(exclusion)) return message::excludedNotLetters;
    if (Contains_Any_Of(criteria, exclusion)) return message::criteriaHoldExcluded;
    return {};
}

} // namespace verbalia
