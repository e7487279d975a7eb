#include "FindCommand.h"

#include "DefineCommand.h"
#include "wordlist/Definitions.h"

#include "search/LetterSearch.h"
#include "search/PhoneticSearch.h"
#include "search/Scan.h"
#include "text/TextHelpers.h"
#include "search/WildcardSearch.h"
#include "platform/CodePage.h"
#include "platform/FileEncoding.h"
#include "platform/FileSystem.h"
#include "platform/IcuCollation.h"
#include "platform/IcuNumberFormat.h"
#include "wordlist/BuiltinWordList.h"
#include "wordlist/Harvest.h"
#include "wordlist/WordListFile.h"
#include "wordlist/ListOrder.h"
#include "text/LineText.h"
#include "text/ProgramTitle.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <memory>
#include <optional>
#include <ostream>


namespace verbalia {

namespace {

enum ExitCode { done = 0, refused = 2, usageError = 64, noInput = 66, writeError = 74 };

constexpr const char* usageText =
    "Usage: verbalia-find [--list FILE] [--min N] [--max N] [--exclude LETTERS] COMMAND\n"
    "       verbalia-find --help | --version\n"
    "Commands:\n"
    "  wildcard PATTERN                            words that fit PATTERN: '?' is one character,\n"
    "                                              a single '*' any run of characters\n"
    "  letters --mode contains|only|exact LETTERS  words holding each of LETTERS, words made only of\n"
    "                                              them, or their anagrams\n"
    "  sounds WORD                                 words that sound like WORD\n"
    "  harvest [--allow-numbers] [--allow-symbols] TEXTFILE\n"
    "                                              adds the words of TEXTFILE that the list lacks,\n"
    "                                              each at its sorted place, and writes the list;\n"
    "                                              words with digits and all characters but letters\n"
    "                                              and spaces are ignored unless allowed\n"
    "  sort                                        writes the list in the order the program keeps\n"
    "                                              (to use another list as wordlist.dat)\n"
    "  define WORD...                              the senses of each WORD from the WordNet database\n"
    "                                              in wordnet/ beside the program or /usr/share/wordnet\n"
    "Options:\n"
    "  --list FILE        the word list, one word per line (default: wordlist.dat beside the\n"
    "                     program, or the built-in list when there is none)\n"
    "  --min N, --max N   word lengths to list, 1 to 50 (default 1 and 50)\n"
    "  --exclude LETTERS  leave out words holding any of LETTERS\n"
    "  (--min, --max and --exclude apply to the searches only)\n"
    "  --help             show this help and exit\n"
    "  --version          show the version and exit\n"
    "Encodings:\n"
    "  A list in UTF-8 whose characters all exist in Windows-1252 (as Debian's word lists)\n"
    "  is converted to Windows-1252 as it is read; PATTERN, LETTERS, WORD and TEXTFILE are\n"
    "  then taken as UTF-8 where they are valid UTF-8 (a character Windows-1252 lacks is a\n"
    "  non-letter that no word holds), and the output is UTF-8. With any other list the\n"
    "  arguments and the output are byte for byte, and TEXTFILE is converted only when it\n"
    "  is such a UTF-8 file itself.\n";

struct Request {
    std::optional<std::string> listPath;
    LengthRange range;
    std::string exclusion;
    bool searchOptionsGiven = false;
    std::string command;
    HarvestOptions harvest;
    std::string textPath; // of a harvest
    LetterMode mode = LetterMode::ContainsAll;
    std::string criteria;
};

int usage(std::ostream& err, const std::string& problem)
{
    err << "verbalia-find: " << problem << "\n" << usageText;
    return usageError;
}

std::optional<int> parseLength(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > 50) return std::nullopt;
    return value;
}

std::optional<LetterMode> parseMode(const std::string& text)
{
    if (text == "contains") return LetterMode::ContainsAll;
    if (text == "only") return LetterMode::OnlyThese;
    if (text == "exact") return LetterMode::ExactCount;
    return std::nullopt;
}

// Reads the request from the arguments, or returns the problem to report.
std::string parseArguments(const std::vector<std::string>& args, Request& request)
{
    std::size_t i = 0;
    for (; i < args.size() && args[i].starts_with("--"); i += 2) {
        const std::string& option = args[i];
        if (option == "--help" || option == "--version") {
            request.command = option;
            return {};
        }
        if (option != "--list" && option != "--min" && option != "--max" && option != "--exclude")
            return "unknown option " + option;
        if (i + 1 == args.size()) return "missing value for " + option;
        const std::string& given = args[i + 1];
        if (option == "--list") {
            request.listPath = given;
            continue;
        }
        request.searchOptionsGiven = true;
        if (option == "--exclude") {
            request.exclusion = given;
        } else {
            const std::optional<int> length = parseLength(given);
            if (!length) return option + " needs a whole number from 1 to 50, not " + given;
            (option == "--min" ? request.range.lower : request.range.upper) = *length;
        }
    }
    if (request.range.lower > request.range.upper) return "--min is greater than --max";
    if (i == args.size()) return "missing command";

    request.command = args[i++];
    if ((request.command == "harvest" || request.command == "sort") && request.searchOptionsGiven)
        return "--min, --max and --exclude apply to the searches only";
    if (request.command == "sort") return i == args.size() ? std::string() : "unexpected argument " + args[i];
    if (request.command == "harvest") {
        for (; i < args.size() && args[i].starts_with("--"); ++i) {
            if (args[i] == "--allow-numbers")
                request.harvest.ignoreNumbers = false;
            else if (args[i] == "--allow-symbols")
                request.harvest.ignoreSymbols = false;
            else
                return "unknown option " + args[i];
        }
        if (i == args.size()) return "missing text file";
        request.textPath = args[i++];
        if (i != args.size()) return "unexpected argument " + args[i];
        return {};
    }
    if (request.command == "letters") {
        if (i == args.size() || args[i] != "--mode") return "letters needs --mode contains|only|exact";
        if (++i == args.size()) return "missing value for --mode";
        const std::optional<LetterMode> mode = parseMode(args[i++]);
        if (!mode) return "unknown mode " + args[i - 1];
        request.mode = *mode;
    } else if (request.command != "wildcard" && request.command != "sounds") {
        return "unknown command " + request.command;
    }
    if (i == args.size()) return "missing search criteria";
    request.criteria = std::string(trimControls(args[i++]));
    if (i != args.size()) return "unexpected argument " + args[i];
    return {};
}

// A word list to read: its file (none for the built-in list) and, once
// read, how the file holds its text.
struct WordList {
    std::optional<std::string> path;
    WordListFormat format;

