#include "Harvest.h"

#include "KnownWordLookup.h"
#include "platform/NumberFormat.h"
#include "text/LineText.h"
#include "text/ProgressStep.h"
#include "text/TextHelpers.h"

#include <algorithm>
#include <unordered_set>

namespace verbalia {

bool Contains_Digit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Letters_And_Spaces_Only(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept), [](char c) {
        return c == ' ' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
    return kept;
}

std::vector<std::string> harvestWordsOf(std::string_view line, const HarvestOptions& options)
{
    std::string text = lowerAscii(trimControls(line));
    if (options.ignoreSymbols) text = Letters_And_Spaces_Only(text);
    // Every run of spaces becomes one space, in one pass.
    text.erase(std::unique(text.begin(), text.end(), [](char a, char b) { return a == ' ' && b == ' '; }),
               text.end());

    std::vector<std::string> words;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t space = rest.find(' ');
        const std::string_view word = rest.substr(0, space);
        rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
        // A space at either end of the line gives an empty word.
        if (word.empty() || (options.ignoreNumbers && Contains_Digit(word))) continue;
        words.emplace_back(word);
    }
    return words;
}

HarvestOutcome harvest(WordStore& list, const Collation& collation, const std::vector<std::string>& lines,
                       const HarvestOptions& options, const HarvestHooks& hooks)
{
    const auto halted = [&hooks] { return hooks.haltRequested && hooks.haltRequested(); };
    HarvestOutcome outcome;
    std::unordered_set<std::string> met;
    const std::size_t step = progressStep(lines.size());
    for (std::size_t i = 0; i < lines.size() && !halted(); ++i) {
        if (i % step == 0 && hooks.progress) hooks.progress(i);
        for (std::string& word : harvestWordsOf(lines[i], options)) {
            // A word met before is in the list by now: most words of a text
            // are repeats, and a set answers for them far faster than the
            // list's binary search.
            if (!met.insert(word).second) continue;
            const KnownWordLocation location = Locate_Known_Word(list, word, collation);
            if (location.found >= 0) continue;
            const auto index = std::size_t(location.insertion);
            list.insert(index, std::move(word));
            ++outcome.added;
            if (hooks.wordAdded) hooks.wordAdded(index);
        }
    }
    // A halt asked for during the last line still counts.
    outcome.halted = halted();
    return outcome;
}

std::string harvestQuestion(std::string_view numbersCaption, bool ignoreNumbers, std::string_view symbolsCaption,
                            bool ignoreSymbols)
{
    const std::string numbers = ignoreNumbers ? std::string(numbersCaption)
                                              : Replace_All_Occurrences(std::string(numbersCaption), "Ignore",
                                                                        "Allow (i.e. add in)");
    const std::string symbols = ignoreSymbols ? std::string(symbolsCaption)
                                              : Replace_All_Occurrences(std::string(symbolsCaption), "Ignore",
                                                                        "Allow (i.e. preserve)");
    return "Add all words contained in the Temporary Work Area to the List of Known Words, using these criteria :"
           "\r\n\r\n - " +
           numbers + "\r\n\r\n - " + symbols + "\r\n\r\nAre you sure ?";
}

std::string harvestReport(const HarvestOutcome& outcome, const NumberFormat& numbers)
{
    if (outcome.halted) return "Ading words aborted as requested.";
    return numbers.formatCount(outcome.added) + " words were added to the List of Known Words.";
}

namespace {

std::string toWorkAreaText(std::string_view text)
{
    std::string joined;
    joined.reserve(text.size());
    bool first = true;
    forEachLine(text, [&](std::string_view line) {
        if (!first) joined += '\n';
        first = false;
        for (const char c : line) {
            if (c == '\t')
                joined.append(8, ' ');
            else
                joined += c;
        }
    });
    return joined;
}

} // namespace

std::string workAreaTextFromClipboard(std::string_view text)
{
    // Pasted text that ends with a line end leaves the caret on a new line.
    std::string joined = toWorkAreaText(text);
    const std::string_view upToNul = text.substr(0, text.find('\0'));
    if (upToNul.ends_with('\n') || upToNul.ends_with('\r')) joined += '\n';
    return joined;
}

std::string workAreaTextFromFile(std::string_view bytes) { return toWorkAreaText(bytes); }

} // namespace verbalia
