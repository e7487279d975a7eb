#include "Command.h"
#include "IcuPart.h"
#include "WordListInput.h"

#include "text/LineText.h"
#include "wordlist/Harvest.h"

#include <ostream>

namespace verbalia {

namespace {

// The text of a harvest as the list takes it: with a UTF-8 list as UTF-8
// where it is valid UTF-8, else as the program reads any text file.
std::string harvestText(const WordList& list, std::string bytes)
{
    if (!list.utf8()) {
        decodeFile(bytes);
        return bytes;
    }
    bytes.resize(std::min(bytes.find('\0'), bytes.size()));
    if (bytes.starts_with(utf8ByteOrderMark)) bytes.erase(0, utf8ByteOrderMark.size());
    return asUtf8ListText(std::move(bytes));
}

// Adds the new words of the text file to the list and writes the list in
// the layout of wordlist.dat; the closing message goes to err.
int harvestInto(const Invocation& invocation, std::ostream& out, std::ostream& err)
{
    const std::string& textPath = invocation.operands.front();
    WordList list;
    if (!list.open(invocation, err)) return noInput;
    if (refuseOutputIntoInput(invocation, list, textPath, err)) return usageError;
    const IcuPart* icu = loadIcuPart(err);
    if (!icu) return unavailable;

    WordStore store;
    const auto keep = [&store](std::string_view word, Reading) { store.append(word); };
    if (!list.read(false, keep, [&store] { store.clear(); }, err)) return noInput;
    if (list.refuseCutList(store.size(), err)) return dataError;
    std::optional<std::string> text = DiskFileSystem().readAll(textPath);
    if (!text) {
        err << "Cannot open file " << textPath << '\n';
        return noInput;
    }
    const std::vector<std::string> lines = splitLines(workAreaTextFromFile(harvestText(list, std::move(*text))));
    HarvestOptions options;
    options.ignoreNumbers = !invocation.given("--allow-numbers");
    options.ignoreSymbols = !invocation.given("--allow-symbols");
    const HarvestOutcome outcome = harvest(store, *icu->collation(), lines, options, HarvestHooks{});
    const auto forEach = [&store](auto&& add) { store.forEach(0, store.size(), add); };
    if (const int status = writeWordList(forEach, store.empty(), list, out, err); status != done) return status;
    err << harvestReport(outcome, *icu->numberFormat()) << '\n';
    return done;
}

} // namespace

Command harvestCommand()
{
    return {"harvest",
            "Adds the words of TEXTFILE that the list lacks, each at its\n"
            "sorted place, and writes the list; words with digits and all\n"
            "characters but letters and spaces are ignored unless allowed",
            "TEXTFILE",
            false,
            false,
            {{"--allow-numbers", "Add words holding digits", {}}, {"--allow-symbols", "Keep all characters", {}}},
            harvestInto};
}

} // namespace verbalia
