// Harvesting: the words taken from any line obey the two options, and a
// harvest into a sorted list keeps it sorted, holding every word it took.

#include "FuzzSupport.h"
#include "platform/IcuCollation.h"
#include "text/LineText.h"
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

    std::vector<std::string> taken;
    for (const std::string& line : lines) {
        for (const std::string& word : harvestWordsOf(line, options)) {
            fuzz::check(!word.empty() && word.find(' ') == std::string::npos);
            fuzz::check(std::none_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
            if (options.ignoreNumbers) fuzz::check(!Contains_Digit(word));
            if (options.ignoreSymbols)
                fuzz::check(std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; }));
            taken.push_back(word);
        }
    }

    WordStore list;
    list.assign(known);
    const HarvestOutcome outcome = harvest(list, collation, lines, options, HarvestHooks{});
    fuzz::check(outcome.added >= 0 && list.size() == known.size() + std::size_t(outcome.added) && !outcome.halted);
    for (std::size_t i = 0; i + 1 < list.size(); ++i) fuzz::check(collation.compare(list.at(i), list.at(i + 1)) <= 0);
    for (const std::string& word : taken) fuzz::check(Locate_Known_Word(list, word, collation).found >= 0);
    return 0;
}
