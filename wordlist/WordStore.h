#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace verbalia {

// The known word list: entries in list order, indexed from 0. Entries live in
// chunks of bounded size, so inserting at a sorted place moves one chunk, not
// the whole list; an index is found through the chunks' running counts.
class WordStore {
public:
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }

    const std::string& at(std::size_t index) const;

    void insert(std::size_t index, std::string word);
    void assign(std::vector<std::string> words);
    void clear();

    // Calls visit(const std::string&) for the entries begin .. end-1 in order,
    // walking the chunks directly.
    template <class Visit>
    void forEach(std::size_t begin, std::size_t end, Visit&& visit) const;

private:
    using Chunk = std::vector<std::string>;

    // Chunks are filled to this size; one that grows past twice it is split.
    static constexpr std::size_t chunkSize = 512;

    // Index of the chunk holding entry `index`, and the entry's offset in it.
    std::pair<std::size_t, std::size_t> locate(std::size_t index) const;
    void rebuildStarts(std::size_t fromChunk);

    std::vector<Chunk> m_chunks;
    std::vector<std::size_t> m_starts; // list index of each chunk's first entry
    std::size_t m_size = 0;
};

// The entries, each followed by CR LF, as a word list file holds them.
std::string joinEntriesCrLf(const WordStore& list);

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
        for (std::size_t i = offset; i < offset + take; ++i) visit(words[i]);
        remaining -= take;
    }
}

} // namespace verbalia
