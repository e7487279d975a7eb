#pragma once

#include "platform/FileSystem.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace verbalia {

// How common a word is: the smallest SCOWL size (10 for the commonest words,
// then 20, 35, 40, 50, 55, 60, 70, 80) of a SCOWL file that holds it. A word
// without one (harvested, or from a list of the user's own) is rarer than all.
enum class Level : std::uint8_t { size10, size20, size35, size40, size50, size55, size60, size70, size80, none };

inline constexpr std::size_t levelCount = std::size_t(Level::none) + 1;
inline constexpr std::array<int, levelCount - 1> scowlSizes{10, 20, 35, 40, 50, 55, 60, 70, 80};
inline constexpr std::string_view scowlSizesText = "10, 20, 35, 40, 50, 55, 60, 70 or 80";

// The level of a SCOWL size written in digits ("35"); nothing for any other text.
std::optional<Level> levelOfSize(std::string_view size);

// What a result's tooltip says: "SCOWL size 35", or "not in SCOWL".
std::string levelText(Level level);

// The file beside the program that gives the shipped list's words their levels.
inline constexpr std::string_view levelsFileName = "wordlist-levels.txt";

// The default wordOf: the item is the word (a search's result lines).
struct WordItself {
    std::string_view operator()(std::string_view word) const { return word; }
};

struct LevelsLoad;

// The levels of a levels file: UTF-8 text, one line per word, the word, a tab
// and its SCOWL size, in any order; a word given twice takes its commonest
// size; empty lines are ignored. Words are held as the list holds them
// (Windows-1252), each followed by its level's byte, in one arena; an
// open-addressing table of their offsets finds them.
class CommonnessLevels {
public:
    // The levels in the file, or why there are none (the file named): it is
    // missing, unreadable, or damaged (not UTF-8 that Windows-1252 can hold, a
    // NUL, no words, or a line that is not a word, a tab and a size: its number).
    static LevelsLoad load(const FileSystem& files, const std::string& path);

    // The level of a word as the list holds it.
    Level levelOf(std::string_view word) const;

    std::size_t size() const { return m_count; }

    // The bytes held, for the benchmark.
    std::size_t heldBytes() const { return m_words.capacity() + m_slots.capacity() * sizeof(std::uint32_t); }

    // Orders matches given in list order by the level of wordOf(item),
    // commonest first, keeping list order among equal levels: a counting sort
    // over the levels, one lookup per match (see levelsAfter).
    template <class Item, class WordOf = WordItself>
    void orderByLevel(std::vector<Item>& items, WordOf wordOf = {}) const;

    // Keeps the items whose word is of level `limit` or commoner, in their order (--common).
    template <class Item, class WordOf = WordItself>
    void keepWithin(std::vector<Item>& items, Level limit, WordOf wordOf = {}) const
    {
        const std::vector<Level> levels = levelsOf(items, wordOf);
        std::size_t kept = 0;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (levels[i] > limit) continue;
            if (kept != i) items[kept] = std::move(items[i]);
            ++kept;
        }
        items.erase(items.begin() + std::ptrdiff_t(kept), items.end());
    }

    // The levels of words in list order, a batch at a time (`next` starts at 0), that follow the word before `next`,
    // the offset after the last one found. The file is in list order, so the
    // word at `next` is tried first, sparing the table for every match of
    // '*'; the others are looked up 16 at a time, their slots fetched ahead.
    void levelsAfter(std::span<const std::string_view> words, Level* levels, std::size_t& next) const;

private:
    CommonnessLevels() = default;
    // Makes the arena from the file's text, converted in place: the problem, if any.
    std::string takeLines(std::string text);
    void buildTable();
    void insert(std::size_t start, std::size_t size, std::size_t hash);
    // True when the word at this offset of the arena is this word.
    bool holds(std::size_t offset, std::string_view word) const;
    // The offset of the word in the arena, if it is there.
    std::optional<std::size_t> find(std::string_view word, std::size_t hash) const;
    template <class Item, class WordOf>
    std::vector<Level> levelsOf(const std::vector<Item>& items, WordOf& wordOf) const;

    std::string m_words;                // each word, then its level's byte
    // A word's slot: the offset after its offset in m_words under m_offsetMask,
    // the top bits of its hash above; 0 when free.
    std::vector<std::uint32_t> m_slots;
    std::uint32_t m_offsetMask = 0;
    std::size_t m_count = 0;
};

struct LevelsLoad {
    std::optional<CommonnessLevels> levels;
    std::string problem; // when there are none
};

template <class Item, class WordOf>
std::vector<Level> CommonnessLevels::levelsOf(const std::vector<Item>& items, WordOf& wordOf) const
{
    std::vector<Level> levels(items.size());
    std::array<std::string_view, 256> words;
    std::size_t next = 0;
    for (std::size_t first = 0; first < items.size(); first += words.size()) {
        const std::size_t count = std::min(words.size(), items.size() - first);
        for (std::size_t i = 0; i < count; ++i) words[i] = wordOf(items[first + i]);
        levelsAfter({words.data(), count}, levels.data() + first, next);
    }
    return levels;
}

template <class Item, class WordOf>
void CommonnessLevels::orderByLevel(std::vector<Item>& items, WordOf wordOf) const
{
    const std::vector<Level> levels = levelsOf(items, wordOf);
    std::array<std::size_t, levelCount> starts{};
    for (const Level level : levels) ++starts[std::size_t(level)];
    std::size_t start = 0;
    for (std::size_t& count : starts) start += std::exchange(count, start);
    std::vector<Item> ordered(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) ordered[starts[std::size_t(levels[i])]++] = std::move(items[i]);
    items = std::move(ordered);
}

} // namespace verbalia
