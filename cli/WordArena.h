#pragma once

#include "wordlist/ListOrder.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace verbalia {

// Words one after another, each ended by a NUL (which no word holds), then
// where each begins: about their size and 4 bytes a word (8 past 4 GiB), the
// least a sort in memory can do with.
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

    // Where each word begins, in the order appended.
    template <class Offset>
    std::vector<Offset> starts() const
    {
        std::vector<Offset> starts;
        starts.reserve(m_count);
        for (std::size_t at = 0; at < m_bytes.size(); at += std::strlen(m_bytes.data() + at) + 1)
            starts.push_back(Offset(at));
        return starts;
    }
    // Where each word begins, in the program's order.
    template <class Offset>
    std::vector<Offset> sorted(const Collation& collation) const
    {
        std::vector<Offset> order = starts<Offset>();
        std::sort(order.begin(), order.end(),
                  [&](Offset a, Offset b) { return inListOrder(word(a), word(b), collation); });
        return order;
    }
    std::string_view word(std::size_t start) const { return m_bytes.data() + start; }

private:
    std::string m_bytes;
    std::size_t m_count = 0;
};

} // namespace verbalia
