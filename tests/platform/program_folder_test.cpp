#include "platform/ProgramFolder.h"

#include "fakes/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace verbalia {
namespace {

TEST(ProgramFolder, IsTheFolderOfThisExecutable)
{
    const std::string folder = programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(executablePath(), folder + "platform_tests");
    EXPECT_EQ(executableName(), "platform_tests");
}

TEST(ProgramFolder, SystemInstallKeepsTheUsersFilesInXdgFolders)
{
    struct Case {
        XdgVariables variables;
        const char* data; // the three folders' part after its base folder's start, or nothing
        const char* config;
        const char* state;
    };
    const Case cases[] = {
        {{"/home/u", nullptr, nullptr, nullptr}, "/home/u/.local/share/", "/home/u/.config/", "/home/u/.local/state/"},
        {{"/home/u/", "/d//", "/c", "/s"}, "/d/", "/c/", "/s/"},
        // A relative value counts as unset, as the base folders' rules say.
        {{"/home/u", "d", "", "./s"}, "/home/u/.local/share/", "/home/u/.config/", "/home/u/.local/state/"},
        {{nullptr, "/d", "/c", "/s"}, "/d/", "/c/", "/s/"},
        {{nullptr, "/d", nullptr, "/s"}, nullptr, nullptr, nullptr},
        {{"home", nullptr, nullptr, nullptr}, nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<FileLocations> where = systemLocations(c.variables, "/usr");
        ASSERT_EQ(where.has_value(), c.data != nullptr) << (c.variables.home ? c.variables.home : "no home");
        if (!where) continue;
        EXPECT_EQ(where->wordList(), std::string(c.data) + "verbalia/wordlist.dat");
        EXPECT_EQ(where->configFolder, std::string(c.config) + "verbalia/");
        EXPECT_EQ(where->stateFolder, std::string(c.state) + "verbalia/");
        EXPECT_EQ(where->executable, "/usr/bin/verbalia");
        EXPECT_EQ(where->sharedFolder, "/usr/share/verbalia/");
        EXPECT_EQ(where->definitionFolders, std::vector<std::string>{"/usr/share/wordnet/"});
    }
    // The portable release keeps everything beside the program.
    const FileLocations portable = portableLocations("/opt/v/", "verbalia");
    for (const std::string& folder : {portable.dataFolder, portable.configFolder, portable.stateFolder, portable.sharedFolder})
        EXPECT_EQ(folder, "/opt/v/");
    EXPECT_EQ(portable.executable, "/opt/v/verbalia");
    EXPECT_EQ(portable.definitionFolders, (std::vector<std::string>{"/opt/v/wordnet/", "/usr/share/wordnet/"}));
}

// The release's list is copied at the first start only: whatever the user has
// in its place, even a broken link, stays.
TEST(ProgramFolder, FirstStartCopiesTheWordListOnce)
{
    TemporaryFolder root;
    FileLocations where = *systemLocations({nullptr, (root.path() + "data").c_str(), "/c", "/s"}, root.path() + "usr");
    std::filesystem::create_directories(where.sharedFolder);
    const auto write = [](const std::string& path, const char* text) { std::ofstream(path) << text; };
    const auto read = [](const std::string& path) {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };

    EXPECT_NE(provideWordList(where), std::nullopt); // nothing to copy
    write(where.sharedFolder + "wordlist.dat", "release\n");
    EXPECT_EQ(provideWordList(where), std::nullopt);
    EXPECT_EQ(read(where.wordList()), "release\n");

    write(where.wordList(), "mine\n");
    write(where.sharedFolder + "wordlist.dat", "newer release\n");
    EXPECT_EQ(provideWordList(where), std::nullopt);
    EXPECT_EQ(read(where.wordList()), "mine\n");
    std::filesystem::remove(where.wordList());
    std::filesystem::create_symlink(root.path() + "elsewhere", where.wordList());
    EXPECT_EQ(provideWordList(where), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_symlink(where.wordList()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(where.dataFolder), {}), 1); // no copy left behind

    where.system = false; // the portable release copies nothing
    std::filesystem::remove(where.wordList());
    EXPECT_EQ(provideWordList(where), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(where.wordList()));
}

// Another process takes the folder's lock and its list's, then either waits
// or becomes a program it starts; returns its id once the locks are taken.
pid_t lockInAnotherProcess(const std::string& folder, bool startAProgram)
{
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        if (lockProgramFolder(folder, folder + "wordlist.dat") != WindowLock::taken) ::_exit(1);
        ::write(ready[1], "!", 1);
        if (startAProgram) ::execlp("sleep", "sleep", "30", nullptr);
        ::pause();
        ::_exit(0);
    }
    char taken;
    ::close(ready[1]);
    const bool locked = ::read(ready[0], &taken, 1) == 1;
    ::close(ready[0]);
    return locked ? child : -1;
}

void end(pid_t child)
{
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

TEST(ProgramFolder, OneProcessAtATimeHoldsTheFolder)
{
    const std::string base =
        (std::filesystem::temp_directory_path() / ("verbalia-lock-" + std::to_string(::getpid()))).string();
    for (const char* folder : {"/crash", "/started", "/linked", "/lists"})
        std::filesystem::create_directories(base + folder);
    ::setenv("XDG_STATE_HOME", (base + "/state").c_str(), 1);
    // This process holds what it locks until it ends: each lock names a list of its own.
    const auto lock = [&](const std::string& folder, const std::string& list) {
        return lockProgramFolder(base + folder, base + list);
    };

    // Held while its process lives; a crash frees it.
    const pid_t holder = lockInAnotherProcess(base + "/crash/", false);
    ASSERT_GT(holder, 0);
    EXPECT_EQ(lock("/crash/", "/crash/other.dat"), WindowLock::folderHeld);
    // Another folder whose list leads to the same file: a link, or a path through one.
    std::filesystem::create_symlink(base + "/crash/wordlist.dat", base + "/linked/wordlist.dat");
    std::filesystem::create_directory_symlink(base + "/crash", base + "/lists/crash");
    EXPECT_EQ(lock("/linked/", "/linked/wordlist.dat"), WindowLock::listHeld);
    EXPECT_EQ(lock("/lists/", "/lists/crash/wordlist.dat"), WindowLock::listHeld);
    end(holder);
    EXPECT_EQ(lock("/crash/", "/crash/wordlist.dat"), WindowLock::taken);

    // A program that the process becomes (or starts) does not inherit it.
    const pid_t starter = lockInAnotherProcess(base + "/started/", true);
    ASSERT_GT(starter, 0);
    bool freed = false;
    for (int tries = 0; tries < 100 && !freed; ++tries) {
        freed = lockProgramFolder(base + "/started/", base + "/started/own.dat") == WindowLock::taken;
        if (!freed) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(freed);
    end(starter);
    ::unsetenv("XDG_STATE_HOME");
    std::filesystem::remove_all(base);
}

} // namespace
} // namespace verbalia
