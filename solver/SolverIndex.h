#pragma once

#include "Query.h"
#include "Solutions.h"
#include "wordlist/WordStore.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace verbalia::solver {

// The list's words folded and laid out for the solver's queries, built once
// per version of the list (on a worker, which shares a long list among up to
// four threads: a few hundred milliseconds of processor time for millions of
// words). It answers as scanSolve does on the list it was built from.
//
// Words are grouped by their number of letters. Each group holds its words
// in tiles of 64, column by column (a tile's first letters, then its second
// letters...), so that a pattern tests one letter position of 64 words with a
// few vector compares and stops at the first position no word passes; beside
// them, each word's list index and a 64-bit signature of its letter counts
// (two bits a letter: once, twice or more; bit 63 when some letter comes three
// times or more), against which anagrams and Made From are a mask and a count
// of bits, checked letter by letter only for the rare words of bit 63. A
// tile's signatures joined let a pattern skip the tiles that lack one of its
// letters, and each word's signature spares the runs between '*'s the words
// that lack one. Each place of a tile has a mask of the words with a vowel
// there, which answers '@' and '#' without a compare.
class SolverIndex {
public:
    // Nothing when `cancel` was set before it was done.
    static std::unique_ptr<const SolverIndex> build(const WordStore& list, const std::atomic<bool>& cancel);

    // Nothing when `cancel` was set before it was done.
    std::optional<Solutions> solve(const SolverQuery& query, const std::atomic<bool>& cancel) const;

    // The entries of the list it was built from.
    std::size_t listSize() const { return m_listSize; }
    // The heap bytes it holds.
    std::size_t memoryBytes() const;

    // A group's arrays lie in the index's one block of memory.
    struct Group {
        std::size_t letters = 0; // of each word
        std::size_t words = 0;
        char* tiles = nullptr;                 // letters * words bytes
        std::uint64_t* signatures = nullptr;   // one per word
        WordIndex* entries = nullptr;          // one per word, ascending
        std::uint64_t* tileLetters = nullptr;  // each tile's signatures joined
        std::uint64_t* vowels = nullptr;       // each tile's places: which of its words have a vowel there
        std::size_t size() const { return words; }
    };

    // The block, in large pages where the kernel allows.
    class Block {
    public:
        explicit Block(std::size_t bytes);
        ~Block();
        Block(const Block&) = delete;
        Block& operator=(const Block&) = delete;
        std::byte* data() const { return m_data; }
        std::size_t size() const { return m_size; }

    private:
        std::byte* m_data;
        std::size_t m_size;
    };

private:
    SolverIndex() = default;

    std::unique_ptr<Block> m_block;
    std::vector<Group> m_groups; // by ascending length
    std::array<std::uint64_t, 26> m_frequency{}; // of each letter in the list, to order the tests
    std::size_t m_listSize = 0;
};

} // namespace verbalia::solver
