#include "Answer.h"

#include "Fold.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <unordered_map>

namespace verbalia::solver {

namespace {

// A match as it is ordered.
struct Candidate {
    WordIndex index;             // in the list, or in the phrases
    std::uint16_t letters;       // its letter count, when counted
    Level level;
    std::uint8_t key;            // the order: lower first
    bool phrase;
    std::uint8_t relation;       // a Relation, 0 for none
};

// Ranks within a relation: the levels 0 to 8, then the phrases, then the
// words without a level.
constexpr std::uint8_t phraseRank = std::uint8_t(Level::size80) + 1;
constexpr std::uint8_t noLevelRank = phraseRank + 1;
constexpr std::uint8_t ranks = noLevelRank + 1;

constexpr std::size_t step = 4096; // candidates between looks at the cancel flag

// Finds strings by a string_view, without a copy.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
};
template <class Value>
using ByLetters = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

// A word's letter count and its first and last letters, hashed: a cheap
// test that spares most words a lookup among the related words.
constexpr std::size_t shapes = 1 << 15;
std::size_t shapeOf(std::string_view letters)
{
    return (letters.size() * 677 + std::size_t(letters.front() - 'a') * 26 + std::size_t(letters.back() - 'a')) % shapes;
}

bool holdsWords(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return foldChar(c).count > 0; });
}

// The meaning's related words by their letters, each with its strongest relation.
ByLetters<Relation> relatedByLetters(const MeaningIndex& meanings, std::string_view meaning)
{
    ByLetters<Relation> related;
    for (const RelatedWord& word : meanings.related(meaning)) {
        std::string letters = folded(word.word);
        if (letters.empty()) continue;
        const auto [at, added] = related.emplace(std::move(letters), word.relation);
        if (!added) at->second = std::min(at->second, word.relation);
    }
    return related;
}

// Calls visit(index, word) for each index (ascending), walking runs of
// consecutive entries in one go.
template <class Visit>
void forEachEntry(const WordStore& list, const std::vector<WordIndex>& indices, Visit&& visit)
{
    for (std::size_t first = 0; first < indices.size();) {
        std::size_t last = first + 1;
        while (last < indices.size() && indices[last] == indices[last - 1] + 1) ++last;
        WordIndex index = indices[first];
        list.forEach(indices[first], std::size_t(indices[last - 1]) + 1,
                     [&](std::string_view word) { visit(index++, word); });
        first = last;
    }
}

class Answering {
public:
    // Without a query, every candidate related to the meaning.
    Answering(const AnswerRequest& request, const AnswerData& data, const std::optional<SolverQuery>& query,
              const std::atomic<bool>& cancel)
        : m_request(request), m_data(data), m_hasQuery(query.has_value()), m_query(query.value_or(SolverQuery{})),
          m_cancel(cancel), m_meaning(holdsWords(request.meaning)),
          m_breaksNeeded(std::find(m_query.spaced.begin(), m_query.spaced.end(), wordBreak) != m_query.spaced.end())
    {
        if (!m_meaning) return;
        m_related = relatedByLetters(*data.meanings, request.meaning);
        for (const auto& [letters, relation] : m_related) m_relatedShapes[shapeOf(letters)] = true;
    }

