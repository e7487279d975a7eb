#include "WordStore.h"

#include <limits>
#include <stdexcept>

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

std::string joinEntries(const WordStore& list, LineEnd lineEnd)
{
    const std::string_view end = lineEndText(lineEnd);
    std::size_t total = 0;
    list.forEach(0, list.size(), [&](std::string_view word) { total += word.size() + end.size(); });
    std::string text;
    text.reserve(total);
    list.forEach(0, list.size(), [&](std::string_view word) {
        text += word;
        text += end;
    });
    return text;
}

} // namespace verbalia
