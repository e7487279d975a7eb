#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <csignal>
#include <filesystem>
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
