#include "app/core/History.h"

#include "text/TextHelpers.h"
#include "text/LineText.h"

namespace verbalia {

History parseHistory(std::string_view bytes)
{
    History history;
    forEachLine(bytes, [&](std::string_view line) {
        if (history.size() < maxHistoryEntries) history.emplace_back(line.substr(0, maxHistoryEntryLength));
    });
    return history;
}

std::string serializeHistory(const History& history)
{
    return joinLinesCrLf(history.size() <= maxHistoryEntries
                             ? history
                             : History(history.begin(), history.begin() + maxHistoryEntries));
}

int Find_History_Entry(const History& history, std::string_view text, bool exact)
{
    for (std::size_t i = 0; i < history.size(); ++i) {
        const std::string& entry = history[i];
        if (exact ? entry == text : equalsIgnoringAsciiCase(entry, text))
            return int(i);
    }
    return -1;
}

void Add_To_History(History& history, std::string_view text, bool exact)
{
    text = text.substr(0, maxHistoryEntryLength);
    const int i = Find_History_Entry(history, text, exact);
    if (i == 0) return; // already on top, in its own letter case
    if (i > 0) history.erase(history.begin() + i);
    history.insert(history.begin(), std::string(text));
    if (history.size() > maxHistoryEntries) history.resize(maxHistoryEntries);
}

} // namespace verbalia
