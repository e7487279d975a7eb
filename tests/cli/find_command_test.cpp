#include "cli/FindCommand.h"
#include "cli/WordListInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

using namespace verbalia;
namespace fs = std::filesystem;

namespace {

class FindCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() /
                   ("verbalia-find-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder / "program");
        m_list = (m_folder / "words.txt").string();
        std::ofstream(m_list, std::ios::binary)
            << "acrid\r\nAcrid\r\nadmit\nbr\tead\r\nMice\rmouse\r\nMUSE\r\n\r\npots\r\nspot\r\nstop\r\nx-ray";
    }
    void TearDown() override { fs::remove_all(m_folder); }

    int run(std::vector<std::string> args)
    {
        m_out.str({});
        m_err.str({});
        return runFindCommand(args, portableLocations((m_folder / "program").string() + "/", "verbalia-find"), m_out, m_err);
    }

    fs::path m_folder;
    std::string m_list;
    std::ostringstream m_out, m_err;
};

} // namespace

TEST_F(FindCommand, ListsMatchesInListOrder)
{
    EXPECT_EQ(run({"--list", m_list, "wildcard", "a??i?"}), 0);
    EXPECT_EQ(m_out.str(), "acrid\nadmit\n");
    EXPECT_EQ(m_err.str(), "");

    // Lines are stored without tabs, as the list holds them.
    EXPECT_EQ(run({"--list", m_list, "wildcard", " B*D\t"}), 0);
    EXPECT_EQ(m_out.str(), "bread\n");

    EXPECT_EQ(run({"--list", m_list, "--min", "5", "--max", "5", "wildcard", "*"}), 0);
    EXPECT_EQ(m_out.str(), "acrid\nAcrid\nadmit\nbread\nmouse\nx-ray\n");

    EXPECT_EQ(run({"--list", m_list, "letters", "--mode", "exact", "STOP"}), 0);
    EXPECT_EQ(m_out.str(), "pots\nspot\nstop\n");
    EXPECT_EQ(run({"--list", m_list, "--exclude", "S", "letters", "--mode", "contains", "top"}), 0);
    EXPECT_EQ(m_out.str(), "");
    EXPECT_EQ(run({"--list", m_list, "--exclude", "S", "letters", "--mode", "only", "spot"}), 2);

    // Sound-alikes are listed lower-cased.
    EXPECT_EQ(run({"--list", m_list, "sounds", "mice"}), 0);
    EXPECT_EQ(m_out.str(), "mice\nmouse\nmuse\n");
}

TEST_F(FindCommand, RefusalPrintsTheMessageOneLinePerParagraph)
{
    EXPECT_EQ(run({"--list", m_list, "wildcard", "a?*"}), 2);
    EXPECT_EQ(m_out.str(), "");
    EXPECT_EQ(m_err.str(),
              "You can only enter one one more '?' (question mark) wildcards or a single '*' (asterisk) for each "
              "search in this version of the program.\n"
              "i.e. You cannot mix and match '*' and '?' in a single search in this version of the program.\n");

    EXPECT_EQ(run({"--list", m_list, "sounds", "  "}), 2);
    EXPECT_EQ(m_err.str(), "You need to enter a word, so I can find words that sound similar.\n");
    EXPECT_EQ(run({"--list", m_list, "--max", "3", "letters", "--mode", "exact", "stop"}), 2);
    EXPECT_EQ(m_err.str(), "The number of letters to search for is greater than the maximum word length allowed.\n");
}

