#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace verbalia {

// Lines held in the batches a worker sent them in: appending a batch moves
// no line, so the window takes a frame's worth of results at no cost, and
// the whole lot can be handed to another thread to be freed there. They may
// be listed in another order than they came in.
class LineBatches {
public:
    using Batch = std::vector<std::string>;

    std::size_t size() const { return m_size; }
    // The line listed at the index.
    std::string_view at(std::size_t index) const { return received(m_order.empty() ? index : m_order[index]); }
    // The line that came in at the index.
    std::string_view received(std::size_t index) const
    {
        const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), index);
        const auto batch = std::size_t(next - m_starts.begin()) - 1;
        return (*m_batches[batch])[index - m_starts[batch]];
    }

    void append(std::shared_ptr<const Batch> batch)
    {
        if (batch->empty()) return;
        m_starts.push_back(m_size);
        m_size += batch->size();
        m_batches.push_back(std::move(batch));
    }

    // Lists the lines in this order: for each place, the index it came in at.
    void setOrder(std::vector<std::uint32_t> order) { m_order = std::move(order); }

    // Empties these lines, handing back what held them.
    std::vector<std::shared_ptr<const Batch>> take()
    {
        m_order.clear();
        m_starts.clear();
        m_size = 0;
        return std::exchange(m_batches, {});
    }

private:
    std::vector<std::shared_ptr<const Batch>> m_batches;
    std::vector<std::size_t> m_starts; // the index of each batch's first line
    std::vector<std::uint32_t> m_order; // empty: as they came in
    std::size_t m_size = 0;
};

} // namespace verbalia
