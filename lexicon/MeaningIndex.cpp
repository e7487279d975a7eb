#include "lexicon/MeaningIndex.h"

#include "text/TextHelpers.h"

#include <algorithm>
#include <functional>

namespace verbalia {

namespace {

// Gloss words that say nothing of a meaning.
constexpr std::string_view commonWords[] = {"an",   "and",  "are",  "as",    "at",  "be",   "by",   "for",
                                            "from", "in",   "is",   "it",    "its", "of",   "on",   "or",
                                            "that", "the",  "their", "this", "to",  "which", "who", "with"};

// The words of a text that a gloss match looks at: runs of letters,
// lower-cased, of two letters or more, common words left out.
template <class Take>
void forEachGlossWord(std::string_view text, Take take)
{
    std::string word;
    const auto flush = [&] {
        if (word.size() >= 2 && (word.size() > 5 || std::find(std::begin(commonWords), std::end(commonWords), word) == std::end(commonWords)))
            take(std::string_view(word));
        word.clear();
    };
    for (const char c : text) {
        const char lower = lowerAscii(c);
        if (lower >= 'a' && lower <= 'z')
            word += lower;
        else
            flush();
    }
    flush();
}

std::optional<PartOfSpeech> partOfLetter(std::string_view letter)
{
    if (letter == "n") return PartOfSpeech::noun;
    if (letter == "v") return PartOfSpeech::verb;
    if (letter == "a" || letter == "s") return PartOfSpeech::adjective;
    if (letter == "r") return PartOfSpeech::adverb;
    return std::nullopt;
}

bool isKindPointer(std::string_view symbol) { return symbol == "@" || symbol == "@i" || symbol == "~" || symbol == "~i"; }

// Sorted ascending: the ids in both.
std::vector<std::uint32_t> intersection(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b)
{
    std::vector<std::uint32_t> both;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(both));
    return both;
}

} // namespace

std::uint32_t MeaningIndex::TextTable::add(std::string_view text)
{
    if (2 * m_starts.size() >= m_slots.size()) grow();
    std::size_t slot = std::hash<std::string_view>{}(text) & (m_slots.size() - 1);
    for (; m_slots[slot] != 0; slot = (slot + 1) & (m_slots.size() - 1))
        if (at(m_slots[slot] - 1) == text) return m_slots[slot] - 1;
    const auto id = std::uint32_t(size());
    m_slots[slot] = id + 1;
    m_texts += text;
    m_starts.push_back(std::uint32_t(m_texts.size()));
    return id;
}

std::optional<std::uint32_t> MeaningIndex::TextTable::find(std::string_view text) const
{
    if (m_slots.empty()) return std::nullopt;
    for (std::size_t slot = std::hash<std::string_view>{}(text) & (m_slots.size() - 1); m_slots[slot] != 0;
         slot = (slot + 1) & (m_slots.size() - 1))
        if (at(m_slots[slot] - 1) == text) return m_slots[slot] - 1;
    return std::nullopt;
}

std::string_view MeaningIndex::TextTable::at(std::uint32_t id) const
{
    return std::string_view(m_texts).substr(m_starts[id], m_starts[id + 1] - m_starts[id]);
}

void MeaningIndex::TextTable::grow()
{
    std::vector<std::uint32_t> slots(std::max<std::size_t>(1024, 2 * m_slots.size()), 0);
    for (std::uint32_t id = 0; id < size(); ++id) {
        std::size_t slot = std::hash<std::string_view>{}(at(id)) & (slots.size() - 1);
        while (slots[slot] != 0) slot = (slot + 1) & (slots.size() - 1);
        slots[slot] = id + 1;
    }
    m_slots = std::move(slots);
}

std::size_t MeaningIndex::TextTable::bytes() const
{
    return m_texts.capacity() + (m_starts.capacity() + m_slots.capacity()) * sizeof(std::uint32_t);
}

// What the build gathers before it lays the index out.
class MeaningIndex::Builder {
public:
    explicit Builder(MeaningIndex& index) : m_index(index) {}

    // One data file's lines; false when cancelled.
    bool readData(std::string_view text, PartOfSpeech part, const std::atomic<bool>& cancel)
    {
        std::size_t lines = 0;
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            const std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line[0] != ' ' && !readLine(line, start, part)) ++m_index.m_damaged;
            start = end + 1;
            if (++lines % 4096 == 0 && cancel.load(std::memory_order_relaxed)) return false;
        }
        return true;
    }

    void finish()
    {
        m_index.m_partStarts[4] = m_senseCount;
        makeSenses();
        makeKin();
        m_index.m_glosses = inverted(m_senseGlossWords, m_index.m_glossWords.size());

    }

