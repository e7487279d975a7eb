// Harvesting: the words taken from any line obey the two options, and a
// harvest into a sorted list keeps it sorted, holding every word it took as
// written or as added.

#include "FuzzSupport.h"
#include "platform/IcuCollation.h"
#include "text/LineText.h"
#include "text/TextHelpers.h"
#include "wordlist/Harvest.h"
#include "wordlist/KnownWordLookup.h"

#include <algorithm>

using namespace verbalia;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const IcuCollation collation;
    fuzz::InputReader input(data, size);
    const unsigned flags = input.byte();
    const HarvestOptions options{(flags & 1) != 0, (flags & 2) != 0};
    std::vector<std::string> known = parseWordList(input.piece());
    std::stable_sort(known.begin(), known.end(),
                     [](const std::string& a, const std::string& b) { return collation.compare(a, b) < 0; });
    const std::vector<std::string> lines = splitLines(workAreaTextFromFile(input.rest()));

    const auto lowerCase = [](const std::string& word) {
        return std::all_of(word.begin(), word.end(), [](char c) { return lowerCodePageLetter(c) == c; });
    };
    std::vector<TextWord> taken;
    for (const std::string& line : lines) {
        for (TextWord& word : harvestWordsOf(line, options)) {
            fuzz::check(!word.added.empty() && word.written.find(' ') == std::string::npos);
            fuzz::check(lowerCase(word.written) && lowerCase(word.added));
            if (options.ignoreNumbers) fuzz::check(!Contains_Digit(word.added));
            if (options.ignoreSymbols)
                fuzz::check(std::all_of(word.added.begin(), word.added.end(), isCodePageLetter) &&
                            Letters_And_Spaces_Only(word.written) == word.added);
            else
                fuzz::check(word.written == word.added);
            taken.push_back(std::move(word));
        }
    }

    WordStore list;
    list.assign(known);
    const HarvestOutcome outcome = harvest(list, collation, lines, options, HarvestHooks{});
    fuzz::check(list.size() == known.size() + outcome.words.size() &&
                std::size_t(outcome.added) == outcome.words.size() && !outcome.halted);
    for (std::size_t i = 0; i + 1 < list.size(); ++i) fuzz::check(collation.compare(list.at(i), list.at(i + 1)) <= 0);
    const auto holds = [&](const std::string& word) { return Locate_Known_Word(list, word, collation).found >= 0; };
    for (const TextWord& word : taken) fuzz::check(holds(word.written) || holds(word.added));
    return 0;
}
