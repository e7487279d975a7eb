#pragma once

#include "Query.h"
#include "platform/NumberFormat.h"
#include "wordlist/WordStore.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace verbalia::solver {

// An entry of the word list by its index.
using WordIndex = std::uint32_t;

struct LengthCount {
    std::size_t letters; // folded letters of the words
    std::size_t count;
};

// The words that answer a query.
struct Solutions {
    std::vector<WordIndex> indices;   // in list order; the count is indices.size()
    std::vector<LengthCount> lengths; // by ascending length, none with count 0
};

// The answer of a plain scan of the list, which folds each word as it goes;
// nothing when `cancel` was set before it was done.
std::optional<Solutions> scanSolve(const SolverQuery& query, const WordStore& list, const std::atomic<bool>& cancel);

// The count and, when the words have several lengths, the count per length:
// "1,234 solutions: 5 letters 30, 6 letters 1,204." When fewer than all
// are listed, the label says how many are.
std::string solutionsLabel(const Solutions& solutions, std::size_t listed, const NumberFormat& numbers);
std::string solutionsLabel(std::size_t count, const std::vector<LengthCount>& lengths, std::size_t listed,
                           const NumberFormat& numbers);

// Orders the solutions by a rank of each word (lower first: a commonness
// level), list order kept among words of equal rank.
template <class Rank>
void orderByRank(std::vector<WordIndex>& indices, Rank&& rank)
{
    std::stable_sort(indices.begin(), indices.end(), [&](WordIndex a, WordIndex b) { return rank(a) < rank(b); });
}

} // namespace verbalia::solver