private:
    struct Pointer {
        std::uint32_t from;
        PartOfSpeech part;
        std::uint64_t offset;
    };

    // A data line: synset_offset lex_filenum ss_type w_cnt word lex_id
    // [word lex_id...] p_cnt [ptr_symbol synset_offset pos source/target...]
    // [frames...] | gloss; false when damaged.
    bool readLine(std::string_view line, std::size_t offset, PartOfSpeech part)
    {
        const std::size_t bar = line.find(" | ");
        if (line.size() > maxLineLength || bar == std::string_view::npos) return false;
        const std::vector<std::string_view> fields = fieldsOf(line.substr(0, bar));
        if (fields.size() < 4 || numberOf<std::uint64_t>(fields[0]) != offset) return false;
        const auto wordCount = numberOf<std::size_t>(fields[3], 16);
        if (!wordCount || fields.size() < 5 + 2 * *wordCount) return false;
        const auto pointerCount = numberOf<std::size_t>(fields[4 + 2 * *wordCount]);
        const std::size_t firstPointer = 5 + 2 * *wordCount;
        if (!pointerCount || fields.size() < firstPointer + 4 * *pointerCount) return false;

        const std::uint32_t sense = m_senseCount++;
        m_offsets[std::size_t(part)].push_back(offset);
        Ids& members = m_index.m_members.items;
        const auto firstMember = std::ptrdiff_t(members.size());
        for (std::size_t i = 0; i < *wordCount; ++i) {
            const std::uint32_t word = m_index.m_words.add(lowerAscii(shownWord(fields[4 + 2 * i], part)));
            if (std::find(members.begin() + firstMember, members.end(), word) == members.end()) members.push_back(word);
        }
        m_index.m_members.starts.push_back(std::uint32_t(members.size()));
        for (std::size_t i = firstPointer; i < firstPointer + 4 * *pointerCount; i += 4) {
            if (!isKindPointer(fields[i])) continue;
            const auto target = numberOf<std::uint64_t>(fields[i + 1]);
            const auto targetPart = partOfLetter(fields[i + 2]);
            if (target && targetPart)
                m_pointers.push_back({sense, *targetPart, *target});
            else
                ++m_index.m_damaged;
        }
        std::string_view gloss = line.substr(bar + 3);
        gloss = gloss.substr(0, gloss.find('"'));
        const std::size_t firstGlossWord = m_senseGlossWords.items.size();
        forEachGlossWord(gloss, [&](std::string_view word) { m_senseGlossWords.items.push_back(m_index.m_glossWords.add(word)); });
        std::sort(m_senseGlossWords.items.begin() + std::ptrdiff_t(firstGlossWord), m_senseGlossWords.items.end());
        m_senseGlossWords.items.erase(std::unique(m_senseGlossWords.items.begin() + std::ptrdiff_t(firstGlossWord),
                                                  m_senseGlossWords.items.end()),
                                      m_senseGlossWords.items.end());
        m_senseGlossWords.starts.push_back(std::uint32_t(m_senseGlossWords.items.size()));
        return true;
    }

    // The rows of a table turned into rows by item: for each item, the rows that hold it, ascending.
    static Table inverted(const Table& table, std::size_t itemCount)
    {
        Table result;
        result.starts.assign(itemCount + 1, 0);
        for (const std::uint32_t item : table.items) ++result.starts[item + 1];
        for (std::size_t i = 1; i < result.starts.size(); ++i) result.starts[i] += result.starts[i - 1];
        result.items.resize(table.items.size());
        Ids next(result.starts.begin(), result.starts.end() - 1);
        for (std::uint32_t row = 0; row + 1 < table.starts.size(); ++row)
            for (const std::uint32_t item : table.row(row)) result.items[next[item]++] = row;
        return result;
    }

    // Each word's senses; a word with more than maxSenses loses them as damage.
    void makeSenses()
    {
        Table& senses = m_index.m_senses;
        senses = inverted(m_index.m_members, m_index.m_words.size());
        for (std::size_t word = 0; word + 1 < senses.starts.size(); ++word) {
            if (senses.starts[word + 1] - senses.starts[word] <= maxSenses) continue;
            ++m_index.m_damaged;
            std::fill(senses.items.begin() + senses.starts[word], senses.items.begin() + senses.starts[word + 1],
                      std::uint32_t(-1));
        }
        if (std::find(senses.items.begin(), senses.items.end(), std::uint32_t(-1)) == senses.items.end()) return;
        Table kept;
        for (std::size_t word = 0; word + 1 < senses.starts.size(); ++word) {
            for (const std::uint32_t sense : senses.row(word))
                if (sense != std::uint32_t(-1)) kept.items.push_back(sense);
            kept.starts.push_back(std::uint32_t(kept.items.size()));
        }
        senses = std::move(kept);
    }

    // The kind pointers as a table by sense, both ways, each pair once.
    void makeKin()
    {
        std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs; // (sense, kin)
        for (const Pointer& pointer : m_pointers) {
            const std::vector<std::uint64_t>& offsets = m_offsets[std::size_t(pointer.part)];
            const auto found = std::lower_bound(offsets.begin(), offsets.end(), pointer.offset);
            if (found == offsets.end() || *found != pointer.offset) {
                ++m_index.m_damaged;
                continue;
            }
            const auto target = std::uint32_t(m_index.m_partStarts[std::size_t(pointer.part)] + (found - offsets.begin()));
            pairs.emplace_back(pointer.from, target);
            pairs.emplace_back(target, pointer.from);
        }
        std::sort(pairs.begin(), pairs.end());
        pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
        Table& kin = m_index.m_kin;
        kin.starts.assign(m_senseCount + 1, 0);
        for (const auto& [sense, other] : pairs) {
            ++kin.starts[sense + 1];
            kin.items.push_back(other);
        }
        for (std::size_t i = 1; i < kin.starts.size(); ++i) kin.starts[i] += kin.starts[i - 1];
    }