TEST_F(FindCommand, UsageErrors)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> wrong = {
        {{}, "missing command"},
        {{"--list"}, "--list"},
        {{"--colour", "red", "wildcard", "a?"}, "unknown option --colour"},
        {{"--min", "0", "wildcard", "a?"}, "--min"},
        {{"wildcard", "a?", "--max=51"}, "--max"},
        {{"--min", "2x", "wildcard", "a?"}, "--min"},
        {{"--min", "6", "--max", "5", "wildcard", "a?"}, "--min is greater than --max"},
        {{"spell", "word"}, "unexpected argument spell"},
        {{"wildcard"}, "PATTERN"},
        {{"wildcard", "a?", "b?"}, "unexpected argument b?"},
        {{"wildcard", "-a?"}, "PATTERN"},
        {{"letters", "pot"}, "--mode"},
        {{"letters", "--mode", "some", "pot"}, "--mode"},
        {{"letters", "--mode", "only"}, "LETTERS"},
        {{"harvest"}, "TEXTFILE"},
        {{"harvest", "--allow-colours", "text.txt"}, "unknown option --allow-colours"},
        {{"harvest", "a.txt", "b.txt"}, "unexpected argument b.txt"},
        {{"--min", "2", "harvest", "text.txt"}, "apply to the searches only"},
        {{"sort", "words.txt"}, "unexpected argument words.txt"},
        {{"sort", "--exclude", "e"}, "apply to the searches only"},
        {{"define"}, "WORD"},
        {{"remove"}, "WORD"},
        {{"--order", "rare", "wildcard", "a?"}, "--order"},
        {{"wildcard", "a?", "--common", "15"}, "one of SCOWL's sizes 10, 20, 35"},
        {{"--common", "1e1", "wildcard", "a?"}, "one of SCOWL's sizes"},
        {{"--order", "common", "sort"}, "apply to the searches only"},
        {{"--levels", "levels.txt", "remove", "a"}, "apply to the searches only"},
        {{"--min", "3", "solve", "a?"}, "--min, --max and --exclude do not apply to solve"},
        {{"solve", "--anagram", "--made-from", "ab"}, "--anagram and --made-from cannot be given together"},
        {{"solve", "--meaning"}, "--meaning"},
    };
    for (const auto& [args, problem] : wrong) {
        EXPECT_EQ(run(args), 64) << testing::PrintToString(args);
        const std::string message = m_err.str();
        EXPECT_TRUE(message.starts_with("verbalia-find: ")) << message;
        EXPECT_NE(message.find(problem), std::string::npos) << message;
        EXPECT_TRUE(message.ends_with("\nTry 'verbalia-find --help' for more information.\n")) << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 2) << message;
        EXPECT_EQ(m_out.str(), "");
    }
}

TEST_F(FindCommand, OptionsBeforeOrAfterTheCommand)
{
    const std::vector<std::vector<std::string>> alike = {
        {"--list", m_list, "--min", "5", "wildcard", "a*"},
        {"--list", m_list, "wildcard", "a*", "--min", "5"},
        {"wildcard", "--min=5", "a*", "--list=" + m_list},
        {"--min=5", "--list", m_list, "wildcard", "--", "a*"},
        {"--exclude=", "--min=5", "--list", m_list, "wildcard", "--", "a*"},
    };
    for (const auto& args : alike) {
        EXPECT_EQ(run(args), 0) << testing::PrintToString(args);
        EXPECT_EQ(m_out.str(), "acrid\nadmit\n");
    }
    // After "--" a criterion may begin with '-'.
    std::ofstream(m_list, std::ios::binary | std::ios::app) << "\n-ish\n";
    EXPECT_EQ(run({"--list", m_list, "wildcard", "--", "-*"}), 0);
    EXPECT_EQ(m_out.str(), "-ish\n");
}

TEST_F(FindCommand, WordListSource)
{
    const std::string missing = (m_folder / "none.txt").string();
    EXPECT_EQ(run({"--list", missing, "wildcard", "a?"}), 66);
    EXPECT_EQ(m_err.str(), "Cannot open file " + missing + "\n");

    // Without wordlist.dat beside the program the built-in list stands in.
    EXPECT_EQ(run({"wildcard", "x-r?y"}), 0);
    EXPECT_EQ(m_out.str(), "x-ray\n");
    EXPECT_EQ(run({"wildcard", "a*"}), 0);
    EXPECT_TRUE(m_out.str().starts_with("a\nable\nabout\naccident\n"));

    // A link to no file is a missing one.
    const fs::path beside = m_folder / "program" / "wordlist.dat";
    fs::create_symlink(m_folder / "none.txt", beside);
    EXPECT_EQ(run({"wildcard", "x-r?y"}), 0);
    EXPECT_EQ(m_out.str(), "x-ray\n");

    // Anything else there that is no file to read is not passed over.
    fs::remove(beside);
    fs::create_directory(m_folder / "folder");
    const std::vector<std::pair<std::string, std::function<void()>>> unreadable = {
        {"a link loop", [&] { fs::create_symlink(beside, beside); }},
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(beside.c_str(), 0600), 0); }},
        {"a device", [&] { fs::create_symlink("/dev/null", beside); }},
        {"a folder", [&] { fs::create_symlink(m_folder / "folder", beside); }},
    };
    for (const auto& [what, make] : unreadable) {
        make();
        EXPECT_EQ(run({"wildcard", "x*"}), 66) << what;
        EXPECT_EQ(m_err.str(), "Cannot open file " + beside.string() + "\n") << what;
        EXPECT_EQ(m_out.str(), "") << what;
        fs::remove(beside);
    }

    std::ofstream(beside, std::ios::binary) << "xylophone\r\nx-ray\r\n";
    EXPECT_EQ(run({"wildcard", "x*"}), 0);
    EXPECT_EQ(m_out.str(), "xylophone\nx-ray\n");
}

