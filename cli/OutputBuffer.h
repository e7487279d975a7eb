#pragma once

#include "platform/CodePage.h"

#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace verbalia {

// Gathers lines and writes them to out a large block at a time, in UTF-8
// once told the list is; held lines wait until the end, when the list's
// encoding is known.
class OutputBuffer {
public:
    explicit OutputBuffer(std::ostream& out) : m_out(out), m_block(block + 64) {}

    void writeUtf8(bool utf8) { m_utf8 = utf8; }

    void add(std::string_view line, std::string_view lineEnd)
    {
        m_block.append(line, lineEnd);
        if (m_block.used < block) return;
        if (!m_held) {
            write(m_block.text());
            m_block.used = 0;
            return;
        }
        // Held in blocks of their own: no copy as the output grows.
        m_heldBlocks.push_back(std::move(m_block));
        m_block = Block(block + 64);
    }

    // From now on nothing is written before flush.
    void hold() { m_held = true; }
    bool held() const { return m_held; }
    void discard()
    {
        m_heldBlocks.clear();
        m_block.used = 0;
    }

    // Writes what is gathered; false when out has failed.
    bool flush()
    {
        for (const Block& held : m_heldBlocks) write(held.text());
        write(m_block.text());
        discard();
        m_out.flush();
        return bool(m_out);
    }

private:
    static constexpr std::size_t block = 256 * 1024;

    // Bytes copied in place, without a string's checks for each line; the
    // memory is touched only as it fills.
    struct Block {
        explicit Block(std::size_t size) : bytes(std::make_unique_for_overwrite<char[]>(size)), capacity(size) {}

        void append(std::string_view line, std::string_view lineEnd)
        {
            const std::size_t size = line.size() + lineEnd.size();
            if (capacity - used < size) {
                // A line longer than the room left: a larger block.
                Block larger(used + size);
                std::memcpy(larger.bytes.get(), bytes.get(), used);
                larger.used = used;
                *this = std::move(larger);
            }
            char* at = bytes.get() + used;
            std::memcpy(at, line.data(), line.size());
            std::memcpy(at + line.size(), lineEnd.data(), lineEnd.size());
            used += size;
        }
        std::string_view text() const { return {bytes.get(), used}; }

        std::unique_ptr<char[]> bytes;
        std::size_t capacity;
        std::size_t used = 0;
    };

    void write(std::string_view part)
    {
        if (m_utf8 && !codepage::isAscii(part)) {
            m_converted = codepage::toUtf8(part);
            part = m_converted;
        }
        m_out.write(part.data(), std::streamsize(part.size()));
    }

    std::ostream& m_out;
    Block m_block;
    std::vector<Block> m_heldBlocks;
    std::string m_converted;
    bool m_utf8 = false;
    bool m_held = false;
};

} // namespace verbalia
