#include "FindCommand.h"

#include "DefineCommand.h"
#include "wordlist/Definitions.h"

#include "search/LetterSearch.h"
#include "search/PhoneticSearch.h"
#include "text/TextHelpers.h"
#include "search/WildcardSearch.h"
#include "platform/CodePage.h"
#include "platform/FileEncoding.h"
#include "platform/FileSystem.h"
#include "platform/IcuCollation.h"
#include "platform/IcuNumberFormat.h"
#include "wordlist/BuiltinWordList.h"
#include "wordlist/Harvest.h"
#include "wordlist/ListOrder.h"
#include "text/LineText.h"
#include "text/ProgramTitle.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>

#include <sys/stat.h>

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

// A word list to read: its file (none for the built-in list), how the file
// holds its text, and the text itself, converted, when the file could be read
// only once.
struct WordList {
    std::optional<std::string> path;
    FileEncoding encoding = FileEncoding::Bytes;
    std::optional<std::string> heldText;

    bool utf8() const { return encoding != FileEncoding::Bytes; }
};

// An argument or text that goes with the list, as the list's encoding takes it.
std::string asListText(const WordList& list, std::string text)
{
    if (!list.utf8()) return text;
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

// The piece up to a NUL, which ends the text; false then.
bool beforeNul(std::string_view& piece)
{
    const std::size_t nul = piece.find('\0');
    piece = piece.substr(0, nul);
    return nul == std::string_view::npos;
}

// Learns how the list's file holds its text, which decides how the
// arguments are taken, before the search. A regular file is read for that
// (up to its first NUL, and only until it is known to be byte for byte) and
// read again by the search; anything else (a pipe) can be read only once, so
// its text is held. A list that cannot be read is reported on err and gives false.
bool learnEncoding(WordList& list, std::ostream& err)
{
    if (!list.path) return true;
    struct stat status;
    const bool regular = ::stat(list.path->c_str(), &status) == 0 && S_ISREG(status.st_mode);
    Utf8PieceDecoder decoder(false);
    std::string text;
    const PieceRead outcome = readInPieces(*list.path, [&](std::string_view piece) {
        const bool more = beforeNul(piece);
        if (!regular) text.append(piece);
        return (decoder.feed(piece) || !regular) && more;
    });
    list.encoding = decoder.encoding();
    if (!regular) {
        decodeFile(text);
        list.heldText = std::move(text);
    }
    return reportRead(outcome, *list.path, err);
}

// Hands each line of the word list to visit as the list holds it (converted
// from UTF-8, tabs removed): the file read a block at a time up to its first
// NUL, its held text, or the built-in list. A list that cannot be read, or
// that changes while it is read, is reported on err and gives false.
template <class Visit>
bool readWordList(const WordList& list, Visit&& visit, std::ostream& err)
{
    const auto entry = [&visit](std::string_view line) {
        if (line.find('\t') == std::string_view::npos) return visit(line);
        std::string word(line);
        word.erase(std::remove(word.begin(), word.end(), '\t'), word.end());
        visit(std::string_view(word));
    };
    if (!list.path) {
        for (const std::string& word : builtinWordList()) visit(std::string_view(word));
        return true;
    }
    if (list.heldText) {
        forEachLine(*list.heldText, entry);
        return true;
    }
    LineSplitter lines;
    Utf8PieceDecoder decoder(true);
    PieceRead outcome = readInPieces(*list.path, [&](std::string_view piece) {
        if (!list.utf8()) return lines.feed(piece, entry);
        // The list was found UTF-8 when read first: a piece that is not now was rewritten since.
        const bool more = beforeNul(piece);
        return decoder.feed(piece) && lines.feed(decoder.converted(), entry) && more;
    });
    lines.finish(entry);
    if (list.utf8() && outcome == PieceRead::done && decoder.encoding() == FileEncoding::Bytes)
        outcome = PieceRead::changed;
    return reportRead(outcome, *list.path, err);
}

// Gathers lines in a small buffer that stays in the cache and writes it to
// out each time it fills; in UTF-8 when the list came in UTF-8.
class OutputBuffer {
public:
    OutputBuffer(std::ostream& out, const WordList& list) : m_out(out), m_utf8(list.utf8())
    {
        m_output.reserve(chunk + 64);
    }

    void add(std::string_view line, const char* lineEnd)
    {
        m_output += line;
        m_output += lineEnd;
        if (m_output.size() >= chunk) write();
    }

    // Writes what is gathered; false when out has failed.
    bool flush()
    {
        write();
        m_out.flush();
        return bool(m_out);
    }

private:
    static constexpr std::size_t chunk = 64 * 1024;

    void write()
    {
        if (m_utf8 && !codepage::isAscii(m_output)) m_output = codepage::toUtf8(m_output);
        m_out.write(m_output.data(), std::streamsize(m_output.size()));
        m_output.clear();
    }

    std::ostream& m_out;
    const bool m_utf8;
    std::string m_output;
};

template <class Matcher>
int search(const Prepared<Matcher>& prepared, const WordList& list, std::ostream& out, std::ostream& err)
{
    if (!prepared.matcher) {
        // One line per paragraph.
        err << Replace_All_Occurrences(prepared.refusal, "\n\n", "\n") << '\n';
        return refused;
    }
    const Matcher& matcher = *prepared.matcher;
    OutputBuffer output(out, list);
    const bool read = readWordList(list, [&](std::string_view word) {
        if (matcher.matches(word)) output.add(matcher.result(word), "\n");
    }, err);
    const bool written = output.flush();
    if (!read) return noInput;
    if (!written) {
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
    return asListText(list, std::move(bytes));
}

// Writes the words in the layout of wordlist.dat, in the list's encoding.
int writeWordList(const WordStore& store, const WordList& list, std::ostream& out, std::ostream& err)
{
    if (list.encoding == FileEncoding::Utf8WithBom && !store.empty()) out << utf8ByteOrderMark;
    OutputBuffer output(out, list);
    store.forEach(0, store.size(), [&output](const std::string& word) { output.add(word, "\r\n"); });
    if (!output.flush()) {
        err << "verbalia-find: cannot write the word list\n";
        return writeError;
    }
    return done;
}

// Adds the new words of the text file to the list and writes the list in
// the layout of wordlist.dat, in the list's encoding; the closing message
// goes to err.
int harvestInto(const WordList& list, const std::string& textPath, const HarvestOptions& options, std::ostream& out,
                std::ostream& err)
{
    std::vector<std::string> words;
    if (!readWordList(list, [&words](std::string_view word) { words.emplace_back(word); }, err)) return noInput;
    std::optional<std::string> text = DiskFileSystem().readAll(textPath);
    if (!text) {
        err << "Cannot open file " << textPath << '\n';
        return noInput;
    }
    WordStore store;
    store.assign(std::move(words));
    const std::vector<std::string> lines = splitLines(workAreaTextFromFile(harvestText(list, std::move(*text))));
    const HarvestOutcome outcome = harvest(store, IcuCollation(), lines, options, HarvestHooks{});
    if (const int status = writeWordList(store, list, out, err); status != done) return status;
    err << harvestReport(outcome, IcuNumberFormat()) << '\n';
    return done;
}

// Writes the list in the program's order, in the layout of wordlist.dat.
int sortInto(const WordList& list, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> words;
    if (!readWordList(list, [&words](std::string_view word) { words.emplace_back(word); }, err)) return noInput;
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
    if (!learnEncoding(list, err)) return noInput;
    if (request.command == "harvest") return harvestInto(list, request.textPath, request.harvest, out, err);
    if (request.command == "sort") return sortInto(list, out, err);

    const std::string criteria = asListText(list, request.criteria);
    const std::string exclusion = asListText(list, request.exclusion);
    const SearchInput input{criteria, exclusion, request.range};
    if (request.command == "wildcard") return search(prepareWildcardSearch(input), list, out, err);
    if (request.command == "letters") return search(prepareLetterSearch(input, request.mode), list, out, err);
    return search(preparePhoneticSearch(input), list, out, err);
}

} // namespace verbalia
