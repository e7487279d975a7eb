#pragma once

#include "Collation.h"

#include <memory>

struct UCollator;

namespace verbalia {

// The list collation on ICU with the user's default locale. Words are first
// compared at secondary strength with punctuation shifted out (case ignored,
// "x-ray" among the xr words); a tie is broken by the same comparison with
// punctuation counted, so "coop" and "co-op" stay two words while "Apple"
// and "apple" are one.
class IcuCollation final : public Collation {
public:
    IcuCollation();
    ~IcuCollation() override;
    int compare(std::string_view a, std::string_view b) const override;

private:
    struct Closer { void operator()(UCollator* c) const; };
    std::unique_ptr<UCollator, Closer> m_shifted;
    std::unique_ptr<UCollator, Closer> m_counted;
};

} // namespace verbalia
