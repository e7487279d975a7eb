#include "wordlist/Definitions.h"

#include "lexicon/WordNet.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "text/TextHelpers.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cstdint>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace verbalia {

namespace {

// One database file, read at byte offsets: memory stays at a line whatever its size.
class DatabaseFile {
public:
    explicit DatabaseFile(const std::string& path) : m_descriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC))
    {
        struct stat status;
        if (m_descriptor >= 0 && ::fstat(m_descriptor, &status) == 0) m_size = std::uint64_t(status.st_size);
    }
    ~DatabaseFile()
    {
        if (m_descriptor >= 0) ::close(m_descriptor);
    }
    DatabaseFile(const DatabaseFile&) = delete;
    DatabaseFile& operator=(const DatabaseFile&) = delete;

    bool isOpen() const { return m_descriptor >= 0; }

    // The line that starts at offset, without its line end, and where the
    // next one starts; nothing at or past the end, when it cannot be read, or
    // when it is longer than any line of a sound database.
    std::optional<std::string> lineAt(std::uint64_t offset, std::uint64_t* next = nullptr) const
    {
        if (offset >= m_size) return std::nullopt;
        std::string line;
        char block[512];
        for (;;) {
            const ssize_t count = ::pread(m_descriptor, block, sizeof block, off_t(offset + line.size()));
            if (count < 0 || line.size() > maxLineLength) return std::nullopt;
            const std::string_view piece(block, std::size_t(count));
            const std::size_t end = piece.find('\n');
            line.append(piece.substr(0, end));
            if (end != std::string_view::npos || count == 0) break;
        }
        if (next) *next = offset + line.size() + 1;
        return line;
    }

    // The line whose first field is key, in a file whose lines are in byte
    // order (the licence lines at the top begin with a space and come first).
    std::optional<std::string> findLine(std::string_view key) const
    {
        std::uint64_t low = 0, high = m_size; // the lines starting in [low, high) are left; low starts one
        while (low < high) {
            const std::uint64_t middle = low + (high - low) / 2;
            std::uint64_t start = middle;
            if (middle > low) {
                // The first line starting after middle - 1.
                std::uint64_t skipped = 0;
                if (!lineAt(middle - 1, &skipped)) return std::nullopt;
                start = skipped;
            }
            if (start >= high) {
                high = middle;
                continue;
            }
            std::uint64_t next = 0;
            std::optional<std::string> line = lineAt(start, &next);
            if (!line) return std::nullopt;
            const std::string_view field = std::string_view(*line).substr(0, line->find(' '));
            if (field == key) return line;
            if (field < key)
                low = next;
            else
                high = start;
        }
        return std::nullopt;
    }

private:
    int m_descriptor;
    std::uint64_t m_size = 0;
};

// A data line: synset_offset lex_filenum ss_type w_cnt word lex_id
// [word lex_id...] p_cnt [ptr...] [frames...] | gloss. baseForm is left out
// of the synonyms.
std::optional<Sense> senseAt(const DatabaseFile& data, std::uint64_t offset, PartOfSpeech part,
                             const std::string& baseForm)
{
    const std::optional<std::string> line = data.lineAt(offset);
    if (!line) return std::nullopt;
    const std::size_t bar = line->find(" | ");
    if (bar == std::string::npos) return std::nullopt;
    const std::vector<std::string_view> fields = fieldsOf(std::string_view(*line).substr(0, bar));
    if (fields.size() < 4 || numberOf<std::uint64_t>(fields[0]) != offset) return std::nullopt;
    const auto wordCount = numberOf<std::size_t>(fields[3], 16);
    if (!wordCount || *wordCount > fields.size() || fields.size() < 4 + 2 * *wordCount) return std::nullopt;

    Sense sense;
    for (std::size_t i = 0; i < *wordCount; ++i) {
        std::string word = shownWord(fields[4 + 2 * i], part);
        if (lowerAscii(word) != baseForm) sense.synonyms.push_back(std::move(word));
    }
    std::string_view gloss = std::string_view(*line).substr(bar + 3);
    while (!gloss.empty() && static_cast<unsigned char>(gloss.back()) <= ' ') gloss.remove_suffix(1);
    sense.gloss = gloss;
    return sense;
}

// The senses of a form, read from the data file through its index line;
// damaged is set when some cannot be read.
SenseGroup groupOf(const DatabaseFile& data, std::string_view indexLine, PartOfSpeech part, const std::string& form,
                   bool& damaged)
{
    SenseGroup group{part, shownWord(form, part), {}};
    const auto offsets = senseOffsets(indexLine);
    if (!offsets) {
        damaged = true;
        return group;
    }
    for (auto offset = offsets->begin(); offset != offsets->end(); ++offset) {
        if (std::find(offsets->begin(), offset, *offset) != offset) {
            damaged = true; // the same sense twice
            continue;
        }
        if (std::optional<Sense> sense = senseAt(data, *offset, part, group.baseForm))
            group.senses.push_back(std::move(*sense));
        else
            damaged = true;
    }
    return group;
}

