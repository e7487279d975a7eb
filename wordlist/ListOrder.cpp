#include "ListOrder.h"

#include "platform/Collation.h"

#include <algorithm>

namespace verbalia {

void sortInListOrder(std::vector<std::string>& words, const Collation& collation)
{
    std::sort(words.begin(), words.end(), [&collation](const std::string& a, const std::string& b) {
        const int order = collation.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

} // namespace verbalia