public:
    void startPart(PartOfSpeech part) { m_index.m_partStarts[std::size_t(part)] = m_senseCount; }

private:
    MeaningIndex& m_index;
    std::uint32_t m_senseCount = 0;
    std::array<std::vector<std::uint64_t>, 4> m_offsets; // each part's senses' offsets, ascending
    std::vector<Pointer> m_pointers;
    Table m_senseGlossWords;
};

MeaningLoad MeaningIndex::build(const FileSystem& files, const std::string& folder, const std::atomic<bool>& cancel)
{
    MeaningLoad load;
    MeaningIndex index;
    Builder builder(index);
    for (const PartOfSpeech part : partsOfSpeech) {
        const std::string suffix = fileSuffix(part);
        const std::string exceptionsPath = folder + suffix + ".exc", dataPath = folder + "data." + suffix;
        std::optional<std::string> exceptions = files.readAll(exceptionsPath);
        if (!exceptions) return {std::nullopt, exceptionsPath};
        Exceptions& held = index.m_exceptions[std::size_t(part)];
        held.text = std::move(*exceptions);
        for (std::size_t start = 0; start < held.text.size();) {
            held.lineStarts.push_back(std::uint32_t(start));
            const std::size_t end = held.text.find('\n', start);
            if (end == std::string::npos) break;
            start = end + 1;
        }
        const auto keyAt = [&](std::uint32_t start) {
            const std::string_view rest = std::string_view(held.text).substr(start);
            return rest.substr(0, rest.find_first_of(" \n"));
        };
        std::sort(held.lineStarts.begin(), held.lineStarts.end(),
                  [&](std::uint32_t a, std::uint32_t b) { return keyAt(a) < keyAt(b); });

        const std::optional<std::string> data = files.readAll(dataPath);
        if (!data) return {std::nullopt, dataPath};
        builder.startPart(part);
        if (!builder.readData(*data, part, cancel)) return load;
    }
    builder.finish();
    load.index = std::move(index);
    return load;
}

std::optional<std::string_view> MeaningIndex::exceptionLine(PartOfSpeech part, std::string_view key) const
{
    const Exceptions& exceptions = m_exceptions[std::size_t(part)];
    const std::string_view text = exceptions.text;
    const auto lineAt = [&](std::uint32_t start) {
        const std::string_view rest = text.substr(start);
        return rest.substr(0, rest.find('\n'));
    };
    const auto keyOf = [&](std::uint32_t start) {
        const std::string_view line = lineAt(start);
        return line.substr(0, line.find(' '));
    };
    const auto found = std::lower_bound(exceptions.lineStarts.begin(), exceptions.lineStarts.end(), key,
                                        [&](std::uint32_t start, std::string_view sought) { return keyOf(start) < sought; });
    if (found == exceptions.lineStarts.end() || keyOf(*found) != key) return std::nullopt;
    return lineAt(*found);
}