TEST_F(FindCommand, ListsCutByANulAreNotWrittenBack)
{
    const std::string list = (m_folder / "cut.txt").string();
    const std::string text = (m_folder / "text.txt").string();
    std::ofstream(list, std::ios::binary) << "zoo\nant\nbee" << std::string(1, '\0') << "cat\n";
    std::ofstream(text, std::ios::binary) << "gnu";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"sort"}, {"harvest", text}, {"remove", "zoo"}}) {
        std::vector<std::string> all{"--list", list};
        all.insert(all.end(), args.begin(), args.end());
        EXPECT_EQ(run(all), 65) << args.front();
        EXPECT_EQ(m_out.str(), "");
        EXPECT_EQ(m_err.str(), "verbalia-find: " + list +
                                   " holds a NUL byte after 3 words; the words after it were not read, so nothing "
                                   "was written.\n");
    }
    // A search lists the words before it.
    EXPECT_EQ(run({"--list", list, "wildcard", "*"}), 0);
    EXPECT_EQ(m_out.str(), "zoo\nant\nbee\n");
}

// A list learnt to be no UTF-8 late in the read is read twice: the second
// read is of the file opened, not of one renamed into its place meanwhile,
// which fails the read.
TEST_F(FindCommand, SecondReadIsOfTheFileOpened)
{
    std::string late = "caf\xC3\xA9\n";
    for (int i = 0; i < 40000; ++i) late += "w" + std::to_string(i) + "\n";
    late += "na\xEFve\n";
    const std::string path = (m_folder / "late.txt").string();
    const std::string other = (m_folder / "other.txt").string();
    std::ofstream(path, std::ios::binary) << late;
    Invocation invocation;
    invocation.listPath = path;
    WordList list;
    ASSERT_TRUE(list.open(invocation, m_err));
    std::string lines;
    const auto keep = [&lines](std::string_view line, Reading) { (lines += line) += '\n'; };
    const auto replace = [&] {
        lines.clear();
        std::ofstream(other, std::ios::binary) << "other\n";
        fs::rename(other, path);
    };
    EXPECT_FALSE(list.read(false, keep, replace, m_err));
    EXPECT_EQ(lines, late);
    EXPECT_EQ(m_err.str(), "The file " + path + " changed while it was read.\n");
}

TEST_F(FindCommand, LargeListsAreListedWhole)
{
    // More results than are written at once, lines ending every way, a tab and
    // a NUL that ends the list.
    const char* ends[] = {"\r\n", "\n", "\r", "\n\r"};
    std::string list, expected;
    for (int i = 0; i < 30000; ++i) {
        const std::string word = "w" + std::to_string(i);
        list += (i == 12345 ? "w1\t2345" : word) + ends[i % 4];
        expected += word + "\n";
    }
    const std::string path = (m_folder / "large.txt").string();
    std::ofstream(path, std::ios::binary) << list << std::string(1, '\0') << "w30000\n";
    EXPECT_EQ(run({"--list", path, "wildcard", "w*"}), 0);
    EXPECT_EQ(m_out.str(), expected);

    std::ofstream(path, std::ios::binary | std::ios::trunc).flush();
    EXPECT_EQ(run({"--list", path, "wildcard", "*"}), 0);
    EXPECT_EQ(m_out.str(), "");
}

