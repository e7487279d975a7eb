#include "Solutions.h"

#include "Fold.h"

#include <limits>
#include <stdexcept>

namespace verbalia::solver {

std::optional<Solutions> scanSolve(const SolverQuery& query, const WordStore& list, const std::atomic<bool>& cancel)
{
    if (list.size() > std::numeric_limits<WordIndex>::max()) throw std::length_error("scanSolve: list too long");
    Solutions solutions;
    std::vector<std::size_t> perLength;
    std::string buffer;
    constexpr std::size_t step = 4096; // entries between looks at the cancel flag
    for (std::size_t begin = 0; begin < list.size(); begin += step) {
        if (cancel.load(std::memory_order_relaxed)) return std::nullopt;
        auto index = WordIndex(begin);
        list.forEach(begin, begin + step, [&](std::string_view word) {
            const std::string_view letters = foldWith(word, buffer);
            if (matchesFolded(query, letters)) {
                solutions.indices.push_back(index);
                if (perLength.size() <= letters.size()) perLength.resize(letters.size() + 1);
                ++perLength[letters.size()];
            }
            ++index;
        });
    }
    for (std::size_t length = 0; length < perLength.size(); ++length)
        if (perLength[length] > 0) solutions.lengths.push_back({length, perLength[length]});
    return solutions;
}

std::string solutionsLabel(const Solutions& solutions, std::size_t listed, const NumberFormat& numbers)
{
    return solutionsLabel(solutions.indices.size(), solutions.lengths, listed, numbers);
}

std::string solutionsLabel(std::size_t count, const std::vector<LengthCount>& lengths, std::size_t listed,
                           const NumberFormat& numbers)
{
    if (count == 0) return "No solutions.";
    std::string label = numbers.formatCount(std::int64_t(count)) + (count == 1 ? " solution" : " solutions");
    if (lengths.size() > 1) {
        label += ':';
        for (const LengthCount& length : lengths) {
            label += ' ' + numbers.formatCount(std::int64_t(length.letters)) + (length.letters == 1 ? " letter " : " letters ") +
                     numbers.formatCount(std::int64_t(length.count)) + ',';
        }
        label.pop_back();
    }
    label += '.';
    if (listed < count) label += " The first " + numbers.formatCount(std::int64_t(listed)) + " are listed.";
    return label;
}

} // namespace verbalia::solver
