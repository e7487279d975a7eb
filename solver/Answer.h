#pragma once

#include "Query.h"
#include "Solutions.h"
#include "SolverIndex.h"

#include "lexicon/CommonnessLevels.h"
#include "lexicon/MeaningIndex.h"
#include "lexicon/Phrases.h"
#include "platform/NumberFormat.h"
#include "wordlist/WordStore.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace verbalia::solver {

enum class AnswerOrder {
    common, // with a meaning by relation first; then by level, phrases after level 80, words without a level last
    list,   // the list's words in list order, then the phrases alphabetically
};

// What the solver page and `verbalia-find solve` ask. Texts are Windows-1252.
struct AnswerRequest {
    SolveMode mode = SolveMode::Pattern;
    std::string query;
    // Only the words of this level or commoner; none for all words. Words
    // without a level are kept only without it; phrases always are.
    std::optional<Level> upTo;
    bool phrases = false; // WordNet's phrases join the list's words
    std::string meaning;  // none when empty; with an empty query, every candidate related to it
    AnswerOrder order = AnswerOrder::common;
    // Rows built; the count and the count per length are always exact.
    std::size_t rowLimit = std::numeric_limits<std::size_t>::max();
};

// What the answer is found in; each pointer may be null.
struct AnswerData {
    const WordStore& list;
    const SolverIndex* index = nullptr;         // built from this list; null scans it
    const CommonnessLevels* levels = nullptr;   // null: no word has a level
    const std::vector<Phrase>* phrases = nullptr;
    const MeaningIndex* meanings = nullptr;     // needed for a meaning
    // The levels' levelsByIndex for this list: read by index instead of looked up.
    const std::vector<Level>* levelsByIndex = nullptr;
};

// Each word's level by its index in the list (a byte a word), worth making
// once per version of the list where many answers follow; nothing when
// `cancel` was set before it was done.
std::optional<std::vector<Level>> levelsByIndex(const WordStore& list, const CommonnessLevels& levels,
                                                const std::atomic<bool>& cancel);

// A row of an answer; its text is read when wanted (rowText), which spares
// an answer of many rows a read of each word.
struct AnswerRow {
    std::size_t index = 0;     // in the list, or in the phrases
    Level level = Level::none; // none also for a phrase
    bool phrase = false;
    std::optional<Relation> relation; // to the meaning, when there is one
};

// A row's text: the word as the list holds it, or the phrase with its
// spaces ("piece of cake"); `list` and `phrases` are those it was answered from.
std::string_view rowText(const AnswerRow& row, const WordStore& list, const std::vector<Phrase>* phrases);
// Its letters: "5" for a word, "11 (5,2,4)" for a phrase.
std::string rowLetters(const AnswerRow& row, std::string_view text, const std::vector<Phrase>* phrases);

struct Answer {
    // Why there is no answer: the query is not understood, or a meaning is
    // given without the meaning index. When set, the rest is empty.
    std::string message;
    bool asked = false;          // a query or a meaning was given
    std::vector<AnswerRow> rows; // in order, at most rowLimit
    std::size_t count = 0;       // every match
    std::vector<LengthCount> lengths; // by ascending letter count
};

// Answers a request; nothing when `cancel` was set before it was done. An
// empty query without a meaning answers nothing, with no message.
std::optional<Answer> answer(const AnswerRequest& request, const AnswerData& data, const std::atomic<bool>& cancel);

// The same, each row handed to visit in order instead of kept (rows stays
// empty): for output as long as the list, without a copy of it.
using RowVisitor = std::function<void(const AnswerRow&)>;
std::optional<Answer> answer(const AnswerRequest& request, const AnswerData& data, const std::atomic<bool>& cancel,
                             const RowVisitor& visit);

// The status line of an answer: the message, nothing when nothing was
// asked, else solutionsLabel's text.
std::string answerLabel(const Answer& answer, const NumberFormat& numbers);

} // namespace verbalia::solver
