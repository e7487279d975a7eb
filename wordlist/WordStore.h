#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace verbalia {

// How a word list file ends its lines; a new file takes CR LF.
enum class LineEnd { CrLf, Lf, Cr };

inline std::string_view lineEndText(LineEnd lineEnd)
{
    return lineEnd == LineEnd::CrLf ? "\r\n" : lineEnd == LineEnd::Lf ? "\n" : "\r";
}

// An entry and its index: what a removal takes out and an undo puts back.
struct IndexedWord {
    std::size_t index;
    std::string word;
    bool operator==(const IndexedWord&) const = default;
};

// The known word list: entries in list order, indexed from 0. Entries live in
// chunks of bounded size, each one byte arena holding its entries one after
// another and the 32-bit offset where each ends: no heap string per entry,
// and inserting at a sorted place moves one chunk, not the whole list. An
// index is found through the chunks' running counts.
class WordStore {
public:
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }

    // The entry, valid until the store next changes.
    std::string_view at(std::size_t index) const;

    void insert(std::size_t index, std::string_view word);
    void append(std::string_view word);
    void assign(const std::vector<std::string>& words);
    void clear();

    // Takes out the entries at the indices (ascending; others are ignored)
    // and gives them back with the indices they had; inserting those puts
    // the store back as it was.
    std::vector<IndexedWord> erase(const std::vector<std::size_t>& indices);
    // Inserts the entries at the indices they are to have (ascending).
    void insert(const std::vector<IndexedWord>& entries);

    // Calls visit(std::string_view) for the entries begin .. end-1 in order,
    // walking the chunks directly.
    template <class Visit>
    void forEach(std::size_t begin, std::size_t end, Visit&& visit) const;

private:
    struct Chunk {
        std::string bytes;               // the entries one after another
        std::vector<std::uint32_t> ends; // where each entry ends in bytes

        std::size_t size() const { return ends.size(); }
        std::uint32_t start(std::size_t i) const { return i == 0 ? 0 : ends[i - 1]; }
        std::string_view at(std::size_t i) const { return {bytes.data() + start(i), ends[i] - start(i)}; }
    };

    // Chunks are filled to this many entries or bytes; one that grows past
    // twice either is split.
    static constexpr std::size_t chunkSize = 1024;
    static constexpr std::size_t chunkBytes = 32 * 1024;

    // Index of the chunk holding entry `index`, and the entry's offset in it.
    std::pair<std::size_t, std::size_t> locate(std::size_t index) const;
    void splitIfLarge(std::size_t chunk);
    void rebuildStarts(std::size_t fromChunk);

    std::vector<Chunk> m_chunks;
    std::vector<std::size_t> m_starts; // list index of each chunk's first entry
    std::size_t m_size = 0;
};

// What a removal of words took out, and the words it could not find.
struct WordRemoval {
    std::vector<IndexedWord> removed; // every entry equal to one of the words, byte for byte
    std::vector<std::string> absent;  // the words no entry equals, each once, in the order given
};

// Takes every entry that equals one of the words as stored out of the list.
WordRemoval removeWords(WordStore& list, const std::vector<std::string>& words);

template <class Visit>
void WordStore::forEach(std::size_t begin, std::size_t end, Visit&& visit) const
{
    if (end > m_size) end = m_size;
    if (begin >= end) return;
    auto [chunk, offset] = locate(begin);
    std::size_t remaining = end - begin;
    for (; remaining > 0; ++chunk, offset = 0) {
        const Chunk& words = m_chunks[chunk];
        const std::size_t take = std::min(remaining, words.size() - offset);
        const char* bytes = words.bytes.data();
        std::uint32_t start = words.start(offset);
        for (std::size_t i = offset; i < offset + take; ++i) {
            const std::uint32_t stop = words.ends[i];
            visit(std::string_view(bytes + start, stop - start));
            start = stop;
        }
        remaining -= take;
    }
}

} // namespace verbalia
