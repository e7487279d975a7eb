#pragma once

#include "wordlist/WordStore.h"

#include <string>
#include <vector>

namespace verbalia {

// Tests the known words begin .. end-1 and appends each match's result line.
template <class Matcher>
void scanRange(const WordStore& list, std::size_t begin, std::size_t end, const Matcher& matcher,
               std::vector<std::string>& results)
{
    list.forEach(begin, end, [&](const std::string& word) {
        if (matcher.matches(word)) results.emplace_back(matcher.result(word));
    });
}

} // namespace verbalia