std::span<const std::uint32_t> MeaningIndex::sensesIn(std::uint32_t word, PartOfSpeech part) const
{
    const std::span<const std::uint32_t> senses = m_senses.row(word);
    const std::uint32_t first = m_partStarts[std::size_t(part)], end = m_partStarts[std::size_t(part) + 1];
    const auto from = std::lower_bound(senses.begin(), senses.end(), first);
    return {from, std::lower_bound(from, senses.end(), end)};
}

std::vector<std::uint32_t> MeaningIndex::entriesOf(const std::string& key, PartOfSpeech part) const
{
    const auto entryOf = [&](std::string form) -> std::optional<std::uint32_t> {
        std::replace(form.begin(), form.end(), '_', ' ');
        const std::optional<std::uint32_t> id = m_words.find(form);
        if (!id || sensesIn(*id, part).empty()) return std::nullopt;
        return id;
    };
    std::vector<std::uint32_t> entries;
    for (const std::string& form : baseForms(key, part, entryOf(key).has_value(), exceptionLine(part, key)))
        if (const std::optional<std::uint32_t> id = entryOf(form)) entries.push_back(*id);
    return entries;
}

MeaningIndex::Ids MeaningIndex::glossesWith(std::string_view word) const
{
    Ids forms;
    if (const auto id = m_glossWords.find(word)) forms.push_back(*id);
    for (const PartOfSpeech part : partsOfSpeech)
        for (const std::uint32_t entry : entriesOf(std::string(word), part))
            if (const auto id = m_glossWords.find(m_words.at(entry))) forms.push_back(*id);
    Ids senses;
    for (const std::uint32_t form : forms) senses.insert(senses.end(), m_glosses.row(form).begin(), m_glosses.row(form).end());
    std::sort(senses.begin(), senses.end());
    senses.erase(std::unique(senses.begin(), senses.end()), senses.end());
    return senses;
}

std::vector<RelatedWord> MeaningIndex::related(std::string_view meaning) const
{
    // The meaning as a key: lower case, its words joined by '_'.
    std::string key;
    bool blank = false;
    for (const char c : meaning) {
        if (static_cast<unsigned char>(c) <= ' ' || c == '_') {
            blank = !key.empty();
            continue;
        }
        if (blank) key += '_';
        blank = false;
        key += lowerAscii(c);
    }
    std::vector<std::uint8_t> strengths(size(), 0);
    const auto relate = [&](std::span<const std::uint32_t> words, Relation relation) {
        for (const std::uint32_t word : words)
            if (strengths[word] == 0 || strengths[word] > std::uint8_t(relation)) strengths[word] = std::uint8_t(relation);
    };
    std::vector<std::uint32_t> own;
    if (!key.empty()) {
        for (const std::string& variant : separatorVariants(key)) {
            for (const PartOfSpeech part : partsOfSpeech) {
                for (const std::uint32_t entry : entriesOf(variant, part)) {
                    own.push_back(entry);
                    for (const std::uint32_t sense : sensesIn(entry, part)) {
                        relate(m_members.row(sense), Relation::synonym);
                        for (const std::uint32_t kin : m_kin.row(sense)) relate(m_members.row(kin), Relation::kind);
                    }
                }
            }
        }
    }
    std::optional<Ids> glosses;
    forEachGlossWord(meaning, [&](std::string_view word) {
        glosses = glosses ? intersection(*glosses, glossesWith(word)) : glossesWith(word);
    });
    if (glosses)
        for (const std::uint32_t sense : *glosses) relate(m_members.row(sense), Relation::gloss);
    for (const std::uint32_t word : own) strengths[word] = 0;

    std::vector<RelatedWord> related;
    for (std::uint32_t word = 0; word < strengths.size(); ++word)
        if (strengths[word] != 0) related.push_back({m_words.at(word), Relation(strengths[word])});
    std::sort(related.begin(), related.end(), [](const RelatedWord& a, const RelatedWord& b) {
        return a.relation != b.relation ? a.relation < b.relation : a.word < b.word;
    });
    return related;
}

std::size_t MeaningIndex::heldBytes() const
{
    std::size_t bytes = m_words.bytes() + m_glossWords.bytes() + m_senses.bytes() + m_members.bytes() + m_kin.bytes() +
                        m_glosses.bytes();
    for (const Exceptions& exceptions : m_exceptions)
        bytes += exceptions.text.capacity() + exceptions.lineStarts.capacity() * sizeof(std::uint32_t);
    return bytes;
}

} // namespace verbalia
