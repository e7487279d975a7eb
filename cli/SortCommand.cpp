#include "Command.h"
#include "IcuPart.h"
#include "WordListInput.h"

#include "wordlist/ListOrder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

namespace verbalia {

namespace {

// The words of a list one after another, each ended by a NUL (which no word
// holds), then where each begins: about the list's size and 4 bytes a word
// (8 past 4 GiB), the least a sort in memory can do with.
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
    std::size_t bytes() const { return m_bytes.size(); }

    // Where each word begins, in list order.
    template <class Offset>
    std::vector<Offset> sorted(const Collation& collation) const
    {
        std::vector<Offset> starts;
        starts.reserve(m_count);
        for (std::size_t at = 0; at < m_bytes.size(); at += std::strlen(m_bytes.data() + at) + 1)
            starts.push_back(Offset(at));
        std::sort(starts.begin(), starts.end(),
                  [&](Offset a, Offset b) { return inListOrder(word(a), word(b), collation); });
        return starts;
    }
    std::string_view word(std::size_t start) const { return m_bytes.data() + start; }

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
