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

// Appends the word's letters to `out`.
inline void appendFolded(std::string_view word, std::string& out)
{
    for (const char c : word) {
        const FoldedChar& f = foldChar(c);
        out.append(f.letters, f.count);
    }
}

inline std::string folded(std::string_view word)
{
    std::string out;
    appendFolded(word, out);
    return out;
}

} // namespace verbalia::solver
