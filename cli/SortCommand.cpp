#include "Command.h"
#include "IcuPart.h"
#include "WordListInput.h"

#include "wordlist/ListOrder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace verbalia {

namespace {

// The words of a list one after another, each ended by a NUL (which no word
// holds), then where each begins: about the list's size and 8 bytes a word,
// the least a sort in memory can do with.
class WordArena {
public:
    void reserve(std::size_t bytes) { m_bytes.reserve(bytes); }
    void append(std::string_view word)
    {
        m_bytes.append(word);
        m_bytes.push_back('\0');
        ++m_count;
    }
    void clear()
    {
        m_bytes.clear();
        m_count = 0;
    }
    std::size_t size() const { return m_count; }

    // Where each word begins, in list order.
    std::vector<std::uint64_t> sorted(const Collation& collation) const
    {
        std::vector<std::uint64_t> starts;
        starts.reserve(m_count);
        for (std::size_t at = 0; at < m_bytes.size(); at += std::strlen(m_bytes.data() + at) + 1)
            starts.push_back(at);
        std::sort(starts.begin(), starts.end(), [&](std::uint64_t a, std::uint64_t b) {
            return inListOrder(word(a), word(b), collation);
        });
        return starts;
    }
    std::string_view word(std::uint64_t start) const { return m_bytes.data() + start; }

private:
    std::string m_bytes;
    std::size_t m_count = 0;
};

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
    const std::vector<std::uint64_t> order = words.sorted(*icu->collation());
    const auto forEach = [&](auto&& add) {
        for (const std::uint64_t start : order) add(words.word(start));
    };
    return writeWordList(forEach, order.empty(), list, out, err);
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