    // The rows go to visit, or into the answer without it.
    bool run(Answer& answer, const RowVisitor* visit)
    {
        if (m_request.phrases && m_data.phrases && !matchPhrases()) return false;
        std::optional<Solutions> solutions{std::in_place};
        if (m_hasQuery)
            solutions = m_data.index ? m_data.index->solve(m_query, m_cancel) : scanSolve(m_query, m_data.list, m_cancel);
        if (!solutions || !takeWords(solutions->indices)) return false;
        if (!m_ordered) order();
        answer.count = m_count;
        if (m_lettersCounted) lengths(answer.lengths);
        else answer.lengths = std::move(solutions->lengths);
        if (visit) {
            forEachRow(*visit);
        } else {
            answer.rows.reserve(std::min(m_candidates.size(), m_request.rowLimit));
            forEachRow([&answer](const AnswerRow& row) { answer.rows.push_back(row); });
        }
        return true;
    }

private:
    // The phrases that answer, by their letters, before the words that
    // duplicate them are known.
    bool matchPhrases()
    {
        const std::vector<Phrase>& phrases = *m_data.phrases;
        std::string buffer;
        for (std::size_t i = 0; i < phrases.size(); ++i) {
            if (i % step == 0 && m_cancel.load(std::memory_order_relaxed)) return false;
            const std::string_view letters = foldWith(phrases[i].text, buffer);
            const std::optional<Relation> relation = relationOf(letters);
            if (m_meaning && !relation) continue;
            if (m_hasQuery && !fitsBreaks(phrases[i].text, letters)) continue;
            m_phrases.push_back({WordIndex(i), std::uint16_t(std::min<std::size_t>(letters.size(), UINT16_MAX)),
                                 Level::none, 0, true, relation ? std::uint8_t(*relation) : std::uint8_t(0)});
            m_phraseLetters.emplace(std::string(letters), m_phrases.size() - 1);
        }
        m_duplicate.assign(m_phrases.size(), false);
        return true;
    }

    // Whether a candidate with these letters, which the letter pattern may
    // not have been tried on yet, answers the query, its breaks included.
    bool fitsBreaks(std::string_view word, std::string_view letters) const
    {
        if (!matchesFolded(m_query, letters)) return false;
        if (m_query.spaced.empty()) return true;
        if (word.find_first_of(" -_") != std::string_view::npos) return matchesSpaced(m_query, foldedSpaced(word));
        // Unbroken: only a spaced pattern without a break takes it, which is the letter pattern.
        return !m_breaksNeeded;
    }

    std::optional<Relation> relationOf(std::string_view letters) const
    {
        if (!m_meaning || letters.empty() || !m_relatedShapes[shapeOf(letters)]) return std::nullopt;
        const auto at = m_related.find(letters);
        if (at == m_related.end()) return std::nullopt;
        return at->second;
    }

    // The list's words that answer, in list order, the duplicated phrases
    // marked: those of the indices, or without a query all of the list.
    bool takeWords(const std::vector<WordIndex>& indices)
    {
        const bool fold = m_meaning || !m_query.spaced.empty() || !m_phraseLetters.empty();
        // Otherwise the index's count per length stands.
        m_lettersCounted = fold || m_request.upTo;
        const bool leveled = m_data.levels && (m_request.order == AnswerOrder::common || m_request.upTo);
        if (m_hasQuery && !m_lettersCounted && (!leveled || m_data.levelsByIndex))
            return takeIndices(indices, leveled ? m_data.levelsByIndex : nullptr);
        std::string buffer;
        std::array<std::string_view, 256> batch;
        std::array<Level, 256> levels;
        std::size_t batched = 0, next = 0, seen = 0;
        // The phrases with the letters of a word of the batch: the word's place, the phrase's.
        std::vector<std::pair<std::size_t, std::size_t>> twins;
        bool cancelled = false;
        const auto flush = [&] {
            const std::size_t first = m_candidates.size() - batched;
            if (leveled && m_data.levelsByIndex) {
                for (std::size_t i = 0; i < batched; ++i) levels[i] = (*m_data.levelsByIndex)[m_candidates[first + i].index];
            } else if (leveled) {
                m_data.levels->levelsAfter({batch.data(), batched}, levels.data(), next);
            }
            std::size_t kept = first;
            std::vector<bool> shown(batched);
            for (std::size_t i = 0; i < batched; ++i) {
                Candidate candidate = m_candidates[first + i];
                candidate.level = leveled ? levels[i] : Level::none;
                if (m_request.upTo && (!m_data.levels || candidate.level > *m_request.upTo)) continue;
                shown[i] = true;
                m_candidates[kept++] = candidate;
            }
            for (const auto& [word, phrase] : twins)
                if (shown[word]) m_duplicate[phrase] = true;
            m_candidates.resize(kept);
            twins.clear();
            batched = 0;
        };
        const auto take = [&](WordIndex index, std::string_view word) {
            if (cancelled || (++seen % step == 0 && (cancelled = m_cancel.load(std::memory_order_relaxed)))) return;
            if (m_breaksNeeded && word.find_first_of(" -_") == std::string_view::npos) return;
            std::size_t letters = 0;
            std::optional<Relation> relation;
            if (fold) {
                const std::string_view folded = foldWith(word, buffer);
                letters = folded.size();
                relation = relationOf(folded);
                if (m_meaning && !relation) return;
                if (!m_query.spaced.empty() && !fitsBreaks(word, folded)) return;
                if (!m_phraseLetters.empty()) {
                    const auto [from, to] = m_phraseLetters.equal_range(folded);
                    for (auto at = from; at != to; ++at) twins.emplace_back(batched, at->second);
                }
            } else if (m_lettersCounted) {
                letters = foldedLength(word);
            }
            m_candidates.push_back({index, std::uint16_t(std::min<std::size_t>(letters, UINT16_MAX)), Level::none, 0,
                                    false, relation ? std::uint8_t(*relation) : std::uint8_t(0)});
            batch[batched++] = word;
            if (batched == batch.size()) flush();
        };
        if (m_hasQuery) {
            m_candidates.reserve(indices.size());
            forEachEntry(m_data.list, indices, take);
        } else {
            WordIndex index = 0;
            m_data.list.forEach(0, m_data.list.size(), [&](std::string_view word) { take(index++, word); });
        }
        if (cancelled) return false;
        flush();
        for (std::size_t i = 0; i < m_phrases.size(); ++i)
            if (!m_duplicate[i]) m_candidates.push_back(m_phrases[i]);
        return true;
    }