// The unaccented, lower-case letters of a Windows-1252 byte, as the database writes them.
void appendFolded(std::string& folded, unsigned char byte)
{
    if (byte < 0x80) {
        folded += lowerAscii(char(byte));
        return;
    }
    switch (byte) {
    case 0xC6: case 0xE6: folded += "ae"; return;
    case 0x8C: case 0x9C: folded += "oe"; return;
    case 0xDF: folded += "ss"; return;
    }
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* decomposition = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString parts;
    if (U_SUCCESS(status) && decomposition->getDecomposition(codepage::toUnicode(byte), parts) && parts.charAt(0) < 0x80)
        folded += lowerAscii(char(parts.charAt(0)));
    else
        folded += char(byte);
}

// The word as the database is searched: outer blanks trimmed, inner runs of
// blanks one space, accents dropped, lower case.
std::string searchFormOf(std::string_view word)
{
    std::string form;
    bool blank = false;
    for (const char c : word) {
        if (static_cast<unsigned char>(c) <= ' ') {
            blank = !form.empty();
            continue;
        }
        if (blank) form += ' ';
        blank = false;
        appendFolded(form, static_cast<unsigned char>(c));
    }
    return form;
}

} // namespace

const char* partOfSpeechName(PartOfSpeech part)
{
    switch (part) {
    case PartOfSpeech::noun: return "noun";
    case PartOfSpeech::verb: return "verb";
    case PartOfSpeech::adjective: return "adjective";
    case PartOfSpeech::adverb: return "adverb";
    }
    return "";
}

Definition Definitions::lookup(std::string_view word) const
{
    Definition definition;
    definition.word = word;
    definition.searchedForm = searchFormOf(word);
    std::string key = definition.searchedForm;
    std::replace(key.begin(), key.end(), ' ', '_');
    if (key.empty()) return definition;

    for (const PartOfSpeech part : partsOfSpeech) {
        const std::string suffix = fileSuffix(part);
        const DatabaseFile index(m_folder + "index." + suffix), data(m_folder + "data." + suffix),
            exceptions(m_folder + suffix + ".exc");
        if (!index.isOpen() || !data.isOpen() || !exceptions.isOpen()) {
            definition.damaged = true;
            continue;
        }
        // A hyphen and a space are the same: every way of writing the key, then their base forms.
        std::vector<std::string> looked;
        for (const std::string& variant : separatorVariants(key)) {
            const std::optional<std::string> entry = index.findLine(variant);
            const std::optional<std::string> exception = exceptions.findLine(variant);
            for (const std::string& form : baseForms(variant, part, entry.has_value(), exception)) {
                if (std::find(looked.begin(), looked.end(), form) != looked.end()) continue;
                looked.push_back(form);
                const std::optional<std::string> line = form == variant ? entry : index.findLine(form);
                if (!line) continue;
                SenseGroup group = groupOf(data, *line, part, form, definition.damaged);
                if (!group.senses.empty()) definition.groups.push_back(std::move(group));
            }
        }
    }
    return definition;
}

std::optional<Definitions> openDefinitions(const std::vector<std::string>& folders, const FileSystem& files)
{
    const std::optional<std::string> folder = wordNetFolder(folders, files);
    if (!folder) return std::nullopt;
    return Definitions(*folder);
}

std::string definitionsMissingText(const std::vector<std::string>& folders)
{
    return codepage::fromUtf8(definitionsMissingMessage(folders));
}

std::string definitionText(const Definition& definition)
{
    const std::string damagedNote =
        definition.damaged ? "Part of this entry could not be read: the definitions database is damaged.\n" : "";
    if (!definition.found()) return noDefinitionText(definition.word) + "\n" + damagedNote;
    std::string text = definition.word + "\n";
    for (const SenseGroup& group : definition.groups) {
        text += partOfSpeechName(group.part);
        if (group.baseForm != definition.searchedForm) text += ", base form " + group.baseForm;
        text += '\n';
        const std::size_t width = std::to_string(group.senses.size()).size();
        for (std::size_t i = 0; i < group.senses.size(); ++i) {
            const std::string number = std::to_string(i + 1);
            text += std::string(2 + width - number.size(), ' ') + number + ". " + group.senses[i].gloss + '\n';
            const std::vector<std::string>& synonyms = group.senses[i].synonyms;
            if (synonyms.empty()) continue;
            text += std::string(4 + width, ' ') + "synonyms: " + synonyms.front();
            for (auto synonym = synonyms.begin() + 1; synonym != synonyms.end(); ++synonym) text += ", " + *synonym;
            text += '\n';
        }
    }
    return text + damagedNote;
}

std::string noDefinitionText(std::string_view word)
{
    return "No definition of \"" + std::string(word) + "\" was found.";
}

} // namespace verbalia
