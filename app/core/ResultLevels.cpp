#include "app/core/ResultLevels.h"

#include "text/TextHelpers.h"
#include "wordlist/WordStore.h"

#include <algorithm>
#include <numeric>

namespace verbalia {

LevelOrder levelOrder(const std::vector<std::string_view>& words, const CommonnessLevels& levels)
{
    LevelOrder order;
    order.rows.resize(words.size());
    std::iota(order.rows.begin(), order.rows.end(), std::uint32_t(0));
    levels.orderByLevel(order.rows, [&words](std::uint32_t row) { return words[row]; });
    // The rows are in level order: a few lookups find where each level begins.
    for (std::size_t level = 0; level < levelCount; ++level)
        order.levels.firstRows[level] = std::size_t(
            std::partition_point(order.rows.begin(), order.rows.end(),
                                 [&](std::uint32_t row) { return std::size_t(levels.levelOf(words[row])) < level; }) -
            order.rows.begin());
    return order;
}

Level RowLevels::of(std::size_t row) const
{
    const auto after = std::upper_bound(firstRows.begin(), firstRows.end(), row);
    return Level(after - firstRows.begin() - 1);
}

std::vector<std::string_view> wordsOfLowerCased(const std::vector<std::string_view>& results, const WordStore& list)
{
    std::vector<std::string_view> words;
    words.reserve(results.size());
    list.forEach(0, list.size(), [&](std::string_view word) {
        if (words.size() == results.size()) return;
        const std::string_view result = results[words.size()];
        if (std::equal(word.begin(), word.end(), result.begin(), result.end(),
                       [](char w, char r) { return lowerAscii(w) == r; }))
            words.push_back(word);
    });
    // Never short, even were the list to differ from the one searched.
    for (std::size_t i = words.size(); i < results.size(); ++i) words.push_back(results[i]);
    return words;
}

} // namespace verbalia
