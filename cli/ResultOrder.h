#pragma once

#include "Command.h"
#include "WordArena.h"

#include "lexicon/CommonnessLevels.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace verbalia {

// The invocation's levels file: --levels, else the one beside the program.
std::string levelsFile(const Invocation& invocation);
// Reads it: false, with the loader's message on err, when it cannot be loaded.
bool loadLevels(const Invocation& invocation, std::optional<CommonnessLevels>& levels, std::ostream& err);

// The order a search lists its matches in, and the words --common keeps: in
// list order each match is listed as found; commonest first, they are
// gathered and listed at the end.
class ResultOrder {
public:
    // Takes the invocation's --order, --common and --levels. The levels file
    // is read only for --order common or --common: false, with the loader's
    // message on err, when it cannot be loaded.
    bool load(const Invocation& invocation, std::ostream& err);

    bool gathers() const { return m_commonFirst; }
    // Whether a match listed as found is kept.
    bool keeps(std::string_view word) const { return m_limit == Level::none || m_levels->levelOf(word) <= m_limit; }

    void gather(std::string_view word) { m_gathered.append(word); }
    void restart() { m_gathered.clear(); }
    // Calls visit(word) for each gathered word kept, commonest first, then in list order.
    template <class Visit>
    void forEachGathered(Visit&& visit) const;

private:
    std::optional<CommonnessLevels> m_levels;
    Level m_limit = Level::none; // none keeps every word
    bool m_commonFirst = false;
    WordArena m_gathered;
};

template <class Visit>
void ResultOrder::forEachGathered(Visit&& visit) const
{
    std::vector<std::size_t> starts = m_gathered.starts<std::size_t>();
    const auto wordOf = [this](std::size_t start) { return m_gathered.word(start); };
    if (m_limit != Level::none) m_levels->keepWithin(starts, m_limit, wordOf);
    m_levels->orderByLevel(starts, wordOf);
    for (const std::size_t start : starts) visit(m_gathered.word(start));
}

} // namespace verbalia
