#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbalia {

class FileSystem;

// What the readers of a WordNet 3.0 database folder share: its parts of
// speech, the fields of its lines, its bounds and its rules for base forms.

enum class PartOfSpeech { noun, verb, adjective, adverb };

inline constexpr PartOfSpeech partsOfSpeech[] = {PartOfSpeech::noun, PartOfSpeech::verb, PartOfSpeech::adjective,
                                                 PartOfSpeech::adverb};

// How the database's file names call a part of speech: "noun", "verb", "adj", "adv".
std::string fileSuffix(PartOfSpeech part);

// Bounds past which a database is taken as damaged: its longest line is
// under 16 KiB and its most senses of a word 75.
inline constexpr std::size_t maxLineLength = 64 * 1024;
inline constexpr std::size_t maxSenses = 500;

// The fields of a line, split at spaces.
std::vector<std::string_view> fieldsOf(std::string_view line);

template <class Number>
std::optional<Number> numberOf(std::string_view field, int base = 10)
{
    Number value{};
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value, base);
    if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
    return value;
}

// An index line: lemma pos synset_cnt p_cnt [ptr_symbol...] sense_cnt
// tagsense_cnt synset_offset...; gives the offsets of the senses in the data
// file, nothing when the line is damaged (more than maxSenses included).
std::optional<std::vector<std::uint64_t>> senseOffsets(std::string_view line);

// A database word as shown: words of a phrase spaced, an adjective's
// syntactic marker such as "(p)" dropped.
std::string shownWord(std::string_view word, PartOfSpeech part);

// The keys a word with '_' between its parts may have in the database, where
// a hyphen and an underscore are the same: every mix of the two when it has up
// to four breaks, else all of one or all of the other ("ice_cream" ->
// "ice_cream", "ice-cream").
std::vector<std::string> separatorVariants(std::string_view key);

// The base forms to look up for a key (lower case, '_' between words) in one
// part of speech: the key itself, the forms its exception line ("geese
// goose") gives, and where it has neither an entry nor an exception, what the
// rules of detachment make of it (puzzles -> puzzle, jumped -> jump).
std::vector<std::string> baseForms(const std::string& key, PartOfSpeech part, bool hasEntry,
                                   std::optional<std::string_view> exceptionLine);

// The files a database folder holds: index.*, data.* and *.exc of each part of speech.
const std::vector<std::string>& wordNetFileNames();

// The first of the folders that holds every file; nothing when none does.
std::optional<std::string> wordNetFolder(const std::vector<std::string>& folders, const FileSystem& files);

// What to say when no folder holds the database: where it was looked for and
// how to get it, in UTF-8 as the folders are (the command line's message).
std::string definitionsMissingMessage(const std::vector<std::string>& folders);

} // namespace verbalia
