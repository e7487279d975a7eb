#pragma once

#include <cstdint>
#include <string_view>

namespace verbalia {

// The order of the known word list: the user's locale, case ignored, hyphens
// and apostrophes lighter than letters. Two words compare equal only when
// they are the same word ignoring case.
class Collation {
public:
    virtual ~Collation() = default;

    // Negative, zero or positive as a sorts before, with or after b.
    virtual int compare(std::string_view a, std::string_view b) const = 0;

    // A hash that words comparing equal always share (others may share it
    // too): what finds a word's equals in a list in any order.
    virtual std::uint64_t equalityHash(std::string_view word) const = 0;
};

} // namespace verbalia
