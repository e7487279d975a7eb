#pragma once

#include <cstddef>

namespace verbalia {

// A run over a number of items (words of a search, lines of a harvest) shows
// its progress and lets events through once every this many items.
inline std::size_t progressStep(std::size_t itemCount) { return itemCount / 100 + 1; }

} // namespace verbalia
