#include "ListOrder.h"

#include "platform/Collation.h"

#include <algorithm>

namespace verbalia {

bool inListOrder(std::string_view a, std::string_view b, const Collation& collation)
{
    const int order = collation.compare(a, b);
    return order != 0 ? order < 0 : a < b;
}

void sortInListOrder(std::vector<std::string>& words, const Collation& collation)
{
    std::sort(words.begin(), words.end(), [&collation](const std::string& a, const std::string& b) {
        return inListOrder(a, b, collation);
    });
}

} // namespace verbalia
