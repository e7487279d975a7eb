#include "WordStore.h"

#include <iterator>
#include <stdexcept>

namespace verbalia {

const std::string& WordStore::at(std::size_t index) const
{
    if (index >= m_size) throw std::out_of_range("WordStore::at");
    const auto [chunk, offset] = locate(index);
    return m_chunks[chunk][offset];
}

void WordStore::insert(std::size_t index, std::string word)
{
    if (index > m_size) throw std::out_of_range("WordStore::insert");
    if (m_chunks.empty()) {
        m_chunks.emplace_back();
        m_starts.assign(1, 0);
    }

    // An append goes to the end of the last chunk.
    const auto [chunk, offset] =
        index == m_size ? std::pair{m_chunks.size() - 1, m_chunks.back().size()} : locate(index);
    Chunk& words = m_chunks[chunk];
    words.insert(words.begin() + std::ptrdiff_t(offset), std::move(word));
    ++m_size;

    if (words.size() > 2 * chunkSize) {
        Chunk upper(std::make_move_iterator(words.begin() + chunkSize), std::make_move_iterator(words.end()));
        words.resize(chunkSize);
        m_chunks.insert(m_chunks.begin() + std::ptrdiff_t(chunk) + 1, std::move(upper));
        rebuildStarts(chunk);
        return;
    }
    // The chunks behind this one start one entry later.
    for (std::size_t i = chunk + 1; i < m_starts.size(); ++i) ++m_starts[i];
}

void WordStore::assign(std::vector<std::string> words)
{
    clear();
    m_size = words.size();
    for (std::size_t begin = 0; begin < words.size(); begin += chunkSize) {
        const auto first = words.begin() + std::ptrdiff_t(begin);
        const auto last = words.begin() + std::ptrdiff_t(std::min(words.size(), begin + chunkSize));
        m_chunks.emplace_back(std::make_move_iterator(first), std::make_move_iterator(last));
    }
    rebuildStarts(0);
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

std::string joinEntriesCrLf(const WordStore& list)
{
    std::size_t total = 0;
    list.forEach(0, list.size(), [&total](const std::string& word) { total += word.size() + 2; });
    std::string text;
    text.reserve(total);
    list.forEach(0, list.size(), [&text](const std::string& word) {
        text += word;
        text += "\r\n";
    });
    return text;
}

} // namespace verbalia
