#include "ListSearch.h"

#include "search/WildcardSearch.h"

namespace verbalia {

Command wildcardCommand()
{
    return {"wildcard",
            "Words that fit PATTERN: '?' is one character,\n"
            "a single '*' any run of characters",
            "PATTERN",
            false,
            true,
            {},
            [](const Invocation& invocation, std::ostream& out, std::ostream& err) {
                return runSearch(prepareWildcardSearch, invocation, out, err);
            }};
}

} // namespace verbalia
