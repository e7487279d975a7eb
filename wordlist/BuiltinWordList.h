#pragma once

#include <string>
#include <vector>

namespace verbalia {

// The 938 common English words that stand in when there is no wordlist.dat,
// in ascending list order.
std::vector<std::string> builtinWordList();

} // namespace verbalia
