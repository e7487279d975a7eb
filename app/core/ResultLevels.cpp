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
    order.levels.reserve(words.size());
    for (const std::uint32_t row : order.rows) order.levels.push_back(levels.levelOf(words[row]));
    return order;
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
