#include "lexicon/WordNet.h"

#include "platform/FileSystem.h"

#include <algorithm>

namespace verbalia {

namespace {

// The rules of detachment: an inflected ending and the ending of its base form.
struct Detachment {
    PartOfSpeech part;
    std::string_view suffix;
    std::string_view ending;
};

constexpr Detachment detachments[] = {
    {PartOfSpeech::noun, "s", ""},     {PartOfSpeech::noun, "ses", "s"},   {PartOfSpeech::noun, "xes", "x"},
    {PartOfSpeech::noun, "zes", "z"},  {PartOfSpeech::noun, "ches", "ch"}, {PartOfSpeech::noun, "shes", "sh"},
    {PartOfSpeech::noun, "men", "man"}, {PartOfSpeech::noun, "ies", "y"},  {PartOfSpeech::verb, "s", ""},
    {PartOfSpeech::verb, "ies", "y"},  {PartOfSpeech::verb, "es", "e"},    {PartOfSpeech::verb, "es", ""},
    {PartOfSpeech::verb, "ed", "e"},   {PartOfSpeech::verb, "ed", ""},     {PartOfSpeech::verb, "ing", "e"},
    {PartOfSpeech::verb, "ing", ""},   {PartOfSpeech::adjective, "er", ""}, {PartOfSpeech::adjective, "est", ""},
    {PartOfSpeech::adjective, "er", "e"}, {PartOfSpeech::adjective, "est", "e"},
};

constexpr std::size_t maxMixedBreaks = 4;

bool isBreak(char c) { return c == '_' || c == '-'; }

} // namespace

std::string fileSuffix(PartOfSpeech part)
{
    switch (part) {
    case PartOfSpeech::noun: return "noun";
    case PartOfSpeech::verb: return "verb";
    case PartOfSpeech::adjective: return "adj";
    case PartOfSpeech::adverb: return "adv";
    }
    return {};
}

std::vector<std::string_view> fieldsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0; start < line.size();) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        if (end > start) fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

std::optional<std::vector<std::uint64_t>> senseOffsets(std::string_view line)
{
    const std::vector<std::string_view> fields = fieldsOf(line);
    if (fields.size() < 4) return std::nullopt;
    const auto senseCount = numberOf<std::size_t>(fields[2]);
    const auto pointerCount = numberOf<std::size_t>(fields[3]);
    if (!senseCount || !pointerCount || *senseCount == 0 || *senseCount > maxSenses || *senseCount > fields.size() ||
        *pointerCount > fields.size() || fields.size() != 6 + *pointerCount + *senseCount)
        return std::nullopt;
    std::vector<std::uint64_t> offsets;
    for (std::size_t i = fields.size() - *senseCount; i < fields.size(); ++i) {
        const auto offset = numberOf<std::uint64_t>(fields[i]);
        if (!offset) return std::nullopt;
        offsets.push_back(*offset);
    }
    return offsets;
}

std::string shownWord(std::string_view word, PartOfSpeech part)
{
    if (part == PartOfSpeech::adjective && word.ends_with(')')) word = word.substr(0, word.rfind('('));
    std::string shown(word);
    std::replace(shown.begin(), shown.end(), '_', ' ');
    return shown;
}

std::vector<std::string> separatorVariants(std::string_view key)
{
    std::vector<std::size_t> breaks;
    for (std::size_t i = 0; i < key.size(); ++i)
        if (isBreak(key[i])) breaks.push_back(i);
    std::vector<std::string> variants{std::string(key)};
    const auto add = [&](std::string variant) {
        if (std::find(variants.begin(), variants.end(), variant) == variants.end()) variants.push_back(std::move(variant));
    };
    if (breaks.size() <= maxMixedBreaks) {
        for (std::size_t mix = 0; mix < (std::size_t(1) << breaks.size()); ++mix) {
            std::string variant(key);
            for (std::size_t i = 0; i < breaks.size(); ++i) variant[breaks[i]] = (mix >> i) & 1 ? '-' : '_';
            add(std::move(variant));
        }
    } else {
        for (const char separator : {'_', '-'}) {
            std::string variant(key);
            for (const std::size_t at : breaks) variant[at] = separator;
            add(std::move(variant));
        }
    }
    return variants;
}

std::vector<std::string> baseForms(const std::string& key, PartOfSpeech part, bool hasEntry,
                                   std::optional<std::string_view> exceptionLine)
{
    std::vector<std::string> forms{key};
    if (exceptionLine) {
        const std::vector<std::string_view> fields = fieldsOf(*exceptionLine);
        for (std::size_t i = 1; i < fields.size(); ++i) forms.emplace_back(fields[i]);
    } else if (!hasEntry) {
        for (const Detachment& rule : detachments) {
            if (rule.part != part || key.size() <= rule.suffix.size() || !key.ends_with(rule.suffix)) continue;
            // "glass" is no plural.
            if (part == PartOfSpeech::noun && rule.suffix == "s" && key.ends_with("ss")) continue;
            forms.push_back(key.substr(0, key.size() - rule.suffix.size()) + std::string(rule.ending));
        }
    }
    std::vector<std::string> unique;
    for (std::string& form : forms)
        if (std::find(unique.begin(), unique.end(), form) == unique.end()) unique.push_back(std::move(form));
    return unique;
}

const std::vector<std::string>& wordNetFileNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const PartOfSpeech part : partsOfSpeech) {
            const std::string suffix = fileSuffix(part);
            list.insert(list.end(), {"index." + suffix, "data." + suffix, suffix + ".exc"});
        }
        return list;
    }();
    return names;
}

std::optional<std::string> wordNetFolder(const std::vector<std::string>& folders, const FileSystem& files)
{
    for (const std::string& folder : folders) {
        const auto holds = [&](const std::string& name) { return files.exists(folder + name); };
        if (std::all_of(wordNetFileNames().begin(), wordNetFileNames().end(), holds)) return folder;
    }
    return std::nullopt;
}

std::string definitionsMissingMessage(const std::vector<std::string>& folders)
{
    std::string places;
    for (std::size_t i = 0; i < folders.size(); ++i)
        places += (i == 0 ? "" : i + 1 == folders.size() ? " or " : ", ") + folders[i];
    return "The definitions database (WordNet 3.0) was not found in " + places +
           ". Install the package wordnet-base, or copy its files (index.*, data.* and *.exc) into " +
           (folders.empty() ? std::string("wordnet/ beside the program") : folders.front()) + ".";
}

} // namespace verbalia
