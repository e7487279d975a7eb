#pragma once

#include "WordStore.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbalia {

class Collation;
class NumberFormat;

// Harvesting: the distinct words of a text that the known word list does not
// hold yet are added to it, each at its sorted place.

// The two options, as the work area's check boxes set them.
struct HarvestOptions {
    bool ignoreNumbers = true; // a word holding a digit is not added
    bool ignoreSymbols = true; // only letters (those of Windows-1252 included) are kept of a word
};

// True when the text holds any of the digits 0 to 9.
bool Contains_Digit(std::string_view text);

// The letters (A-Z, a-z and the other letters of Windows-1252) and the
// spaces of the text, in order.
std::string Letters_And_Spaces_Only(std::string_view text);

// A word of a text: as the text writes it, and what it adds to a list that
// does not hold it so written.
struct TextWord {
    std::string written;
    std::string added;
    bool operator==(const TextWord&) const = default;
};

// The words harvesting takes from one line, in order: the line is
// lower-cased (its letters, accented ones too) and trimmed, and split at its
// spaces. When symbols are ignored, a word is written without the characters
// around it that are neither letters nor digits ("(don't)," is "don't") and
// adds its letters only; a word with nothing to add is dropped. Otherwise it
// adds itself, and a word holding a digit is dropped when numbers are
// ignored. Repeats are kept.
std::vector<TextWord> harvestWordsOf(std::string_view line, const HarvestOptions& options);

// What a harvest run tells its caller, and asks it.
struct HarvestHooks {
    std::function<bool()> haltRequested;                  // before each line
    std::function<void(std::size_t line)> progress;       // at lines 0, step, 2 step, …
    std::function<void(std::size_t index)> wordAdded;     // after each insertion, with its index
};

struct HarvestOutcome {
    std::int64_t added = 0;
    bool halted = false;
    std::vector<std::string> words; // those added, in the order added
};

// For each word of the lines (harvestWordsOf) that the list does not hold
// as written, adds what it adds unless the list holds that, at its
// binary-search place: its sorted place when the list is in ascending order.
// The list holds a word when it holds one equal under the collation
// (case-blind), whatever the list's order. Words added before a halt stay.
HarvestOutcome harvest(WordStore& list, const Collation& collation, const std::vector<std::string>& lines,
                       const HarvestOptions& options, const HarvestHooks& hooks);

// The harvest in two halves, which may run on two threads. The first finds
// the words to add, in the order the harvest adds them, and hands each to
// `found`; it reads the list only before the first word is found, so the
// words may be added while it goes on. True when it was halted.
bool findNewWords(const WordStore& list, const Collation& collation, const std::vector<std::string>& lines,
                  const HarvestOptions& options, const std::function<bool()>& haltRequested,
                  const std::function<void(std::size_t line)>& progress,
                  const std::function<void(std::string word)>& found);
// The second adds a word found at its place, unless the list holds it by
// now; the index it went in at.
std::optional<std::size_t> addFoundWord(WordStore& list, const Collation& collation, std::string word);

// The question asked before a harvest, from the captions of the two check
// boxes: an option that is off has its "Ignore" rewritten as "Allow …".
std::string harvestQuestion(std::string_view numbersCaption, bool ignoreNumbers, std::string_view symbolsCaption,
                            bool ignoreSymbols);

// The message that closes a harvest: the number of words added, or that it was halted.
std::string harvestReport(const HarvestOutcome& outcome, const NumberFormat& numbers);

// Text as the work area takes it, its lines joined by LF and each tab made
// eight spaces. From the clipboard: CR, LF and CR LF each end a line. From a
// file: split as a word list file is read (a NUL ends the text).
std::string workAreaTextFromClipboard(std::string_view text);
std::string workAreaTextFromFile(std::string_view bytes);

} // namespace verbalia