TEST_F(FindCommand, ResultsThatCannotBeWrittenAreAnError)
{
    std::ostringstream closed;
    closed.setstate(std::ios::badbit);
    EXPECT_EQ(runFindCommand({"--list", m_list, "wildcard", "*"}, portableLocations(m_folder.string() + "/", "verbalia-find"), closed, m_err), 74);
    EXPECT_EQ(m_err.str(), "verbalia-find: cannot write the results\n");
    m_err.str({});
    EXPECT_EQ(runFindCommand({"--list", m_list, "harvest", m_list}, portableLocations(m_folder.string() + "/", "verbalia-find"), closed, m_err), 74);
    EXPECT_EQ(m_err.str(), "verbalia-find: cannot write the word list\n");
}

TEST_F(FindCommand, HarvestWritesTheListWithTheNewWords)
{
    const std::string list = (m_folder / "sorted.txt").string();
    const std::string text = (m_folder / "text.txt").string();
    std::ofstream(list, std::ios::binary) << "acrid\r\nmouse";
    std::ofstream(text, std::ios::binary) << "Zebra, ACRID bee\tzebra 42 x4\r- ant" << std::string(1, '\0') << "gnu";

    EXPECT_EQ(run({"--list", list, "harvest", text}), 0);
    EXPECT_EQ(m_out.str(), "acrid\r\nant\r\nbee\r\nmouse\r\nx\r\nzebra\r\n");
    EXPECT_EQ(m_err.str(), "4 words were added to the List of Known Words.\n");

    EXPECT_EQ(run({"--list", list, "harvest", "--allow-numbers", "--allow-symbols", text}), 0);
    EXPECT_NE(m_out.str().find("\r\nx4\r\n"), std::string::npos);
    EXPECT_EQ(m_err.str(), "7 words were added to the List of Known Words.\n");

    // UTF-8 files are read as the program's text; the list is written back in
    // UTF-8, with its own line ends.
    std::ofstream(list, std::ios::binary | std::ios::trunc) << "caf\xC3\xA9\n";
    std::ofstream(text, std::ios::binary | std::ios::trunc) << "Zo\xC3\xAB Caf\xC3\xA9";
    EXPECT_EQ(run({"--list", list, "harvest", "--allow-symbols", text}), 0);
    EXPECT_EQ(m_out.str(), "caf\xC3\xA9\nzo\xC3\xAB\n");

    const std::string missing = (m_folder / "none.txt").string();
    EXPECT_EQ(run({"--list", list, "harvest", missing}), 66);
    EXPECT_EQ(m_err.str(), "Cannot open file " + missing + "\n");
    EXPECT_EQ(m_out.str(), "");
}

TEST_F(FindCommand, OutputIntoTheListOrTheTextIsRefusedUntouched)
{
    const std::string text = (m_folder / "text.txt").string();
    const std::string emptied = (m_folder / "cut.txt").string(); // as "> cut.txt" leaves it
    std::ofstream(text, std::ios::binary) << "zebra";
    std::ofstream(emptied, std::ios::binary);
    struct Case {
        std::vector<std::string> args;
        std::string output;  // the file standard output writes to
        std::string message; // the start of the refusal, or empty when none
        bool emptiedByTheShell;
    };
    const std::vector<Case> cases = {
        {{"--list", m_list, "wildcard", "*"}, m_list, m_list + ": the word list is also standard output", false},
        {{"--list", emptied, "harvest", text}, emptied, emptied + ": the word list is also standard output", true},
        {{"--list", m_list, "harvest", text}, text, text + ": the text file is also standard output", false},
        {{"--list", m_list, "wildcard", "z*"}, text, "", false},
    };
    for (const Case& c : cases) {
        const auto before = fs::last_write_time(c.output);
        const std::uintmax_t size = fs::file_size(c.output);
        m_err.str({});
        const int status = runFindCommand(c.args, portableLocations(m_folder.string() + "/", "verbalia-find"), m_out, m_err, identifyFile(c.output));
        EXPECT_EQ(status, c.message.empty() ? 0 : 64) << c.output;
        EXPECT_EQ(m_err.str().starts_with("verbalia-find: " + c.message), !c.message.empty()) << m_err.str();
        EXPECT_EQ(m_err.str().find("emptied") != std::string::npos, c.emptiedByTheShell) << m_err.str();
        EXPECT_EQ(fs::file_size(c.output), size);
        EXPECT_EQ(fs::last_write_time(c.output), before);
    }
}

