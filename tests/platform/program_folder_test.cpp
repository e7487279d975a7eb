#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>

#include <chrono>
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

// Another process takes the folder's lock, then either waits or becomes a
// program it starts; returns its id once the lock is taken.
pid_t lockInAnotherProcess(const std::string& folder, bool startAProgram)
{
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        if (!lockProgramFolder(folder)) ::_exit(1);
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
    std::filesystem::create_directories(base + "/crash");
    std::filesystem::create_directories(base + "/started");

    // Held while its process lives; a crash frees it.
    const pid_t holder = lockInAnotherProcess(base + "/crash/", false);
    ASSERT_GT(holder, 0);
    EXPECT_FALSE(lockProgramFolder(base + "/crash/"));
    end(holder);
    EXPECT_TRUE(lockProgramFolder(base + "/crash/"));

    // A program that the process becomes (or starts) does not inherit it.
    const pid_t starter = lockInAnotherProcess(base + "/started/", true);
    ASSERT_GT(starter, 0);
    bool freed = false;
    for (int tries = 0; tries < 100 && !freed; ++tries) {
        freed = lockProgramFolder(base + "/started/");
        if (!freed) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(freed);
    end(starter);
    std::filesystem::remove_all(base);
}

} // namespace
} // namespace verbalia
