#pragma once

#include "SearchRules.h"
#include "text/LineText.h"
#include "wordlist/WordStore.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace verbalia {

// Tests the known words begin .. end-1 and appends each match's result line.
template <class Matcher>
void scanRange(const WordStore& list, std::size_t begin, std::size_t end, const Matcher& matcher,
               std::vector<std::string>& results)
{
    list.forEach(begin, end, [&](std::string_view word) {
        if (matcher.matches(word)) results.emplace_back(matcher.result(word));
    });
}

// Tests the lines of a run of complete lines (as forEachLineWithEdges takes)
// that the matcher's edges let through, and calls match(line) for each match.
template <class Matcher, class Match>
void scanLines(std::string_view lines, const Matcher& matcher, Match&& match)
{
    forEachLineWithEdges(lines, matcher.lineEdges(), [&](std::string_view line) {
        if (matcher.matches(line)) match(line);
    });
}

// A search's criteria checks passed or refused, whatever its matcher: what a
// window needs to run any search the same way.
struct PreparedScan {
    using Scan = std::function<void(const WordStore&, std::size_t begin, std::size_t end, std::vector<std::string>&)>;
    Scan scan;                            // set when the search may run
    std::string refusal;                  // the message when it may not
    std::optional<std::string> exclusion; // as in Prepared
};

template <class Matcher>
PreparedScan preparedScan(Prepared<Matcher> prepared)
{
    PreparedScan result{{}, std::move(prepared.refusal), std::move(prepared.exclusion)};
    if (prepared.matcher)
        result.scan = [matcher = std::move(*prepared.matcher)](const WordStore& list, std::size_t begin,
                                                               std::size_t end, std::vector<std::string>& lines) {
            scanRange(list, begin, end, matcher, lines);
        };
    return result;
}

} // namespace verbalia
