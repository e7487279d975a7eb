#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace verbalia {

// A search history: the criteria of earlier searches, most recent first.
using History = std::vector<std::string>;

// The longest entry kept, in characters: a longer text is cut to it when read
// or added, so a huge line cannot stall the drop-down list.
constexpr std::size_t maxHistoryEntryLength = 1000;

// The most entries kept, newest first: older ones are dropped when read,
// written or pushed down by a new one.
constexpr std::size_t maxHistoryEntries = 1000;

// The history file's lines (CR LF, lone CR and lone LF end a line; a NUL ends
// the text), and the file's bytes: every entry followed by CR LF.
History parseHistory(std::string_view bytes);
std::string serializeHistory(const History& history);

// Index of the first entry equal to the text (byte for byte when exact, else
// with a-z taken as A-Z), or -1.
int Find_History_Entry(const History& history, std::string_view text, bool exact);

// Puts the text (cut to the longest entry kept) on top. An equal entry already on top stays as it is; an
// equal entry further down is removed first; past the most entries kept, the oldest goes.
void Add_To_History(History& history, std::string_view text, bool exact);

} // namespace verbalia
