// verbalia-find end to end: any arguments end with one of its exit codes, and
// a search it runs lists exactly what the window's scan of the same list
// finds.

#include "FuzzSupport.h"
#include "platform/FileEncoding.h"
#include "cli/FindCommand.h"
#include "search/LetterSearch.h"
#include "search/PhoneticSearch.h"
#include "search/Scan.h"
#include "search/WildcardSearch.h"
#include "text/LineText.h"
#include "text/TextHelpers.h"
#include "wordlist/BuiltinWordList.h"

#include <algorithm>
#include <iterator>
#include <sstream>

#include <sys/mman.h>
#include <unistd.h>

using namespace verbalia;

namespace {

// The list as a file in memory, named by a path that any open finds.
class MemoryFile {
public:
    explicit MemoryFile(std::string_view bytes) : m_fd(::memfd_create("list", MFD_CLOEXEC))
    {
        fuzz::check(m_fd >= 0 && ::write(m_fd, bytes.data(), bytes.size()) == ssize_t(bytes.size()));
    }
    ~MemoryFile() { ::close(m_fd); }
    std::string path() const { return "/proc/self/fd/" + std::to_string(m_fd); }

private:
    int m_fd;
};

// The window's scan: the list as the window reads it, each matching entry's result line.
template <class Matcher>
std::string windowResults(const Prepared<Matcher>& prepared, const std::vector<std::string>& words)
{
    WordStore list;
    list.assign(words);
    std::vector<std::string> results;
    scanRange(list, 0, list.size(), *prepared.matcher, results);
    std::string text;
    for (const std::string& line : results) text += line + "\n";
    return text;
}

struct Outcome {
    int exitCode;
    std::string output;
};

Outcome runFind(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int code = runFindCommand(args, portableLocations("/nonexistent-folder/", "verbalia-find"), out, err);
    // Every documented exit code: 1 for a word define or remove lacks, 65 for a
    // list they refuse, 66 for a list or levels file that cannot be read.
    constexpr int documented[] = {0, 1, 2, 64, 65, 66, 74};
    fuzz::check(std::find(std::begin(documented), std::end(documented), code) != std::end(documented));
    fuzz::check(code == 0 || !err.str().empty());
    return {code, out.str()};
}

// Levels for a few words of the built-in list and of the lists above.
constexpr std::string_view levelsText = "about\t10\nacrid\t35\nable\t20\nmice\t80\n";

// The lines in byte order.
std::vector<std::string> sortedLines(const std::string& text)
{
    std::vector<std::string> lines = splitLines(text);
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The window's results, in the order asked: the same lines commonest first,
// and some of them for --common.
template <class Matcher>
void compare(const Prepared<Matcher>& prepared, const std::vector<std::string>& words, const Outcome& outcome,
             unsigned order)
{
    fuzz::check(outcome.exitCode == (prepared.matcher ? 0 : 2));
    if (!prepared.matcher || order == 3) return;
    const std::string expected = windowResults(prepared, words);
    fuzz::check(order == 2 ? sortedLines(outcome.output) == sortedLines(expected) : outcome.output == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::InputReader input(data, size);
    const unsigned shape = input.byte();

    if (shape % 4 == 3) {
        // Free arguments, separated by NUL bytes, over a list that exists.
        std::vector<std::string> args;
        std::string_view rest = input.rest();
        while (!rest.empty()) {
            const std::size_t end = std::min(rest.find('\0'), rest.size());
            args.emplace_back(rest.substr(0, end));
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
        const MemoryFile list("acrid\r\nadmit\r\nmice\r\n");
        const MemoryFile levels(levelsText);
        for (std::size_t i = 0; i < args.size(); ++i) {
            for (const auto& [option, file] : {std::pair{"--list", &list}, {"--levels", &levels}}) {
                if (args[i] == option && i + 1 < args.size()) args[i + 1] = file->path();
                if (args[i].starts_with(std::string(option) + "=")) args[i] = std::string(option) + "=" + file->path();
            }
        }
        runFind(args);
        return 0;
    }

    const char* const commands[] = {"wildcard", "letters", "sounds"};
    const char* const modes[] = {"contains", "only", "exact"};
    const unsigned command = shape % 3;
    const unsigned mode = input.byte() % 3;
    const int lower = int(input.byte() % 52), upper = int(input.byte() % 52);
    const std::string criteria(input.piece());
    const std::string exclusion(input.piece());
    const bool builtin = input.byte() % 8 == 0;
    const std::string_view listBytes = input.rest();

    const MemoryFile list(listBytes);
    const MemoryFile levels(levelsText);
    std::vector<std::string> args;
    if (!builtin) args = {"--list", list.path()};
    // The options before or after the command, the criteria after "--"; the
    // order asked: none, the list's (whose levels file is never read), the
    // commonest first, or only the commonest words.
    std::vector<std::string> options = {"--min", std::to_string(lower), "--max=" + std::to_string(upper),
                                        "--exclude=" + exclusion};
    const unsigned order = (shape >> 4) % 4;
    const std::vector<std::string> orders[] = {
        {}, {"--order=list", "--levels=/nonexistent-folder/levels.txt"}, {"--order", "common"}, {"--common=10"}};
    options.insert(options.end(), orders[order].begin(), orders[order].end());
    if (order >= 2) options.insert(options.end(), {"--levels", levels.path()});
    const bool optionsFirst = (shape & 0x80) == 0;
    if (optionsFirst) args.insert(args.end(), options.begin(), options.end());
    args.emplace_back(commands[command]);
    if (command == 1) args.insert(args.end(), {"--mode", modes[mode]});
    if (!optionsFirst) args.insert(args.end(), options.begin(), options.end());
    args.insert(args.end(), {"--", criteria});
    const Outcome outcome = runFind(args);

    if (lower < 1 || upper > 50 || lower > upper) {
        fuzz::check(outcome.exitCode == 64);
        return 0;
    }
    // A UTF-8 list changes how the arguments and results are taken as well:
    // only its exit code is checked.
    if (!builtin && detectEncoding(listBytes) != FileEncoding::Bytes) return 0;
    const std::vector<std::string> words = builtin ? builtinWordList() : parseWordList(listBytes);
    const SearchInput search{trimControls(criteria), exclusion, LengthRange{lower, upper}};
    const LetterMode letterModes[] = {LetterMode::ContainsAll, LetterMode::OnlyThese, LetterMode::ExactCount};
    if (command == 0) compare(prepareWildcardSearch(search), words, outcome, order);
    if (command == 1) compare(prepareLetterSearch(search, letterModes[mode]), words, outcome, order);
    if (command == 2) compare(preparePhoneticSearch(search), words, outcome, order);
    return 0;
}