    // The same, ordered, when no word needs to be read: neither folded (so
    // no phrase answers), nor counted, nor looked up. Only the rows wanted
    // are kept, placed by a counting sort over the levels.
    bool takeIndices(const std::vector<WordIndex>& indices, const std::vector<Level>* levels)
    {
        const auto rankOf = [levels](WordIndex index) {
            return levels ? std::size_t((*levels)[index]) : 0; // none is the last level
        };
        std::array<std::size_t, levelCount> starts{};
        for (std::size_t i = 0; i < indices.size(); ++i) {
            if (i % step == 0 && m_cancel.load(std::memory_order_relaxed)) return false;
            ++starts[rankOf(indices[i])];
        }
        std::size_t start = 0;
        for (std::size_t& count : starts) start += std::exchange(count, start);
        m_candidates.resize(std::min(indices.size(), m_request.rowLimit));
        for (const WordIndex index : indices) {
            const std::size_t rank = rankOf(index);
            if (starts[rank] < m_candidates.size())
                m_candidates[starts[rank]] = {index, 0, levels ? Level(rank) : Level::none, 0, false, 0};
            ++starts[rank];
        }
        m_count = indices.size();
        m_ordered = true;
        return true;
    }

    // Stable, by a counting sort over the keys.
    void order()
    {
        const bool common = m_request.order == AnswerOrder::common;
        constexpr std::size_t keys = 4 * ranks;
        std::array<std::size_t, keys> starts{};
        for (Candidate& candidate : m_candidates) {
            std::uint8_t rank = 0;
            if (candidate.phrase) rank = phraseRank;
            else if (m_data.levels && common) rank = candidate.level == Level::none ? noLevelRank : std::uint8_t(candidate.level);
            candidate.key = std::uint8_t((common ? candidate.relation : 0) * ranks + rank);
            ++starts[candidate.key];
        }
        std::size_t start = 0;
        for (std::size_t& count : starts) start += std::exchange(count, start);
        std::vector<Candidate> ordered(m_candidates.size());
        for (const Candidate& candidate : m_candidates) ordered[starts[candidate.key]++] = candidate;
        m_candidates = std::move(ordered);
        m_count = m_candidates.size();
    }

    void lengths(std::vector<LengthCount>& out) const
    {
        std::vector<std::size_t> perLength;
        for (const Candidate& candidate : m_candidates) {
            if (perLength.size() <= candidate.letters) perLength.resize(candidate.letters + 1u);
            ++perLength[candidate.letters];
        }
        for (std::size_t length = 0; length < perLength.size(); ++length)
            if (perLength[length] > 0) out.push_back({length, perLength[length]});
    }

