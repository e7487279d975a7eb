#pragma once

#include "NumberFormat.h"

namespace verbalia {

// Counts in the user's default locale. Without a locale of the user's own
// (the POSIX locale) counts are written as in English: 12,345.
class IcuNumberFormat final : public NumberFormat {
public:
    std::string formatCount(std::int64_t count) const override;
};

} // namespace verbalia