TEST_F(FindCommand, ListFromAPipe)
{
    const std::string fifo = (m_folder / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << "acrid\nadmit\r\nabcde"; });
    EXPECT_EQ(run({"--list", fifo, "wildcard", "a????"}), 0);
    writer.join();
    EXPECT_EQ(m_out.str(), "acrid\nadmit\nabcde\n");
}

TEST_F(FindCommand, ReadingStopsAtTheFirstNul)
{
    // 8 GB of NUL bytes (a sparse file) and a word after them: an empty list,
    // found without reading on.
    const std::string path = (m_folder / "sparse.dat").string();
    std::ofstream(path, std::ios::binary).flush();
    ASSERT_EQ(::truncate(path.c_str(), 8LL << 30), 0);
    std::ofstream(path, std::ios::binary | std::ios::app) << "\nzebra\n";
    EXPECT_EQ(run({"--list", path, "wildcard", "*"}), 0);
    EXPECT_EQ(m_out.str(), "");
}

// Results written here change the word list file, as another program might
// while the list is read.
class ChangingOutput : public std::stringbuf {
public:
    ChangingOutput(std::string path, bool shorten) : m_path(std::move(path)), m_shorten(shorten) {}

protected:
    std::streamsize xsputn(const char* bytes, std::streamsize count) override
    {
        if (!m_changed) {
            if (m_shorten) EXPECT_EQ(::truncate(m_path.c_str(), 10), 0);
            else std::ofstream(m_path, std::ios::binary | std::ios::app) << "more\n";
            m_changed = true;
        }
        return std::stringbuf::xsputn(bytes, count);
    }

private:
    std::string m_path;
    bool m_shorten;
    bool m_changed = false;
};

TEST_F(FindCommand, ListChangedWhileReadIsAnError)
{
    std::string list;
    for (int i = 0; i < 200000; ++i) list += "w" + std::to_string(i) + "\r\n";
    for (const bool shorten : {true, false}) {
        const std::string path = (m_folder / "changing.txt").string();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << list;
        ChangingOutput changing(path, shorten);
        std::ostream out(&changing);
        m_err.str({});
        EXPECT_EQ(runFindCommand({"--list", path, "wildcard", "w*"}, portableLocations(m_folder.string() + "/", "verbalia-find"), out, m_err), 66);
        EXPECT_EQ(m_err.str(), "The file " + path + " changed while it was read.\n");
    }
}

// A UTF-8 list is searched as Windows-1252 with the arguments taken as UTF-8
// and the results written in UTF-8; any other list byte for byte.
TEST_F(FindCommand, ListEncodings)
{
    const std::string utf8 = (m_folder / "utf8.txt").string();
    const std::string cp1252 = (m_folder / "cp1252.txt").string();
    const std::string fifo = (m_folder / "fifo").string();
    const std::string utf8Text = "\xEF\xBB\xBF" "Ardache\nArd\xC3\xA8" "che\ncaf\xC3\xA9\n";
    std::ofstream(utf8, std::ios::binary) << utf8Text;
    std::ofstream(cp1252, std::ios::binary) << "Ardache\nArd\xE8" "che\ncaf\xE9\n";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string list;
        std::vector<std::string> args;
        int code;
        std::string out;
    };
    const Case cases[] = {
        {utf8, {"wildcard", "?rd?che"}, 0, "Ardache\nArd\xC3\xA8" "che\n"},
        {fifo, {"wildcard", "?rd?che"}, 0, "Ardache\nArd\xC3\xA8" "che\n"},
        {utf8, {"wildcard", "?rd\xC3\xA8" "che"}, 0, "Ard\xC3\xA8" "che\n"},
        {utf8, {"wildcard", "?rd\xE8" "che"}, 0, "Ard\xC3\xA8" "che\n"}, // not UTF-8: its bytes
        {utf8, {"wildcard", "?rd\xC5\x82" "che"}, 0, ""},                  // outside Windows-1252
        {utf8, {"--exclude", "\xC5\x82", "wildcard", "caf?"}, 2, ""},
        {utf8, {"letters", "--mode", "only", "\xC5\x81" "a"}, 2, ""},
        {cp1252, {"wildcard", "?rd?che"}, 0, "Ardache\nArd\xE8" "che\n"},
        {cp1252, {"wildcard", "?rd\xC3\xA8" "che"}, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list + " " + c.args.back());
        std::thread writer;
        if (c.list == fifo) writer = std::thread([&] { std::ofstream(fifo, std::ios::binary) << utf8Text; });
        std::vector<std::string> args{"--list", c.list};
        args.insert(args.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(run(args), c.code);
        if (writer.joinable()) writer.join();
        EXPECT_EQ(m_out.str(), c.out);
    }
}

