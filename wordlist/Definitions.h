#pragma once

#include "lexicon/WordNet.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbalia {

class FileSystem;

// Offline definitions from a WordNet 3.0 database folder (its index.*, data.*
// and *.exc files, read as they are: a lookup is a few binary searches in the
// sorted index and exception files and one read per sense).

// "noun", "verb", "adjective", "adverb".
const char* partOfSpeechName(PartOfSpeech part);

struct Sense {
    std::vector<std::string> synonyms; // the sense's other words, words of a phrase spaced
    std::string gloss;                 // the definition, then any examples
};

// The senses of one base form in one part of speech, the most frequent first.
struct SenseGroup {
    PartOfSpeech part = PartOfSpeech::noun;
    std::string baseForm; // lower case, words of a phrase spaced
    std::vector<Sense> senses;
};

struct Definition {
    std::string word;               // as asked
    std::string searchedForm;       // the word as the database is searched: unaccented, lower case
    std::vector<SenseGroup> groups; // by part of speech; none when the database has no entry
    bool damaged = false;           // some lines could not be read, so senses may be missing

    bool found() const { return !groups.empty(); }
};

class Definitions {
public:
    // folder holds the database files and ends with '/'.
    explicit Definitions(std::string folder) : m_folder(std::move(folder)) {}

    // The senses of a word or phrase of the list (Windows-1252): case-blind,
    // accents dropped, a hyphen, a space and an underscore the same (ice-cream
    // -> ice cream), inflected forms through the exception lists and the rules
    // of detachment (geese -> goose, running -> run, puzzles -> puzzle).
    Definition lookup(std::string_view word) const;

    const std::string& folder() const { return m_folder; }

private:
    std::string m_folder;
};

// The database in the first of the folders that holds every file; nothing when none does.
std::optional<Definitions> openDefinitions(const std::vector<std::string>& folders, const FileSystem& files);

// The word, then each group: its part of speech (with its base form where
// that differs from the word) and its numbered senses with their synonyms;
// for a word without an entry, that there is none. A note ends it when the
// database is damaged. Lines end with '\n'; the text is in the word's code page.
std::string definitionText(const Definition& definition);

// definitionsMissingMessage in the code page, for the window. Apart from
// lexicon/WordNet, whose users on the command line need no ICU.
std::string definitionsMissingText(const std::vector<std::string>& folders);

// What to show for a word the database lacks.
std::string noDefinitionText(std::string_view word);


} // namespace verbalia