    bool utf8() const { return format.encoding != FileEncoding::Bytes; }
};

// An argument as a UTF-8 list takes it: converted where it is valid UTF-8.
std::string asUtf8ListText(std::string text)
{
    std::optional<std::string> converted = utf8ToCodePage(text, codepage::substitute);
    return converted ? std::move(*converted) : text;
}

bool reportRead(PieceRead outcome, const std::string& path, std::ostream& err)
{
    switch (outcome) {
    case PieceRead::done:
        return true;
    case PieceRead::cannotOpen:
        err << "Cannot open file " << path << '\n';
        break;
    case PieceRead::cannotRead:
        err << "Cannot read file " << path << '\n';
        break;
    case PieceRead::changed:
        err << "The file " << path << " changed while it was read.\n";
        break;
    }
    return false;
}

// Reads the word list once (readWordListLines), or the built-in list. A list
// that cannot be read, or that changes while it is read, is reported on err
// and gives false.
template <class Visit, class Restart>
bool readWordList(WordList& list, bool asciiAmbiguous, Visit&& visit, Restart&& restart, std::ostream& err)
{
    list.format = {};
    if (!list.path) {
        for (const std::string& word : builtinWordList()) visit(std::string_view(word), Reading::Bytes);
        return true;
    }
    const PieceRead outcome =
        readWordListLines(DiskFileSystem(), *list.path, asciiAmbiguous, visit, restart, list.format);
    return reportRead(outcome, *list.path, err);
}

// Gathers lines and writes them to out a large block at a time, in UTF-8
// once told the list is; held lines wait until the end, when the list's
// encoding is known.
class OutputBuffer {
public:
    explicit OutputBuffer(std::ostream& out) : m_out(out), m_block(block + 64) {}

    void writeUtf8(bool utf8) { m_utf8 = utf8; }

    void add(std::string_view line, std::string_view lineEnd)
    {
        m_block.append(line, lineEnd);
        if (m_block.used < block) return;
        if (!m_held) {
            write(m_block.text());
            m_block.used = 0;
            return;
        }
        // Held in blocks of their own: no copy as the output grows.
        m_heldBlocks.push_back(std::move(m_block));
        m_block = Block(block + 64);
    }

    // From now on nothing is written before flush.
    void hold() { m_held = true; }
    bool held() const { return m_held; }
    void discard()
    {
        m_heldBlocks.clear();
        m_block.used = 0;
    }

    // Writes what is gathered; false when out has failed.
    bool flush()
    {
        for (const Block& held : m_heldBlocks) write(held.text());
        write(m_block.text());
        discard();
        m_out.flush();
        return bool(m_out);
    }

private:
    static constexpr std::size_t block = 256 * 1024;

