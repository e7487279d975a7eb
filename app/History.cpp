#include "app/History.h"

#include "text/TextHelpers.h"
#include "text/LineText.h"

namespace verbalia {

History parseHistory(std::string_view bytes)
{
    History history = splitLines(bytes);
    for (std::string& entry : history)
        if (entry.size() > maxHistoryEntryLength) entry.resize(maxHistoryEntryLength);
    return history;
}

std::string serializeHistory(const History& history) { return joinLinesCrLf(history); }

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
}

} // namespace verbalia