TEST_F(FindCommand, HarvestOfAUtf8Text)
{
    const std::string utf8 = (m_folder / "utf8.txt").string();
    const std::string text = (m_folder / "text.txt").string();
    std::ofstream(utf8, std::ios::binary) << "\xEF\xBB\xBF" "ant\r\nz\xC3\xA8" "bre\r\n";
    std::ofstream(text, std::ios::binary) << "un caf\xC3\xA9 \xC5\x82" "ad\n";

    EXPECT_EQ(run({"--list", utf8, "harvest", "--allow-symbols", text}), 0);
    EXPECT_EQ(m_out.str(), "\xEF\xBB\xBF\x7F" "ad\r\nant\r\ncaf\xC3\xA9\r\nun\r\nz\xC3\xA8" "bre\r\n");
}

// The encoding is learnt in the one read: a list that is UTF-8 for more than
// a block and then not is listed byte for byte all the same, from a file or a
// pipe, and a long UTF-8 list is written back in UTF-8 to its end.
TEST_F(FindCommand, EncodingLearntLateInTheRead)
{
    std::string ascii;
    for (int i = 0; i < 40000; ++i) ascii += "w" + std::to_string(i) + "\n";
    const std::string lateBytes = "caf\xC3\xA9\n" + ascii + "na\xEFve\n";
    const std::string utf8 = "caf\xC3\xA9\n" + ascii + "na\xC3\xAFve\n";
    const std::string path = (m_folder / "late.txt").string();
    const std::string fifo = (m_folder / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& list : {path, fifo}) {
        std::thread writer;
        if (list == fifo) writer = std::thread([&] { std::ofstream(fifo, std::ios::binary) << lateBytes; });
        else std::ofstream(path, std::ios::binary | std::ios::trunc) << lateBytes;
        EXPECT_EQ(run({"--list", list, "wildcard", "*"}), 0);
        if (writer.joinable()) writer.join();
        EXPECT_EQ(m_out.str(), lateBytes) << list;
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << utf8;
    const std::string empty = (m_folder / "empty.txt").string();
    std::ofstream(empty, std::ios::binary).flush();
    EXPECT_EQ(run({"--list", path, "harvest", empty}), 0);
    EXPECT_NE(m_out.str().find("\nna\xC3\xAFve"), std::string::npos);
}

TEST_F(FindCommand, HelpAndVersionGoToStandardOutput)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--help"}, "Usage: verbalia-find [OPTIONS]"},
        {{"-h"}, "Usage: verbalia-find [OPTIONS]"},
        {{"--list", "none", "--help"}, "Usage: verbalia-find [OPTIONS]"},
        {{"wildcard", "--help"}, "Usage: verbalia-find wildcard"},
        {{"harvest", "-h"}, "Usage: verbalia-find harvest"},
        {{"--version"}, "verbalia-find (Verbalia) 1.4f\n"},
        {{"wildcard", "-V"}, "verbalia-find (Verbalia) 1.4f\n"},
    };
    for (const auto& [args, shown] : cases) {
        EXPECT_EQ(run(args), 0);
        EXPECT_NE(m_out.str().find(shown), std::string::npos) << m_out.str();
        EXPECT_EQ(m_err.str(), "");
    }
}

