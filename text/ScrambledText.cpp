#include "ScrambledText.h"

#include <utility>

namespace verbalia {

std::string Unscramble_Text(std::string_view stored)
{
    std::string text(stored);
    const std::size_t n = text.size();
    for (std::size_t position = 1; position <= n; ++position)
        text[position - 1] = char((static_cast<unsigned char>(text[position - 1]) + 256 - position % 5) & 0xFF);
    for (std::size_t i = 2; i + 3 <= n; i += 2) std::swap(text[i - 1], text[i + 2]);
    return text;
}

} // namespace verbalia
