#include "FindCommand.h"

#include "LetterSearch.h"
#include "PhoneticSearch.h"
#include "text/TextHelpers.h"
#include "WildcardSearch.h"
#include "platform/FileEncoding.h"
#include "platform/FileSystem.h"
#include "platform/IcuCollation.h"
#include "platform/IcuNumberFormat.h"
#include "wordlist/BuiltinWordList.h"
#include "wordlist/Harvest.h"
#include "text/LineText.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace verbalia {

namespace {

enum ExitCode { done = 0, refused = 2, usageError = 64, noInput = 66, writeError = 74 };

constexpr const char* usageText =
    "Usage: verbalia-find [--list FILE] [--min N] [--max N] [--exclude LETTERS] COMMAND\n"
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
    "Options:\n"
    "  --list FILE        the word list, one word per line (default: wordlist.dat beside the\n"
    "                     program, or the built-in list when there is none)\n"
    "  --min N, --max N   word lengths to list, 1 to 50 (default 1 and 50)\n"
    "  --exclude LETTERS  leave out words holding any of LETTERS\n"
    "  (--min, --max and --exclude apply to the searches only)\n";

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
    if (request.command == "harvest") {
        if (request.searchOptionsGiven) return "--min, --max and --exclude apply to the searches only";
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

// The bytes of a word list file, mapped rather than copied since they are
// read only once; read into memory where the file cannot be mapped. A file cut
// short by another program during the search stops this one (SIGBUS).
class WordListFile {
public:
    WordListFile() = default;
    WordListFile(const WordListFile&) = delete;
    WordListFile& operator=(const WordListFile&) = delete;
    ~WordListFile()
    {
        if (m_map) ::munmap(m_map, m_size);
    }

    // False when the file cannot be opened or read.
    bool load(const std::string& path)
    {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return false;
        struct stat status;
        const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
        if (regular && status.st_size > 0) {
            void* map = ::mmap(nullptr, std::size_t(status.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
            if (map != MAP_FAILED) {
                m_map = map;
                m_size = std::size_t(status.st_size);
            }
        }
        ::close(fd);
        if (!regular) return false;
        if (m_map) return true;
        std::optional<std::string> bytes = DiskFileSystem().readAll(path);
        if (!bytes) return false;
        m_bytes = std::move(*bytes);
        return true;
    }

    void setText(std::string text) { m_bytes = std::move(text); }

    std::string_view text() const
    {
        return m_map ? std::string_view(static_cast<const char*>(m_map), m_size) : std::string_view(m_bytes);
    }

private:
    void* m_map = nullptr;
    std::size_t m_size = 0;
    std::string m_bytes; // when not mapped
};

// Tests each line of the word list text, as the list would hold it, and
// writes the result line of each match to out.
template <class Matcher>
void findWords(std::string_view text, const Matcher& matcher, std::ostream& out)
{
    // Results are gathered in a small buffer that stays in the cache, and
    // written each time it fills.
    constexpr std::size_t chunk = 64 * 1024;
    std::string output;
    output.reserve(chunk + 64);
    const auto test = [&](std::string_view word) {
        if (matcher.matches(word)) {
            output += matcher.result(word);
            output += '\n';
            if (output.size() >= chunk) {
                out.write(output.data(), std::streamsize(output.size()));
                output.clear();
            }
        }
    };
    // Lines are looked at for tabs only when the text holds any, and copied
    // only to drop them.
    if (text.find('\t') == std::string_view::npos) {
        forEachLine(text, test);
    } else {
        forEachLine(text, [&](std::string_view line) {
            if (line.find('\t') == std::string_view::npos) return test(line);
            std::string entry(line);
            entry.erase(std::remove(entry.begin(), entry.end(), '\t'), entry.end());
            test(entry);
        });
    }
    out.write(output.data(), std::streamsize(output.size()));
}

template <class Matcher>
int search(const Prepared<Matcher>& prepared, std::string_view words, std::ostream& out, std::ostream& err)
{
    if (!prepared.matcher) {
        // One line per paragraph.
        err << Replace_All_Occurrences(prepared.refusal, "\n\n", "\n") << '\n';
        return refused;
    }
    findWords(words, *prepared.matcher, out);
    out.flush();
    if (!out) {
        err << "verbalia-find: cannot write the results\n";
        return writeError;
    }
    return done;
}

// Adds the new words of the text file to the list and writes the list in
// the layout of wordlist.dat; the closing message goes to err.
int harvestInto(std::string_view listText, const std::string& textPath, const HarvestOptions& options,
                std::ostream& out, std::ostream& err)
{
    std::optional<std::string> text = DiskFileSystem().readAll(textPath);
    if (!text) {
        err << "Cannot open file " << textPath << '\n';
        return noInput;
    }
    decodeFile(*text);
    WordStore list;
    list.assign(parseWordList(listText));
    const HarvestOutcome outcome =
        harvest(list, IcuCollation(), splitLines(workAreaTextFromFile(*text)), options, HarvestHooks{});

    constexpr std::size_t chunk = 64 * 1024;
    std::string output;
    output.reserve(chunk + 64);
    list.forEach(0, list.size(), [&](const std::string& word) {
        output += word;
        output += "\r\n";
        if (output.size() >= chunk) {
            out.write(output.data(), std::streamsize(output.size()));
            output.clear();
        }
    });
    out.write(output.data(), std::streamsize(output.size()));
    out.flush();
    if (!out) {
        err << "verbalia-find: cannot write the word list\n";
        return writeError;
    }
    err << harvestReport(outcome, IcuNumberFormat()) << '\n';
    return done;
}

} // namespace

int runFindCommand(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
                   std::ostream& err)
{
    Request request;
    if (std::string problem = parseArguments(args, request); !problem.empty()) return usage(err, problem);

    const std::string path = request.listPath.value_or(programFolder + "wordlist.dat");
    WordListFile list;
    if (request.listPath || DiskFileSystem().exists(path)) {
        if (!list.load(path)) {
            err << "Cannot open file " << path << '\n';
            return noInput;
        }
    } else {
        list.setText(joinLinesCrLf(builtinWordList()));
    }
    const std::string_view words = list.text();
    if (request.command == "harvest") return harvestInto(words, request.textPath, request.harvest, out, err);

    const SearchInput input{request.criteria, request.exclusion, request.range};
    if (request.command == "wildcard") return search(prepareWildcardSearch(input), words, out, err);
    if (request.command == "letters") return search(prepareLetterSearch(input, request.mode), words, out, err);
    return search(preparePhoneticSearch(input), words, out, err);
}

} // namespace verbalia
