#include "Command.h"
#include "WordListInput.h"

#include "platform/FileEncoding.h"
#include "wordlist/WordStore.h"

#include <algorithm>
#include <ostream>

namespace verbalia {

namespace {

// Takes the words given out of the list and writes the list in the layout of
// wordlist.dat; the words it lacks and the count removed go to err.
int removeFrom(const Invocation& invocation, std::ostream& out, std::ostream& err)
{
    WordList list;
    if (!list.open(invocation, err)) return noInput;
    if (refuseOutputIntoInput(invocation, list, {}, err)) return usageError;

    WordStore store;
    const auto keep = [&store](std::string_view word, Reading) { store.append(word); };
    if (!list.read(false, keep, [&store] { store.clear(); }, err)) return noInput;
    if (list.refuseCutList(store.size(), err)) return dataError;

    // Each word as the list holds it: a word a UTF-8 list cannot hold is in no entry.
    std::vector<std::optional<std::string>> held;
    std::vector<std::string> words;
    for (const std::string& word : invocation.operands) {
        held.push_back(list.utf8() ? utf8ToCodePage(word) : word);
        if (held.back()) words.push_back(*held.back());
    }
    const WordRemoval removal = removeWords(store, words);
    std::vector<std::string> named;
    for (std::size_t i = 0; i < held.size(); ++i) {
        const std::string& word = invocation.operands[i];
        const bool absent = !held[i] || std::find(removal.absent.begin(), removal.absent.end(), *held[i]) !=
                                            removal.absent.end();
        if (!absent || std::find(named.begin(), named.end(), word) != named.end()) continue;
        err << "verbalia-find: the list holds no word " << word << '\n';
        named.push_back(word);
    }

    const auto forEach = [&store](auto&& add) { store.forEach(0, store.size(), add); };
    if (const int status = writeWordList(forEach, store.empty(), list, out, err); status != done) return status;
    err << removal.removed.size() << (removal.removed.size() == 1 ? " word was" : " words were")
        << " removed from the List of Known Words.\n";
    return named.empty() ? done : lacking;
}

} // namespace

Command removeCommand()
{
    return {"remove",
            "Takes each WORD, as the list holds it, out of the\n"
            "list and writes the list",
            "WORD",
            true,
            false,
            {},
            removeFrom};
}

} // namespace verbalia
