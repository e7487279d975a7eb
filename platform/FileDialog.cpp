#include "FileDialog.h"

#include <vector>

namespace verbalia {

std::string dialogNameFilters(std::string_view filter)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string_view::npos ? bar : bar - start));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    std::string filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (!filters.empty()) filters += ";;";
        std::string patterns(parts[i + 1]);
        for (char& c : patterns)
            if (c == ';') c = ' ';
        if (patterns == "*.*") patterns = "*";
        filters += std::string(parts[i]) + " (" + patterns + ")";
    }
    return filters;
}

} // namespace verbalia
