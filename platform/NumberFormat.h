#pragma once

#include <cstdint>
#include <string>

namespace verbalia {

// Whole numbers as the user writes them: thousands separator, no decimals.
class NumberFormat {
public:
    virtual ~NumberFormat() = default;
    virtual std::string formatCount(std::int64_t count) const = 0;
};

} // namespace verbalia
