#pragma once

#include "NumberFormat.h"

#include <memory>

namespace verbalia {

// Counts in the user's default locale, as it is when the object is made.
// Without a locale of the user's own (the POSIX locale) counts are written
// as in English: 12,345.
class IcuNumberFormat final : public NumberFormat {
public:
    IcuNumberFormat();
    ~IcuNumberFormat() override;
    std::string formatCount(std::int64_t count) const override;

private:
    // Opened once: a harvest shows a count after every word it adds.
    // ICU's UNumberFormat* (a void**).
    struct Closer { void operator()(void** format) const; };
    std::unique_ptr<void*, Closer> m_format;
};

} // namespace verbalia
