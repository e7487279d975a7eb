#include "Fold.h"

namespace verbalia::solver {

namespace {

// The letters of the Windows-1252 characters above 127 that stand for letters
// a-z, from 0x80 on; ' ' marks one that stands for none.
constexpr std::string_view upperHalf[128] = {
    // 0x80-0x8F: ƒ Š Œ Ž
    " ", " ", "f", " ", " ", " ", " ", " ", " ", " ", "s", " ", "oe", " ", "z", " ",
    // 0x90-0x9F: š œ ž Ÿ
    " ", " ", " ", " ", " ", " ", " ", " ", " ", " ", "s", " ", "oe", " ", "z", "y",
    // 0xA0-0xAF: ª
    " ", " ", " ", " ", " ", " ", " ", " ", " ", " ", "a", " ", " ", " ", " ", " ",
    // 0xB0-0xBF: º
    " ", " ", " ", " ", " ", " ", " ", " ", " ", " ", "o", " ", " ", " ", " ", " ",
    // 0xC0: À Á Â Ã Ä Å Æ Ç È É Ê Ë Ì Í Î Ï
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    // 0xD0: Ð Ñ Ò Ó Ô Õ Ö × Ø Ù Ú Û Ü Ý Þ ß
    "d", "n", "o", "o", "o", "o", "o", " ", "o", "u", "u", "u", "u", "y", "th", "ss",
    // 0xE0: à á â ã ä å æ ç è é ê ë ì í î ï
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    // 0xF0: ð ñ ò ó ô õ ö ÷ ø ù ú û ü ý þ ÿ
    "d", "n", "o", "o", "o", "o", "o", " ", "o", "u", "u", "u", "u", "y", "th", "y",
};

constexpr FoldedChar fromText(std::string_view letters)
{
    if (letters == " ") return {{0, 0}, 0};
    return {{letters[0], letters.size() > 1 ? letters[1] : char(0)}, static_cast<unsigned char>(letters.size())};
}

constexpr std::array<FoldedChar, 256> makeTable()
{
    std::array<FoldedChar, 256> table{};
    for (int c = 'a'; c <= 'z'; ++c) table[std::size_t(c)] = {{char(c), 0}, 1};
    for (int c = 'A'; c <= 'Z'; ++c) table[std::size_t(c)] = {{char(c - 'A' + 'a'), 0}, 1};
    for (std::size_t c = 128; c < 256; ++c) table[c] = fromText(upperHalf[c - 128]);
    return table;
}

} // namespace

constinit const std::array<FoldedChar, 256> foldTable = makeTable();

} // namespace verbalia::solver
