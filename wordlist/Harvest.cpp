#include "Harvest.h"

#include "KnownWordLookup.h"
#include "platform/Collation.h"
#include "platform/NumberFormat.h"
#include "text/LineText.h"
#include "text/ProgressStep.h"
#include "text/TextHelpers.h"

#include <algorithm>
#include <array>
#include <utility>

namespace verbalia {

bool Contains_Digit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Letters_And_Spaces_Only(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [](char c) { return c == ' ' || isCodePageLetter(c); });
    return kept;
}

namespace {

bool isLetterOrDigit(char c) { return isCodePageLetter(c) || (c >= '0' && c <= '9'); }

// The word without the characters around it that are neither letters nor digits.
std::string_view withoutPunctuationAround(std::string_view word)
{
    while (!word.empty() && !isLetterOrDigit(word.front())) word.remove_prefix(1);
    while (!word.empty() && !isLetterOrDigit(word.back())) word.remove_suffix(1);
    return word;
}

// Calls visit(written, added) for each word of the line, as harvestWordsOf
// gives them; the views last until the next line.
class TextWordSplitter {
public:
    template <class Visit>
    void split(std::string_view line, const HarvestOptions& options, Visit&& visit)
    {
        line = trimControls(line);
        m_line.resize(line.size());
        std::transform(line.begin(), line.end(), m_line.begin(), [](char c) { return lowerCodePageLetter(c); });
        std::string_view rest = m_line;
        while (!rest.empty()) {
            const std::size_t space = rest.find(' ');
            const std::string_view word = rest.substr(0, space);
            rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
            if (options.ignoreSymbols) {
                const std::string_view written = withoutPunctuationAround(word);
                // The digits go with the symbols, so the numbers option has nothing left to drop.
                m_added = Letters_And_Spaces_Only(written);
                if (!m_added.empty()) visit(written, std::string_view(m_added));
            } else if (!word.empty() && !(options.ignoreNumbers && Contains_Digit(word))) {
                // Runs of spaces give empty words.
                visit(word, word);
            }
        }
    }

private:
    std::string m_line, m_added;
};

} // namespace

std::vector<TextWord> harvestWordsOf(std::string_view line, const HarvestOptions& options)
{
    std::vector<TextWord> words;
    TextWordSplitter().split(line, options, [&words](std::string_view written, std::string_view added) {
        words.push_back({std::string(written), std::string(added)});
    });
    return words;
}

namespace {

// The distinct words of a text, each once, in the order first met, with
// whether the list holds an equal one. Words are found by their equality
// hash in an open-addressing table whose slots also say whether their word is
// known, so a list of millions, most of whose words are known or repeated,
// touches little but the table.
class TextWords {
public:
    explicit TextWords(const Collation& collation) : m_collation(collation), m_slots(16, Slot{}) {}

    // The index of the word, new or met before.
    std::size_t add(std::string_view word)
    {
        const std::uint64_t hash = m_collation.equalityHash(word);
        std::size_t at = hash & (m_slots.size() - 1);
        for (; m_slots[at].word != empty; at = (at + 1) & (m_slots.size() - 1)) {
            if (m_slots[at].hash == hash && m_words[m_slots[at].word] == word) return m_slots[at].word;
        }
        const std::size_t index = m_words.size();
        m_slots[at] = {hash, std::uint32_t(index), false};
        m_words.emplace_back(word);
        m_known.push_back(false);
        m_metAsWritten.push_back(false);
        if (2 * m_words.size() > m_slots.size()) grow();
        return index;
    }

    // True the first time the word is met as a text writes it.
    bool firstMetAsWritten(std::size_t index)
    {
        if (m_metAsWritten[index]) return false;
        m_metAsWritten[index] = true;
        return true;
    }
    // Marks the words that compare equal to a word of the list. The list's
    // words go in batches whose slots are fetched ahead: a table larger than
    // the cache then costs no wait for each word.
    void markEqualsIn(const WordStore& list)
    {
        constexpr std::size_t batch = 16;
        std::array<std::string_view, batch> words;
        std::array<std::uint64_t, batch> hashes;
        std::size_t count = 0;
        const auto markBatch = [&] {
            for (std::size_t i = 0; i < count; ++i) markEqualsOf(words[i], hashes[i]);
            count = 0;
        };
        list.forEach(0, list.size(), [&](std::string_view word) {
            hashes[count] = m_collation.equalityHash(word);
            __builtin_prefetch(&m_slots[hashes[count] & (m_slots.size() - 1)]);
            words[count++] = word;
            if (count == batch) markBatch();
        });
        markBatch();
    }

    // Marks the words that compare equal to this one.
    void markEqualsOf(std::string_view listWord) { markEqualsOf(listWord, m_collation.equalityHash(listWord)); }

    bool known(std::size_t index) const { return m_known[index]; }
    std::string& text(std::size_t index) { return m_words[index]; }

private:
    struct Slot {
        std::uint64_t hash = 0;
        std::uint32_t word = empty;
        bool known = false;
    };
    static constexpr std::uint32_t empty = UINT32_MAX;

    void markEqualsOf(std::string_view listWord, std::uint64_t hash)
    {
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t at = hash & mask; m_slots[at].word != empty; at = (at + 1) & mask) {
            Slot& slot = m_slots[at];
            if (slot.hash != hash || slot.known) continue;
            const std::string& word = m_words[slot.word];
            // The same letters but for the case of A-Z are equal under any
            // collation that ignores case, without asking it.
            if (equalsIgnoringAsciiCase(word, listWord) || m_collation.compare(word, listWord) == 0) {
                slot.known = true;
                m_known[slot.word] = true;
            }
        }
    }

