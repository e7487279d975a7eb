#pragma once

#include "WordStore.h"

#include <string_view>

namespace verbalia {

class Collation;

struct KnownWordLocation {
    long long found = -1;    // index of an equal entry, or -1
    long long insertion = 0; // where the word keeps the list in order (when not found)
};

// Binary search of a list in ascending collation order.
KnownWordLocation Locate_Known_Word(const WordStore& list, std::string_view word, const Collation& collation);

} // namespace verbalia