    template <class Visit>
    void forEachRow(Visit&& visit) const
    {
        const std::size_t count = std::min(m_candidates.size(), m_request.rowLimit);
        AnswerRow row;
        for (std::size_t i = 0; i < count; ++i) {
            const Candidate& candidate = m_candidates[i];
            row.index = candidate.index;
            row.level = candidate.level;
            row.phrase = candidate.phrase;
            row.relation = candidate.relation != 0 ? std::optional(Relation(candidate.relation)) : std::nullopt;
            visit(row);
        }
    }

    const AnswerRequest& m_request;
    const AnswerData& m_data;
    const bool m_hasQuery;
    const SolverQuery m_query;
    const std::atomic<bool>& m_cancel;
    const bool m_meaning;
    const bool m_breaksNeeded; // only words with a break can answer
    bool m_lettersCounted = true; // each candidate's letters, else the index's counts per length stand
    ByLetters<Relation> m_related;
    std::bitset<shapes> m_relatedShapes; // the shapes of m_related's letters, which most words lack
    std::vector<Candidate> m_phrases; // those that answer, alphabetically
    std::unordered_multimap<std::string, std::size_t, TextHash, std::equal_to<>> m_phraseLetters; // to their place in m_phrases
    std::vector<bool> m_duplicate;    // of m_phrases: a word shown has its letters
    std::vector<Candidate> m_candidates;
    bool m_ordered = false; // by takeIndices, which keeps only the rows
    std::size_t m_count = 0;
};

} // namespace

namespace {

std::optional<Answer> answerTo(const AnswerRequest& request, const AnswerData& data, const std::atomic<bool>& cancel,
                               const RowVisitor* visit)
{
    Answer result;
    ParsedQuery parsed = parseQuery(request.mode, request.query, request.phrases);
    if (!parsed.message.empty()) {
        result.message = std::move(parsed.message);
        return result;
    }
    const bool meaning = holdsWords(request.meaning);
    if (!parsed.query && !meaning) return result;
    result.asked = true;
    if (meaning && !data.meanings) {
        result.message = "A meaning needs the WordNet database, which is not loaded.";
        return result;
    }
    Answering answering(request, data, parsed.query, cancel);
    if (!answering.run(result, visit)) return std::nullopt;
    return result;
}

} // namespace

std::optional<Answer> answer(const AnswerRequest& request, const AnswerData& data, const std::atomic<bool>& cancel)
{
    return answerTo(request, data, cancel, nullptr);
}

std::optional<Answer> answer(const AnswerRequest& request, const AnswerData& data, const std::atomic<bool>& cancel,
                             const RowVisitor& visit)
{
    return answerTo(request, data, cancel, &visit);
}

std::optional<std::vector<Level>> levelsByIndex(const WordStore& list, const CommonnessLevels& levels,
                                                const std::atomic<bool>& cancel)
{
    std::vector<Level> byIndex(list.size());
    std::array<std::string_view, 256> batch;
    std::size_t batched = 0, first = 0, next = 0;
    bool cancelled = false;
    list.forEach(0, list.size(), [&](std::string_view word) {
        if (cancelled) return;
        batch[batched++] = word;
        if (batched < batch.size()) return;
        levels.levelsAfter(batch, byIndex.data() + first, next);
        first += batched;
        batched = 0;
        cancelled = first % (16 * step) == 0 && cancel.load(std::memory_order_relaxed);
    });
    if (cancelled) return std::nullopt;
    levels.levelsAfter({batch.data(), batched}, byIndex.data() + first, next);
    return byIndex;
}

std::string_view rowText(const AnswerRow& row, const WordStore& list, const std::vector<Phrase>* phrases)
{
    return row.phrase ? std::string_view((*phrases)[row.index].text) : list.at(row.index);
}

std::string rowLetters(const AnswerRow& row, std::string_view text, const std::vector<Phrase>* phrases)
{
    return row.phrase ? (*phrases)[row.index].enumeration : std::to_string(foldedLength(text));
}

std::string answerLabel(const Answer& answer, const NumberFormat& numbers)
{
    if (!answer.message.empty()) return answer.message;
    if (!answer.asked) return {};
    return solutionsLabel(answer.count, answer.lengths, answer.rows.size(), numbers);
}

} // namespace verbalia::solver
