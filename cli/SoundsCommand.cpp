#include "ListSearch.h"

#include "search/PhoneticSearch.h"

namespace verbalia {

Command soundsCommand()
{
    return {"sounds",
            "Words that sound like WORD, listed in lower case",
            "WORD",
            false,
            true,
            {},
            [](const Invocation& invocation, std::ostream& out, std::ostream& err) {
                return runSearch(preparePhoneticSearch, invocation, out, err);
            }};
}

} // namespace verbalia
