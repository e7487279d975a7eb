#include "Command.h"
#include "OutputBuffer.h"
#include "ResultOrder.h"
#include "WordListInput.h"

#include "lexicon/CommonnessLevels.h"
#include "lexicon/MeaningIndex.h"
#include "lexicon/Phrases.h"
#include "lexicon/WordNet.h"
#include "platform/CodePage.h"
#include "solver/Answer.h"
#include "text/TextHelpers.h"

#include <ostream>

namespace verbalia {

namespace {

// The levels serve the order and --common: needed when either is asked for;
// for the default order, used when the default file is there.
bool levelsWanted(const Invocation& invocation)
{
    const bool needed = invocation.commonFirst || invocation.common;
    if (invocation.orderGiven && !needed) return false;
    return needed || invocation.levelsPath || DiskFileSystem().exists(levelsFile(invocation));
}

// WordNet's phrases and meaning index, as the request needs them. False,
// with the message on err, when the database is missing or unreadable.
bool loadWordNet(const Invocation& invocation, bool phrases, bool meaning, std::vector<Phrase>& phraseList,
                 std::optional<MeaningIndex>& meanings, std::ostream& err)
{
    if (!phrases && !meaning) return true;
    const std::vector<std::string> folders = invocation.locations.definitionFolders;
    const std::optional<std::string> folder = wordNetFolder(folders, DiskFileSystem());
    if (!folder) {
        err << "verbalia-find: " << definitionsMissingMessage(folders) << '\n';
        return false;
    }
    const std::atomic<bool> cancel = false;
    std::string unreadable;
    if (phrases) {
        PhrasesLoad loaded = readPhrases(DiskFileSystem(), *folder, cancel);
        phraseList = std::move(loaded.phrases);
        unreadable = loaded.unreadable;
    }
    if (meaning && unreadable.empty()) {
        MeaningLoad loaded = MeaningIndex::build(DiskFileSystem(), *folder, cancel);
        meanings = std::move(loaded.index);
        unreadable = loaded.unreadable;
    }
    if (unreadable.empty()) return true;
    err << "verbalia-find: cannot read " << unreadable << '\n';
    return false;
}

int solve(const Invocation& invocation, std::ostream& out, std::ostream& err)
{
    if (invocation.given("--anagram") && invocation.given("--made-from")) {
        err << "verbalia-find: --anagram and --made-from cannot be given together\n"
               "Try 'verbalia-find --help' for more information.\n";
        return usageError;
    }
    WordList list;
    if (!list.open(invocation, err)) return noInput;
    if (refuseOutputIntoInput(invocation, list, {}, err)) return usageError;
    std::optional<CommonnessLevels> levels;
    if (levelsWanted(invocation) && !loadLevels(invocation, levels, err)) return noInput;

    const auto meaningOption = invocation.options.find("--meaning");
    const std::string meaning =
        meaningOption == invocation.options.end() ? std::string() : asUtf8ListText(meaningOption->second);
    std::vector<Phrase> phrases;
    std::optional<MeaningIndex> meanings;
    const bool meaningGiven = std::string_view(meaning).find_first_not_of(" \t") != std::string_view::npos;
    if (!loadWordNet(invocation, invocation.given("--phrases"), meaningGiven, phrases, meanings, err))
        return noInput;

    WordStore store;
    const auto keep = [&store](std::string_view word, Reading) { store.append(word); };
    if (!list.read(false, keep, [&store] { store.clear(); }, err)) return noInput;

    using namespace solver;
    const std::string given(trimControls(invocation.operands.front()));
    AnswerRequest request;
    request.mode = invocation.given("--anagram")     ? SolveMode::Anagram
                   : invocation.given("--made-from") ? SolveMode::MadeFrom
                                                     : SolveMode::Pattern;
    request.query = list.utf8() ? asUtf8ListText(given) : given;
    if (invocation.common) request.upTo = levelOfSize(*invocation.common);
    request.phrases = invocation.given("--phrases");
    request.meaning = meaning;
    request.order = invocation.orderGiven && !invocation.commonFirst ? AnswerOrder::list : AnswerOrder::common;
    const std::atomic<bool> cancel = false;
    OutputBuffer output(out);
    output.writeUtf8(list.utf8());
    // Nothing is written before the order is known, so a refusal comes alone.
    const Answer answered = *answer(request,
                                    {store, nullptr, levels ? &*levels : nullptr, &phrases, meanings ? &*meanings : nullptr},
                                    cancel, [&](const AnswerRow& row) { output.add(rowText(row, store, &phrases), "\n"); });
    if (!answered.message.empty()) {
        err << (list.utf8() ? codepage::toUtf8(answered.message) : answered.message) << '\n';
        return refused;
    }
    if (!output.flush()) {
        err << "verbalia-find: cannot write the results\n";
        return writeError;
    }
    return done;
}

} // namespace

Command solveCommand()
{
    return {"solve",
            "The crossword solver: words that fit QUERY ('?' a\n"
            "letter, '*' any run, [abc], [!abc], '@' a vowel,\n"
            "'#' a consonant) by their letters, commonest first",
            "QUERY",
            false,
            true,
            {{"--anagram", "QUERY's letters in any order, '?' a blank", {}},
             {"--made-from", "Words of some of QUERY's letters, '?' a blank", {}},
             {"--phrases", "WordNet's phrases too; QUERY may be an enumeration\n"
                           "(5,2,4) or a pattern spaced where words break", {}},
             {"--meaning", "Only the words related to WORDS in WordNet,\n"
                           "the strongest first; QUERY may then be ''", {}, "WORDS"}},
            solve,
            false};
}

} // namespace verbalia
