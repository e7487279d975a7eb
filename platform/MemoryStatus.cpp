#include "MemoryStatus.h"

#include "text/LineText.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace verbalia {
namespace {

// The number after "Name:" on a line of the form "Name:   1234 kB".
std::optional<std::uint64_t> valueOf(std::string_view line, std::string_view name)
{
    if (line.size() <= name.size() || line.substr(0, name.size()) != name || line[name.size()] != ':')
        return std::nullopt;
    line.remove_prefix(name.size() + 1);
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (error != std::errc{}) return std::nullopt;
    return value;
}

} // namespace

std::optional<MemoryFigures> parseMeminfo(std::string_view text)
{
    std::optional<std::uint64_t> total, available, swapTotal, swapFree;
    forEachLine(text, [&](std::string_view line) {
        for (auto [name, field] : {std::pair{"MemTotal", &total}, {"MemAvailable", &available},
                                   {"SwapTotal", &swapTotal}, {"SwapFree", &swapFree}}) {
            if (auto value = valueOf(line, name)) *field = value;
        }
    });
    if (!total || *total == 0 || !available) return std::nullopt;
    return MemoryFigures{*total, *available, swapTotal.value_or(0), swapFree.value_or(0)};
}

std::optional<MemoryFigures> ProcMemoryStatus::read() const
{
    std::ifstream file("/proc/meminfo");
    std::ostringstream text;
    text << file.rdbuf();
    return parseMeminfo(text.str());
}

} // namespace verbalia
