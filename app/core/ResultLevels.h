#pragma once

#include "lexicon/CommonnessLevels.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace verbalia {

class WordStore;

// The level of each row of results listed commonest first.
struct RowLevels {
    std::array<std::size_t, levelCount> firstRows{}; // the first row of each level (the next level's if none)

    Level of(std::size_t row) const;
};

// A search's results listed commonest first.
struct LevelOrder {
    std::vector<std::uint32_t> rows; // the result each row shows
    RowLevels levels;
};

// Orders the words of results given in list order by level, then in list order.
LevelOrder levelOrder(const std::vector<std::string_view>& words, const CommonnessLevels& levels);

// The words of the list that results in list order are lower-cased (A-Z)
// copies of, each a later word than the one before. Words alike but for
// case all match a search or none do, so the first alike is the one.
std::vector<std::string_view> wordsOfLowerCased(const std::vector<std::string_view>& results, const WordStore& list);

} // namespace verbalia
