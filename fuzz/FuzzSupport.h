#pragma once

// What the libFuzzer harnesses share.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace verbalia::fuzz {

// Stops the run with a crash that libFuzzer records, inputs included.
inline void check(bool holds)
{
    if (!holds) __builtin_trap();
}

// Reads the input from the front: single bytes as numbers, then pieces.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size) : m_rest(reinterpret_cast<const char*>(data), size) {}

    unsigned byte()
    {
        if (m_rest.empty()) return 0;
        const unsigned value = static_cast<unsigned char>(m_rest.front());
        m_rest.remove_prefix(1);
        return value;
    }

    // A piece whose length is given by the next byte.
    std::string_view piece()
    {
        const std::size_t length = byte();
        const std::string_view taken = m_rest.substr(0, length);
        m_rest.remove_prefix(taken.size());
        return taken;
    }

    std::string_view rest() const { return m_rest; }

private:
    std::string_view m_rest;
};

} // namespace verbalia::fuzz
