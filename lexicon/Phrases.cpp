#include "lexicon/Phrases.h"

#include "lexicon/WordNet.h"
#include "text/TextHelpers.h"

#include <algorithm>

namespace verbalia {

namespace {

bool isLetter(char c) { return lowerAscii(c) >= 'a' && lowerAscii(c) <= 'z'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// An index line's senses, each given once, within the bounds.
bool isSound(std::string_view line)
{
    if (line.size() > maxLineLength) return false;
    std::optional<std::vector<std::uint64_t>> offsets = senseOffsets(line);
    if (!offsets) return false;
    std::sort(offsets->begin(), offsets->end());
    return std::adjacent_find(offsets->begin(), offsets->end()) == offsets->end();
}

} // namespace

std::string enumerationOf(std::string_view phrase)
{
    std::size_t total = 0, word = 0;
    std::string parts;
    char pendingBreak = 0; // the break before the word being counted
    const auto endWord = [&] {
        if (word == 0) return;
        if (!parts.empty()) parts += pendingBreak;
        parts += std::to_string(word);
        total += word;
        word = 0;
        pendingBreak = 0;
    };
    for (const char c : phrase) {
        if (c == ' ' || c == '_' || c == '-') {
            const bool afterWord = word != 0;
            endWord();
            // A space wins over a hyphen around a word without letters.
            if (afterWord || pendingBreak != ',') pendingBreak = c == '-' ? '-' : ',';
        } else if (isLetter(c)) {
            ++word;
        }
    }
    endWord();
    return std::to_string(total) + " (" + parts + ")";
}

PhrasesLoad readPhrases(const FileSystem& files, const std::string& folder, const std::atomic<bool>& cancel)
{
    PhrasesLoad load;
    for (const PartOfSpeech part : partsOfSpeech) {
        const std::string path = folder + "index." + fileSuffix(part);
        const std::optional<std::string> text = files.readAll(path);
        if (!text) return {{}, 0, path, false};
        std::size_t lines = 0;
        for (std::size_t start = 0; start < text->size();) {
            const std::size_t end = std::min(text->find('\n', start), text->size());
            const std::string_view line = std::string_view(*text).substr(start, end - start);
            start = end + 1;
            if (++lines % 4096 == 0 && cancel.load(std::memory_order_relaxed)) return {{}, 0, {}, true};
            if (line.empty() || line[0] == ' ') continue;
            if (!isSound(line)) {
                ++load.damagedLines;
                continue;
            }
            const std::string_view lemma = line.substr(0, line.find(' '));
            if (lemma.find_first_of("_-") == std::string_view::npos || std::any_of(lemma.begin(), lemma.end(), isDigit) ||
                std::none_of(lemma.begin(), lemma.end(), isLetter))
                continue;
            std::string shown = shownWord(lemma, part);
            load.phrases.push_back({shown, enumerationOf(shown)});
        }
    }
    std::sort(load.phrases.begin(), load.phrases.end(), [](const Phrase& a, const Phrase& b) { return a.text < b.text; });
    load.phrases.erase(std::unique(load.phrases.begin(), load.phrases.end(),
                                   [](const Phrase& a, const Phrase& b) { return a.text == b.text; }),
                       load.phrases.end());
    return load;
}

} // namespace verbalia