TEST_F(FindCommand, SortWritesTheListInTheProgramsOrderAndEncoding)
{
    EXPECT_EQ(run({"--list", m_list, "sort"}), 0);
    EXPECT_EQ(m_out.str(), "\r\nAcrid\r\nacrid\r\nadmit\r\nbread\r\nMice\r\nmouse\r\nMUSE\r\npots\r\nspot\r\nstop\r\nx-ray\r\n");

    const std::string cp1252 = (m_folder / "cp1252.txt").string();
    const std::string utf8 = (m_folder / "utf8.txt").string();
    std::ofstream(cp1252, std::ios::binary) << "zoo\nxylophone\ncoop\nardent\nArd\xE8" "che\nco-op\nx-ray\n";
    std::ofstream(utf8, std::ios::binary) << "\xEF\xBB\xBF" "ardent\nArd\xC3\xA8" "che\n";
    EXPECT_EQ(run({"--list", cp1252, "sort"}), 0);
    EXPECT_EQ(m_out.str(), "Ard\xE8" "che\nardent\nco-op\ncoop\nx-ray\nxylophone\nzoo\n"); // its own line ends
    EXPECT_EQ(run({"--list", utf8, "sort"}), 0);
    EXPECT_EQ(m_out.str(), "\xEF\xBB\xBF" "Ard\xC3\xA8" "che\nardent\n");
}

TEST_F(FindCommand, RemoveWritesTheListWithoutTheWords)
{
    const std::string list = (m_folder / "list.txt").string();
    struct Case {
        std::string list;
        std::vector<std::string> words;
        int code;
        std::string out, err;
    };
    const std::string removedOne = "1 word was removed from the List of Known Words.\n";
    const Case cases[] = {
        {"acrid\r\nAcrid\r\nadmit", {"acrid", "admit"}, 0, "Acrid\r\n", "2 words were removed from the List of Known Words.\n"},
        {"acrid\nAcrid\n", {"ACRID", "acrid", "zebra", "zebra"}, 1, "Acrid\n",
         "verbalia-find: the list holds no word ACRID\nverbalia-find: the list holds no word zebra\n" + removedOne},
        // A UTF-8 list takes the words as UTF-8; one it cannot hold is in no entry.
        {"\xEF\xBB\xBF" "caf\xC3\xA9\r\nna\xC3\xAFve\r\n", {"caf\xC3\xA9", "\xC5\x82"}, 1, "\xEF\xBB\xBF" "na\xC3\xAFve\r\n",
         "verbalia-find: the list holds no word \xC5\x82\n" + removedOne},
        {"caf\xE9\nna\xEFve\n", {"caf\xC3\xA9", "na\xEFve"}, 1, "caf\xE9\n",
         "verbalia-find: the list holds no word caf\xC3\xA9\n" + removedOne},
    };
    for (const Case& c : cases) {
        std::ofstream(list, std::ios::binary | std::ios::trunc) << c.list;
        std::vector<std::string> args{"--list", list, "remove"};
        args.insert(args.end(), c.words.begin(), c.words.end());
        EXPECT_EQ(run(args), c.code) << c.list;
        EXPECT_EQ(m_out.str(), c.out);
        EXPECT_EQ(m_err.str(), c.err);
    }
}

// tests/lexicon/levels.txt gives the words of words.txt (in list order) these
// sizes: auntie 55, bustee 80, buttle 80, cuttoe none, guttae 80, hurtle 35,
// purée 50, subtle 10, turtle 35, zzyzx none.
TEST_F(FindCommand, OrderAndCommonness)
{
    const std::string folder = VERBALIA_SOURCE_DIR "/tests/lexicon/";
    const std::string cased = (m_folder / "cased.txt").string();
    std::ofstream(cased, std::ios::binary) << "Turtle\nturtle\nTURTLE\n";
    const std::string missing = (m_folder / "none.txt").string();
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string out, err;
    };
    const std::string all = "auntie\nbustee\nbuttle\ncuttoe\nguttae\nhurtle\nsubtle\nturtle\n";
    const Case cases[] = {
        {{"wildcard", "?u?t?e"}, 0, all, ""},
        {{"--order", "list", "wildcard", "?u?t?e"}, 0, all, ""},
        {{"--levels", missing, "wildcard", "?u?t?e"}, 0, all, ""}, // never opened
        // Ties keep list order; words without a level come last.
        {{"--order", "common", "wildcard", "*"}, 0,
         "subtle\nhurtle\nturtle\npur\xC3\xA9" "e\nauntie\nbustee\nbuttle\nguttae\ncuttoe\nzzyzx\n", ""},
        {{"--common", "10", "wildcard", "*"}, 0, "subtle\n", ""},
        {{"--common", "50", "wildcard", "*"}, 0, "hurtle\npur\xC3\xA9" "e\nsubtle\nturtle\n", ""},
        {{"--common", "80", "--order", "common", "--exclude", "b", "letters", "--mode", "contains", "tu"}, 0,
         "hurtle\nturtle\nauntie\nguttae\n", ""},
        // Sound-alikes are listed lower-cased, but each has its own word's level.
        {{"--list", cased, "--common", "35", "sounds", "TURTLE"}, 0, "turtle\n", ""},
        {{"--levels", missing, "--order", "common", "wildcard", "*"}, 66, "",
         "The word levels file " + missing + " was not found.\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args; // words.txt and levels.txt unless others are named
        for (const auto& [option, file] : {std::pair{"--list", "words.txt"}, {"--levels", "levels.txt"}})
            if (std::find(args.begin(), args.end(), option) == args.end()) args.insert(args.begin(), {option, folder + file});
        EXPECT_EQ(run(args), c.code) << testing::PrintToString(c.args);
        EXPECT_EQ(m_out.str(), c.out) << testing::PrintToString(c.args);
        EXPECT_EQ(m_err.str(), c.err);
    }
    // By default the levels are those beside the program.
    EXPECT_EQ(run({"--list", folder + "words.txt", "--common", "10", "wildcard", "*"}), 66);
    fs::copy_file(folder + "levels.txt", m_folder / "program" / "wordlist-levels.txt");
    EXPECT_EQ(run({"--list", folder + "words.txt", "--common", "10", "wildcard", "*"}), 0);
    EXPECT_EQ(m_out.str(), "subtle\n");
}