    void grow()
    {
        std::vector<Slot> slots(2 * m_slots.size(), Slot{});
        for (const Slot& slot : m_slots) {
            if (slot.word == empty) continue;
            std::size_t at = slot.hash & (slots.size() - 1);
            while (slots[at].word != empty) at = (at + 1) & (slots.size() - 1);
            slots[at] = slot;
        }
        m_slots = std::move(slots);
    }

    const Collation& m_collation;
    std::vector<std::string> m_words;
    std::vector<bool> m_known;
    std::vector<bool> m_metAsWritten;
    std::vector<Slot> m_slots;
};

} // namespace

bool findNewWords(const WordStore& list, const Collation& collation, const std::vector<std::string>& lines,
                  const HarvestOptions& options, const std::function<bool()>& haltRequested,
                  const std::function<void(std::size_t line)>& progress,
                  const std::function<void(std::string word)>& found)
{
    // Membership is found by one pass over the list, whatever its order: the
    // text's distinct words, as written and as added, are gathered first
    // (most words of a text are repeats) and each list word marks the text
    // words equal to it.
    struct Met {
        std::size_t written, added;
    };
    TextWords words(collation);
    std::vector<std::vector<Met>> firstMet(lines.size());
    TextWordSplitter splitter;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        splitter.split(lines[i], options, [&](std::string_view writtenWord, std::string_view addedWord) {
            const std::size_t written = words.add(writtenWord);
            if (!words.firstMetAsWritten(written)) return;
            firstMet[i].push_back({written, writtenWord == addedWord ? written : words.add(addedWord)});
        });
    }
    words.markEqualsIn(list);

    const auto halted = [&haltRequested] { return haltRequested && haltRequested(); };
    const std::size_t step = progressStep(lines.size());
    for (std::size_t i = 0; i < lines.size() && !halted(); ++i) {
        if (i % step == 0 && progress) progress(i);
        for (const Met met : firstMet[i]) {
            if (words.known(met.written) || words.known(met.added)) continue;
            // A word found now is known to the text words equal to it.
            words.markEqualsOf(words.text(met.added));
            found(std::move(words.text(met.added)));
        }
    }
    // A halt asked for during the last line still counts.
    return halted();
}

std::optional<std::size_t> addFoundWord(WordStore& list, const Collation& collation, std::string word)
{
    const KnownWordLocation location = Locate_Known_Word(list, word, collation);
    if (location.found >= 0) return std::nullopt;
    const auto index = std::size_t(location.insertion);
    list.insert(index, word);
    return index;
}

HarvestOutcome harvest(WordStore& list, const Collation& collation, const std::vector<std::string>& lines,
                       const HarvestOptions& options, const HarvestHooks& hooks)
{
    HarvestOutcome outcome;
    outcome.halted = findNewWords(list, collation, lines, options, hooks.haltRequested, hooks.progress,
                                  [&](std::string word) {
                                      const std::optional<std::size_t> index = addFoundWord(list, collation, word);
                                      if (!index) return;
                                      outcome.words.push_back(std::move(word));
                                      ++outcome.added;
                                      if (hooks.wordAdded) hooks.wordAdded(*index);
                                  });
    return outcome;
}

std::string harvestQuestion(std::string_view numbersCaption, bool ignoreNumbers, std::string_view symbolsCaption,
                            bool ignoreSymbols)
{
    const std::string numbers = ignoreNumbers ? std::string(numbersCaption)
                                              : Replace_All_Occurrences(std::string(numbersCaption), "Ignore",
                                                                        "Allow (i.e. add in)");
    const std::string symbols = ignoreSymbols ? std::string(symbolsCaption)
                                              : Replace_All_Occurrences(std::string(symbolsCaption), "Ignore",
                                                                        "Allow (i.e. preserve)");
    return "Add all words contained in the Temporary Work Area to the List of Known Words, using these criteria :"
           "\r\n\r\n - " +
           numbers + "\r\n\r\n - " + symbols + "\r\n\r\nAre you sure ?";
}

std::string harvestReport(const HarvestOutcome& outcome, const NumberFormat& numbers)
{
    if (outcome.halted) return "Ading words aborted as requested.";
    return numbers.formatCount(outcome.added) + " words were added to the List of Known Words.";
}

namespace {

std::string toWorkAreaText(std::string_view text)
{
    std::string joined;
    joined.reserve(text.size());
    bool first = true;
    forEachLine(text, [&](std::string_view line) {
        if (!first) joined += '\n';
        first = false;
        for (const char c : line) {
            if (c == '\t')
                joined.append(8, ' ');
            else
                joined += c;
        }
    });
    return joined;
}

} // namespace

std::string workAreaTextFromClipboard(std::string_view text)
{
    // Pasted text that ends with a line end leaves the caret on a new line.
    std::string joined = toWorkAreaText(text);
    const std::string_view upToNul = text.substr(0, text.find('\0'));
    if (upToNul.ends_with('\n') || upToNul.ends_with('\r')) joined += '\n';
    return joined;
}

std::string workAreaTextFromFile(std::string_view bytes) { return toWorkAreaText(bytes); }

} // namespace verbalia
