#include "KnownWordLookup.h"

#include "platform/Collation.h"

namespace verbalia {

KnownWordLocation Locate_Known_Word(const WordStore& list, std::string_view word, const Collation& collation)
{
    KnownWordLocation location;
    if (list.empty()) return location;

    long long low = 0;
    long long high = static_cast<long long>(list.size()) - 1;
    while (low <= high) {
        const long long middle = (low + high) / 2;
        const int order = collation.compare(word, list.at(std::size_t(middle)));
        if (order == 0) {
            location.found = middle;
            return location;
        }
        if (order < 0)
            high = middle - 1;
        else
            low = middle + 1;
    }
    location.insertion = high + 1;
    return location;
}

} // namespace verbalia
