#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace verbalia {

class Collation;

// Puts words in the known word list's order: ascending under the collation,
// and words it holds equal (the same word in another case) by their bytes, so
// the outcome does not depend on the order they came in. Nothing is dropped.
void sortInListOrder(std::vector<std::string>& words, const Collation& collation);

// True when a comes before b in that order.
bool inListOrder(std::string_view a, std::string_view b, const Collation& collation);

} // namespace verbalia
