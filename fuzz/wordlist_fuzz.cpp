// The word list reader and store: any bytes read as a list, whole or in
// pieces, give the same entries; the store keeps them through inserts, a save
// and a reload; the sorted lookup stays inside the list.

#include "FuzzSupport.h"
#include "platform/IcuCollation.h"
#include "text/LineText.h"
#include "wordlist/KnownWordLookup.h"
#include "wordlist/WordStore.h"

#include <algorithm>

using namespace verbalia;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::InputReader input(data, size);
    const std::size_t pieceSize = input.byte() % 64 + 1;
    const std::string_view bytes = input.rest();

    const std::vector<std::string> entries = parseWordList(bytes);
    std::vector<std::string> inPieces;
    LineSplitter lines;
    const auto keep = [&](std::string_view line) { inPieces.emplace_back(line); };
    for (std::size_t at = 0; at < bytes.size(); at += pieceSize) lines.feed(bytes.substr(at, pieceSize), keep);
    lines.finish(keep);
    for (std::string& line : inPieces) line.erase(std::remove(line.begin(), line.end(), '\t'), line.end());
    fuzz::check(inPieces == entries);

    // The first entries are inserted once more, at places their lengths pick.
    WordStore store;
    store.assign(entries);
    std::vector<std::string> expected = entries;
    const std::size_t inserts = std::min<std::size_t>(entries.size(), 64);
    for (const std::string& entry : std::vector<std::string>(entries.begin(), entries.begin() + std::ptrdiff_t(inserts))) {
        const std::size_t at = entry.size() % (expected.size() + 1);
        store.insert(at, entry);
        expected.insert(expected.begin() + std::ptrdiff_t(at), entry);
    }
    fuzz::check(store.size() == expected.size());
    std::string saved;
    std::size_t index = 0;
    store.forEach(0, store.size(), [&](std::string_view word) {
        fuzz::check(word == expected[index] && word.data() == store.at(index).data());
        ++index;
        saved += word;
        saved += "\r\n";
    });
    fuzz::check(parseWordList(saved) == expected);

    static const IcuCollation collation;
    const std::string_view word = entries.empty() ? bytes : std::string_view(entries.front());
    const KnownWordLocation location = Locate_Known_Word(store, word, collation);
    fuzz::check(location.found < (long long)store.size() && location.insertion <= (long long)store.size());
    return 0;
}