    // Bytes copied in place, without a string's checks for each line; the
    // memory is touched only as it fills.
    struct Block {
        explicit Block(std::size_t size) : bytes(std::make_unique_for_overwrite<char[]>(size)), capacity(size) {}

        void append(std::string_view line, std::string_view lineEnd)
        {
            const std::size_t size = line.size() + lineEnd.size();
            if (capacity - used < size) {
                // A line longer than the room left: a larger block.
                Block larger(used + size);
                std::memcpy(larger.bytes.get(), bytes.get(), used);
                larger.used = used;
                *this = std::move(larger);
            }
            char* at = bytes.get() + used;
            std::memcpy(at, line.data(), line.size());
            std::memcpy(at + line.size(), lineEnd.data(), lineEnd.size());
            used += size;
        }
        std::string_view text() const { return {bytes.get(), used}; }

        std::unique_ptr<char[]> bytes;
        std::size_t capacity;
        std::size_t used = 0;
    };

    void write(std::string_view part)
    {
        if (m_utf8 && !codepage::isAscii(part)) {
            m_converted = codepage::toUtf8(part);
            part = m_converted;
        }
        m_out.write(part.data(), std::streamsize(part.size()));
    }

    std::ostream& m_out;
    Block m_block;
    std::vector<Block> m_heldBlocks;
    std::string m_converted;
    bool m_utf8 = false;
    bool m_held = false;
};

// One callable of the calls each of its parts takes.
template <class... Parts>
struct Visitor : Parts... {
    using Parts::operator()...;
};
template <class... Parts>
Visitor(Parts...) -> Visitor<Parts...>; // for compilers without aggregate deduction (clang 14)

// Runs a search in one read of the list: prepared for the arguments as
// bytes and as UTF-8, the search takes the one that fits the list as it
// turns out. Output goes out as it is found until a line or an argument may
// read differently in the two; from there it is held to the end.
template <class Prepare>
int search(Prepare&& prepare, const Request& request, WordList& list, std::ostream& out, std::ostream& err)
{
    const std::string criteria = asUtf8ListText(request.criteria);
    const std::string exclusion = asUtf8ListText(request.exclusion);
    const auto asBytes = prepare(SearchInput{request.criteria, request.exclusion, request.range});
    const auto asUtf8 = prepare(SearchInput{criteria, exclusion, request.range});
    const bool argumentsAlike = criteria == request.criteria && exclusion == request.exclusion;

    OutputBuffer output(out);
    if (!argumentsAlike) output.hold();
    const auto matcherFor = [&](Reading reading) -> const auto& {
        if (reading == Reading::Utf8) output.hold();
        return reading == Reading::Bytes ? asBytes.matcher : asUtf8.matcher;
    };
    const auto emit = [&output](std::string_view result) { output.add(result, "\n"); };
    const Visitor visit{[&](std::string_view word, Reading reading) {
                            const auto& matcher = matcherFor(reading);
                            if (matcher && matcher->matches(word)) emit(matcher->result(word));
                        },
                        [&](CompleteLines lines, Reading reading) {
                            const auto& matcher = matcherFor(reading);
                            if (matcher) scanLines(lines.text, *matcher, emit);
                        }};
    const bool read = readWordList(list, !argumentsAlike, visit, [&output] { output.discard(); }, err);
    const auto& prepared = list.utf8() ? asUtf8 : asBytes;
    if (!read) {
        if (!output.held()) output.flush();
        return noInput;
    }
    if (!prepared.matcher) {
        // One line per paragraph.
        err << Replace_All_Occurrences(prepared.refusal, "\n\n", "\n") << '\n';
        return refused;
    }
    output.writeUtf8(list.utf8());
    if (!output.flush()) {
        err << "verbalia-find: cannot write the results\n";
        return writeError;
    }
    return done;
}

// The text of a harvest as the list takes it: with a UTF-8 list as UTF-8
// where it is valid UTF-8, else as the program reads any text file.
std::string harvestText(const WordList& list, std::string bytes)
{
    if (!list.utf8()) {
        decodeFile(bytes);
        return bytes;
    }
    bytes.resize(std::min(bytes.find('\0'), bytes.size()));
    if (bytes.starts_with(utf8ByteOrderMark)) bytes.erase(0, utf8ByteOrderMark.size());
    return asUtf8ListText(std::move(bytes));
}

// Writes the words in the layout of wordlist.dat, in the list's encoding and
// with its line ends.
int writeWordList(const WordStore& store, const WordList& list, std::ostream& out, std::ostream& err)
{
    if (list.format.encoding == FileEncoding::Utf8WithBom && !store.empty()) out << utf8ByteOrderMark;
    OutputBuffer output(out);
    output.writeUtf8(list.utf8());
    const std::string_view lineEnd = lineEndText(list.format.lineEnd);
    store.forEach(0, store.size(), [&](std::string_view word) { output.add(word, lineEnd); });
    if (!output.flush()) {
        err << "verbalia-find: cannot write the word list\n";
        return writeError;
    }
    return done;
}

// Adds the new words of the text file to the list and writes the list in
// the layout of wordlist.dat, in the list's encoding and with its line ends;
// the closing message
// goes to err.
int harvestInto(WordList& list, const std::string& textPath, const HarvestOptions& options, std::ostream& out,
                std::ostream& err)
{
    WordStore store;
    const auto keep = [&store](std::string_view word, Reading) { store.append(word); };
    if (!readWordList(list, false, keep, [&store] { store.clear(); }, err)) return noInput;
    std::optional<std::string> text = DiskFileSystem().readAll(textPath);
    if (!text) {
        err << "Cannot open file " << textPath << '\n';
        return noInput;
    }
    const std::vector<std::string> lines = splitLines(workAreaTextFromFile(harvestText(list, std::move(*text))));
    const HarvestOutcome outcome = harvest(store, IcuCollation(), lines, options, HarvestHooks{});
    if (const int status = writeWordList(store, list, out, err); status != done) return status;
    err << harvestReport(outcome, IcuNumberFormat()) << '\n';
    return done;
}

// Writes the list in the program's order, in the layout of wordlist.dat.
int sortInto(WordList& list, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> words;
    const auto keep = [&words](std::string_view word, Reading) { words.emplace_back(word); };
    if (!readWordList(list, false, keep, [&words] { words.clear(); }, err)) return noInput;
    sortInListOrder(words, IcuCollation());
    WordStore store;
    store.assign(std::move(words));
    return writeWordList(store, list, out, err);
}

// Standard output that is the list or the text file would grow it while it
// is read, or the shell has already emptied it (">"): refused, as nothing
// sound can come of either. True when refused.
bool refuseOutputIntoInput(const std::optional<FileIdentity>& output, const WordList& list, const Request& request,
                           std::ostream& err)
{
    if (!output || !output->regularFile) return false;
    const std::pair<std::optional<std::string>, const char*> inputs[] = {{list.path, "word list"},
                                                                         {request.textPath, "text file"}};
    for (const auto& [path, role] : inputs) {
        const std::optional<FileIdentity> input = path ? identifyFile(*path) : std::nullopt;
        if (!input || !input->sameFile(*output)) continue;
        err << "verbalia-find: " << *path << ": the " << role
            << " is also standard output; nothing was read or written\n";
        if (output->size == 0)
            err << "The shell emptied " << *path << " before verbalia-find started; restore it from a copy.\n"
                << "To write safely, write to another file, then rename it:\n"
                << "  verbalia-find ... > " << *path << ".new && mv " << *path << ".new " << *path << '\n';
        return true;
    }
    return false;
}

} // namespace

