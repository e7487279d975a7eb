#include "Command.h"
#include "IcuPart.h"
#include "WordArena.h"
#include "WordListInput.h"

#include "wordlist/ListOrder.h"

#include <cstdint>
#include <memory>

namespace verbalia {

namespace {

// Writes the list in the program's order, in the layout of wordlist.dat.
int sortInto(const Invocation& invocation, std::ostream& out, std::ostream& err)
{
    WordList list;
    if (!list.open(invocation, err)) return noInput;
    if (refuseOutputIntoInput(invocation, list, {}, err)) return usageError;
    const IcuPart* icu = loadIcuPart(err);
    if (!icu) return unavailable;

    WordArena words;
    // Each line end becomes at least its NUL, and UTF-8 only shrinks: room
    // for the whole file, in one piece.
    words.reserve(list.fileSize() + 1);
    const auto keep = [&words](std::string_view word, Reading) { words.append(word); };
    if (!list.read(false, keep, [&words] { words.clear(); }, err)) return noInput;
    if (list.refuseCutList(words.size(), err)) return dataError;
    const auto write = [&](const auto& order) {
        const auto forEach = [&](auto&& add) {
            for (const auto start : order) add(words.word(start));
        };
        return writeWordList(forEach, order.empty(), list, out, err);
    };
    const std::unique_ptr<Collation> collation = icu->collation();
    if (words.bytes() <= UINT32_MAX) return write(words.sorted<std::uint32_t>(*collation));
    return write(words.sorted<std::uint64_t>(*collation));
}

} // namespace

Command sortCommand()
{
    return {"sort",
            "Writes the list in the order the program keeps\n"
            "(to use another list as wordlist.dat)",
            nullptr,
            false,
            false,
            {},
            sortInto};
}

} // namespace verbalia
