#pragma once

#include "platform/FileSystem.h"

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

namespace verbalia {

struct Phrase {
    std::string text;        // lower case as WordNet writes it, words spaced: "piece of cake", "x-ray"
    std::string enumeration; // "11 (5,2,4)", "4 (1-3)"
};

// A phrase's enumeration as crosswords give it: the count of its letters (a-z
// case-blind, anything else skipped), then each word's, joined by ',' where
// a space (or '_') parts them and by '-' where a hyphen does. A word without
// letters ("&") is passed over.
std::string enumerationOf(std::string_view phrase);

struct PhrasesLoad {
    std::vector<Phrase> phrases; // by text, each once
    std::size_t damagedLines = 0;
    std::string unreadable; // the path of a file that is missing or could not be read
    bool cancelled = false;
};

// WordNet's phrases: the entries of the folder's index.* files (folder ends
// with '/') written with a space or a hyphen, those with a digit left out
// ("catch-22": crosswords spell numbers). An index line past maxLineLength,
// with more than maxSenses senses, one given twice, or not in the format is
// damage: skipped and counted. Stops early, with no phrases, when cancel is set.
PhrasesLoad readPhrases(const FileSystem& files, const std::string& folder, const std::atomic<bool>& cancel);

} // namespace verbalia