int runFindCommand(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
                   std::ostream& err, const std::optional<FileIdentity>& outputFile)
{
    if (!args.empty() && args.front() == "define") {
        if (args.size() == 1) return usage(err, "missing word");
        return runDefineCommand({args.begin() + 1, args.end()}, definitionFolders(programFolder), out, err);
    }
    Request request;
    if (std::string problem = parseArguments(args, request); !problem.empty()) return usage(err, problem);
    if (request.command == "--help") {
        out << usageText;
        return out.flush() ? done : writeError;
    }
    if (request.command == "--version") {
        out << "verbalia-find (Verbalia) " << programVersion << '\n';
        return out.flush() ? done : writeError;
    }

    WordList list;
    list.path = request.listPath;
    if (!list.path && DiskFileSystem().exists(programFolder + "wordlist.dat")) list.path = programFolder + "wordlist.dat";
    if (refuseOutputIntoInput(outputFile, list, request, err)) return usageError;
    if (request.command == "harvest") return harvestInto(list, request.textPath, request.harvest, out, err);
    if (request.command == "sort") return sortInto(list, out, err);
    if (request.command == "wildcard") return search(prepareWildcardSearch, request, list, out, err);
    if (request.command == "letters") {
        const auto prepare = [mode = request.mode](const SearchInput& input) {
            return prepareLetterSearch(input, mode);
        };
        return search(prepare, request, list, out, err);
    }
    return search(preparePhoneticSearch, request, list, out, err);
}

} // namespace verbalia
