#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace verbalia::solver {

// Words compared by their letters: a Windows-1252 character folds to the
// letters a-z it stands for, lower-cased and without accents (é to e, æ to
// ae, ß to ss, Þ to th), or to nothing (apostrophe, hyphen, digit, space).
struct FoldedChar {
    char letters[2]; // the first `count` are set
    unsigned char count;
};

extern const std::array<FoldedChar, 256> foldTable;

inline const FoldedChar& foldChar(char c) { return foldTable[static_cast<unsigned char>(c)]; }

// How many letters the word folds to.
inline std::size_t foldedLength(std::string_view word)
{
    std::size_t length = 0;
    for (const char c : word) length += foldChar(c).count;
    return length;
}

// Writes the word's letters to `out`, which has room for twice the word's
// size, and returns how many there are.
inline std::size_t foldInto(std::string_view word, char* out)
{
    char* const start = out;
    for (const char c : word) {
        const FoldedChar& f = foldChar(c);
        out[0] = f.letters[0];
        out[1] = f.letters[1];
        out += f.count;
    }
    return std::size_t(out - start);
}

// The word's letters in `out`, which is reused from word to word.
inline std::string_view foldWith(std::string_view word, std::string& out)
{
    if (out.size() < 2 * word.size()) out.resize(2 * word.size());
    return {out.data(), foldInto(word, out.data())};
}

inline std::string folded(std::string_view word)
{
    std::string out;
    out.resize(foldWith(word, out).size());
    return out;
}

} // namespace verbalia::solver
