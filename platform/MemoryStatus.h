#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace verbalia {

// The system's memory in KiB: physical memory and the swap space behind it.
// Both totals together are never 0.
struct MemoryFigures {
    std::uint64_t physicalTotal = 0;
    std::uint64_t physicalAvailable = 0;
    std::uint64_t swapTotal = 0;
    std::uint64_t swapAvailable = 0;
};

class MemoryStatus {
public:
    virtual ~MemoryStatus() = default;

    // The figures now, or nothing when the system does not tell them.
    virtual std::optional<MemoryFigures> read() const = 0;
};

// The figures of a /proc/meminfo text: MemTotal, MemAvailable, SwapTotal and
// SwapFree (a missing swap line counts as no swap). Nothing without a
// nonzero MemTotal and a MemAvailable.
std::optional<MemoryFigures> parseMeminfo(std::string_view text);

// Reads /proc/meminfo.
class ProcMemoryStatus final : public MemoryStatus {
public:
    std::optional<MemoryFigures> read() const override;
};

} // namespace verbalia
