#pragma once

#include "lexicon/WordNet.h"
#include "platform/FileSystem.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace verbalia {

// How a candidate relates to a meaning, the strongest first.
enum class Relation : std::uint8_t {
    synonym = 1, // it shares a sense with the meaning ("teaser" for "puzzle")
    kind = 2,    // a direct kind or instance of the meaning, or the meaning one of it ("crossword" for "puzzle")
    gloss = 3,   // the meaning's words all occur in one of its glosses ("cheetah" for "swiftest")
};

struct RelatedWord {
    std::string_view word; // lower case as WordNet writes it, words of a phrase spaced; held by the index
    Relation relation;
};

struct MeaningLoad;

// The words and phrases of a WordNet 3.0 database related to a meaning: its
// data files' synonyms, kinds (the pointers @, @i, ~, ~i) and the words of
// their glosses (the definitions, without their quoted examples), with the
// exception lists, held in memory as arrays of numbers.
class MeaningIndex {
public:
    // Reads the folder's data.* and *.exc files (folder ends with '/'). Lines
    // past maxLineLength, at another offset than they give, or not in the
    // format, pointers to no line, and words with more than maxSenses senses
    // are damage: skipped and counted. Stops early, with no index, when
    // cancel is set.
    static MeaningLoad build(const FileSystem& files, const std::string& folder, const std::atomic<bool>& cancel);

    // The words related to a meaning (Windows-1252 text, case-blind; a hyphen,
    // a space and an underscore the same), each with its strongest relation,
    // by relation then alphabetically. The meaning is taken to its base forms
    // in each part of speech (felines -> feline, mice -> mouse); as a whole,
    // word or phrase ("big cat"), it gives synonyms and kinds, and its words
    // (of two letters or more, common words such as "the" and "of" left out,
    // each as written or in a base form) the gloss matches. The meaning's
    // own entries are not among the words.
    std::vector<RelatedWord> related(std::string_view meaning) const;

    // Its words and phrases.
    std::size_t size() const { return m_words.size(); }
    // The damaged lines and pointers skipped.
    std::size_t damage() const { return m_damaged; }
    // The bytes held, for the benchmark.
    std::size_t heldBytes() const;

private:
    using Ids = std::vector<std::uint32_t>;
    // Rows of numbers, row i from starts[i] to starts[i + 1].
    struct Table {
        Ids starts{0};
        Ids items;
        std::span<const std::uint32_t> row(std::size_t i) const
        {
            return {items.data() + starts[i], items.data() + starts[i + 1]};
        }
        std::size_t bytes() const { return (starts.capacity() + items.capacity()) * sizeof(std::uint32_t); }
    };
    // Distinct texts with their ids, from 0 on: the texts in one arena, an
    // open-addressing table of their ids.
    class TextTable {
    public:
        // The text's id, given it if it has none.
        std::uint32_t add(std::string_view text);
        std::optional<std::uint32_t> find(std::string_view text) const;
        std::string_view at(std::uint32_t id) const;
        std::size_t size() const { return m_starts.size() - 1; }
        std::size_t bytes() const;

    private:
        void grow();

        std::string m_texts;
        Ids m_starts{0};
        Ids m_slots; // an id + 1, or 0 when free
    };
    struct Exceptions {
        std::string text;
        Ids lineStarts; // by the line's first field
    };
    class Builder;

    MeaningIndex() = default;
    std::optional<std::string_view> exceptionLine(PartOfSpeech part, std::string_view key) const;
    // The word's senses in one part of speech.
    std::span<const std::uint32_t> sensesIn(std::uint32_t word, PartOfSpeech part) const;
    // The forms of a key ('_' between words) in one part of speech that have an entry there.
    std::vector<std::uint32_t> entriesOf(const std::string& key, PartOfSpeech part) const;
    // The glosses (their senses, ascending) that hold a word as written or in a base form.
    Ids glossesWith(std::string_view word) const;

    TextTable m_words;      // each word, as shown
    Table m_senses;         // a word's senses, by part of speech
    Table m_members;        // a sense's words
    Table m_kin;            // a sense's direct kinds and what it is a direct kind of
    std::array<std::uint32_t, 5> m_partStarts{}; // the first sense of each part of speech, then the end
    TextTable m_glossWords;
    Table m_glosses;        // a gloss word's senses, ascending
    std::array<Exceptions, 4> m_exceptions;
    std::size_t m_damaged = 0;
};

struct MeaningLoad {
    std::optional<MeaningIndex> index;
    std::string unreadable; // the path of a file that is missing or could not be read, when there is no index
};

} // namespace verbalia
