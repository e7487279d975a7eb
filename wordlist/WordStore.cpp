#include "WordStore.h"

#include <limits>
#include <stdexcept>
#include <unordered_map>

namespace verbalia {

namespace {
// A chunk's offsets are 32-bit: no chunk may hold more bytes.
void checkRoom(std::size_t bytes, std::size_t adding)
{
    if (adding > std::numeric_limits<std::uint32_t>::max() - bytes) throw std::length_error("WordStore: word too long");
}
} // namespace

std::string_view WordStore::at(std::size_t index) const
{
    if (index >= m_size) throw std::out_of_range("WordStore::at");
    const auto [chunk, offset] = locate(index);
    return m_chunks[chunk].at(offset);
}

void WordStore::append(std::string_view word)
{
    if (m_chunks.empty() || m_chunks.back().size() >= chunkSize || m_chunks.back().bytes.size() >= chunkBytes ||
        word.size() > std::numeric_limits<std::uint32_t>::max() - m_chunks.back().bytes.size()) {
        // The next chunk reserves about what the full one took, which gives
        // back what it reserved and did not use.
        std::size_t expected = 4096;
        if (!m_chunks.empty()) {
            std::string& full = m_chunks.back().bytes;
            if (full.capacity() > full.size() + full.size() / 16) full.shrink_to_fit();
            expected = full.size() + full.size() / 16;
        }
        m_starts.push_back(m_size);
        Chunk& chunk = m_chunks.emplace_back();
        chunk.ends.reserve(chunkSize);
        chunk.bytes.reserve(expected);
    }
    Chunk& chunk = m_chunks.back();
    checkRoom(chunk.bytes.size(), word.size());
    chunk.bytes.append(word);
    chunk.ends.push_back(std::uint32_t(chunk.bytes.size()));
    ++m_size;
}

void WordStore::insert(std::size_t index, std::string_view word)
{
    if (index > m_size) throw std::out_of_range("WordStore::insert");
    if (index == m_size) {
        append(word);
        return;
    }
    const auto [chunk, offset] = locate(index);
    Chunk& words = m_chunks[chunk];
    checkRoom(words.bytes.size(), word.size());
    const std::uint32_t start = words.start(offset);
    words.bytes.insert(start, word);
    words.ends.insert(words.ends.begin() + std::ptrdiff_t(offset), start);
    for (std::size_t i = offset; i < words.ends.size(); ++i) words.ends[i] += std::uint32_t(word.size());
    ++m_size;
    // The chunks behind this one start one entry later.
    for (std::size_t i = chunk + 1; i < m_starts.size(); ++i) ++m_starts[i];
    splitIfLarge(chunk);
}

void WordStore::splitIfLarge(std::size_t chunk)
{
    Chunk& words = m_chunks[chunk];
    if (words.size() <= 2 * chunkSize && (words.bytes.size() <= 2 * chunkBytes || words.size() < 2)) return;
    const std::size_t half = words.size() / 2;
    const std::uint32_t cut = words.ends[half - 1];
    Chunk upper;
    upper.bytes.assign(words.bytes, cut);
    upper.ends.reserve(words.size() - half);
    for (std::size_t i = half; i < words.size(); ++i) upper.ends.push_back(words.ends[i] - cut);
    words.bytes.resize(cut);
    words.bytes.shrink_to_fit();
    words.ends.resize(half);
    m_chunks.insert(m_chunks.begin() + std::ptrdiff_t(chunk) + 1, std::move(upper));
    rebuildStarts(chunk);
}

void WordStore::assign(const std::vector<std::string>& words)
{
    clear();
    for (const std::string& word : words) append(word);
}

void WordStore::clear()
{
    m_chunks.clear();
    m_starts.clear();
    m_size = 0;
}

std::vector<IndexedWord> WordStore::erase(const std::vector<std::size_t>& indices)
{
    std::vector<IndexedWord> removed;
    if (indices.empty()) return removed;
    WordStore kept;
    std::size_t index = 0, next = 0;
    forEach(0, m_size, [&](std::string_view word) {
        while (next < indices.size() && indices[next] < index) ++next;
        if (next < indices.size() && indices[next] == index)
            removed.push_back({index, std::string(word)});
        else
            kept.append(word);
        ++index;
    });
    *this = std::move(kept);
    return removed;
}

void WordStore::insert(const std::vector<IndexedWord>& entries)
{
    if (entries.empty()) return;
    WordStore merged;
    std::size_t next = 0;
    const auto insertDue = [&] {
        for (; next < entries.size() && entries[next].index == merged.size(); ++next) merged.append(entries[next].word);
    };
    forEach(0, m_size, [&](std::string_view word) {
        insertDue();
        merged.append(word);
    });
    insertDue();
    if (next != entries.size()) throw std::out_of_range("WordStore::insert");
    *this = std::move(merged);
}

WordRemoval removeWords(WordStore& list, const std::vector<std::string>& words)
{
    if (words.empty()) return {};
    std::unordered_map<std::string_view, bool> found; // each word, and whether an entry equals it
    for (const std::string& word : words) found.emplace(word, false);
    std::vector<std::size_t> indices;
    std::size_t index = 0;
    list.forEach(0, list.size(), [&](std::string_view entry) {
        if (const auto word = found.find(entry); word != found.end()) {
            word->second = true;
            indices.push_back(index);
        }
        ++index;
    });
    WordRemoval removal{list.erase(indices), {}};
    for (const std::string& word : words) {
        if (const auto at = found.find(word); !at->second) {
            removal.absent.push_back(word);
            at->second = true; // named once
        }
    }
    return removal;
}

std::pair<std::size_t, std::size_t> WordStore::locate(std::size_t index) const
{
    // The last chunk starting at or before the index.
    const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), index);
    const std::size_t chunk = std::size_t(next - m_starts.begin()) - 1;
    return {chunk, index - m_starts[chunk]};
}

void WordStore::rebuildStarts(std::size_t fromChunk)
{
    m_starts.resize(m_chunks.size());
    for (std::size_t i = fromChunk; i < m_chunks.size(); ++i)
        m_starts[i] = i == 0 ? 0 : m_starts[i - 1] + m_chunks[i - 1].size();
}

} // namespace verbalia
