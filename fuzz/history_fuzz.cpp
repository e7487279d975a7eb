// The history files: any bytes read as a history save and read back to the
// same entries, and Add_To_History keeps its promises.

#include "FuzzSupport.h"
#include "app/core/History.h"

#include <algorithm>

using namespace verbalia;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::InputReader input(data, size);
    const bool exact = input.byte() % 2 == 1;
    const std::string piece(input.piece());
    const std::string text = piece.substr(0, maxHistoryEntryLength); // what a history keeps of it
    History history = parseHistory(input.rest());
    fuzz::check(parseHistory(serializeHistory(history)) == history);

    const History before = history;
    const int found = Find_History_Entry(before, text, exact);
    fuzz::check(found >= -1 && found < int(before.size()));
    Add_To_History(history, piece, exact);
    if (found == 0) {
        fuzz::check(history == before);
    } else {
        fuzz::check(history.front() == text);
        fuzz::check(history.size() == std::min(before.size() + (found < 0 ? 1 : 0), maxHistoryEntries));
    }
    fuzz::check(Find_History_Entry(history, text, exact) == 0);
    return 0;
}