TEST_F(FindCommand, SolveListsTheAnswerCommonestFirst)
{
    const std::string folder = VERBALIA_SOURCE_DIR "/tests/lexicon/";
    const std::string words = folder + "words.txt", levels = folder + "levels.txt";
    const std::string clues = (m_folder / "clues.txt").string();
    std::ofstream(clues) << "crossword\nteaser\ncat\nxray\n";
    fs::create_directory_symlink(folder + "wordnet", m_folder / "program" / "wordnet");
    const std::string fits = "auntie\nbustee\nbuttle\ncuttoe\nguttae\nhurtle\nsubtle\nturtle\n";
    const struct {
        std::vector<std::string> args;
        int code;
        std::string out, err;
    } cases[] = {
        {{"--list", words, "--levels", levels, "solve", "?u?t?e"}, 0,
         "subtle\nhurtle\nturtle\nauntie\nbustee\nbuttle\nguttae\ncuttoe\n", ""},
        {{"--list", words, "--levels", levels, "--order", "list", "solve", "?u?t?e"}, 0, fits, ""},
        {{"--list", words, "solve", "?u?t?e"}, 0, fits, ""}, // no levels beside the program: list order
        {{"--list", words, "--levels", levels, "solve", "--anagram", "?uttle"}, 0, "turtle\nbuttle\n", ""},
        {{"--list", words, "--levels", levels, "--common", "50", "solve", "--made-from", "PUR\xC3\x89" "ESTHBL"}, 0,
         "subtle\nhurtle\npur\xC3\xA9" "e\n", ""},
        {{"--list", words, "solve", "ab["}, 2, "", "Not understood: '[' at 3 has no closing ']'.\n"},
        {{"--list", words, "--order", "common", "solve", "*"}, 66, "",
         "The word levels file " + (m_folder / "program" / "wordlist-levels.txt").string() + " was not found.\n"},
        {{"--list", clues, "solve", "--phrases", "(5,2,4)"}, 0, "piece of cake\n", ""},
        {{"--list", clues, "solve", "--phrases", "(1-3)"}, 0, "x-ray\n", ""},
        {{"--list", clues, "solve", "--phrases", "5,2"}, 0, "", ""},
        {{"--list", clues, "solve", "--meaning", "puzzle", "?r?s?w?r?"}, 0, "crossword\n", ""},
        {{"--list", clues, "solve", "--meaning", "puzzle", ""}, 0, "teaser\ncrossword\n", ""},
        {{"--list", clues, "solve", "--phrases", "--meaning", "puzzle", ""}, 0,
         "teaser\ncrossword\ncrossword puzzle\njigsaw puzzle\n", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.args), c.code) << testing::PrintToString(c.args);
        EXPECT_EQ(m_out.str(), c.out) << testing::PrintToString(c.args);
        EXPECT_EQ(m_err.str(), c.err) << testing::PrintToString(c.args);
    }
}
