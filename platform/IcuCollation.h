#pragma once

#include "Collation.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

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
    // From the primary weights of each character: case, accents and the
    // expansions of letters such as æ (a e) weigh nothing in it.
    std::uint64_t equalityHash(std::string_view word) const override;

private:
    struct Closer { void operator()(UCollator* c) const; };
    std::unique_ptr<UCollator, Closer> m_shifted;
    std::unique_ptr<UCollator, Closer> m_counted;
    std::array<std::uint32_t, 257> m_weightStart{}; // each code-page byte's run in m_weights
    std::vector<std::uint32_t> m_weights;           // primary weights, none for an ignorable character
};

} // namespace verbalia
