#include "fakes/TemporaryFolder.h"
#include "platform/FileAttributes.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace verbalia {
namespace {

class DiskFileAttributesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ofstream(file()) << "x";
        ::chmod(file().c_str(), 0664);
    }

    std::string file() const { return folder + "verbalia.ini"; }
    mode_t mode() const
    {
        struct stat status;
        ::stat(file().c_str(), &status);
        return status.st_mode & 07777;
    }

    TemporaryFolder temporary;
    const std::string folder = temporary.path();
    DiskFileAttributes attributes;
};

TEST_F(DiskFileAttributesTest, ReadOnlyIsTheOwnersWritePermission)
{
    attributes.setAttributes(file(), readOnlyAttribute | archiveAttribute);
    EXPECT_EQ(mode(), 0464u);
    EXPECT_EQ(attributes.attributes(file()), unsigned(readOnlyAttribute)); // archive has no counterpart
    attributes.setAttributes(file(), hiddenAttribute);
    EXPECT_EQ(mode(), 0664u);
    EXPECT_EQ(attributes.attributes(file()), 0u);
    EXPECT_EQ(attributes.attributes(folder + "missing"), std::nullopt);
}

TEST_F(DiskFileAttributesTest, ProbeSeesALockHeldByAnotherProcess)
{
    EXPECT_EQ(attributes.probeExclusiveOpen(file()), ExclusiveOpen::Opened);
    EXPECT_EQ(attributes.probeExclusiveOpen(folder + "missing"), ExclusiveOpen::NotFound);
    EXPECT_EQ(attributes.probeExclusiveOpen(folder + "missing/file"), ExclusiveOpen::NotFound);
    EXPECT_EQ(attributes.probeExclusiveOpen(folder), ExclusiveOpen::Failed);

    for (const bool recordLock : {false, true}) { // flock, then a POSIX record lock
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const int fd = ::open(file().c_str(), O_RDWR);
            struct flock wholeFile {};
            wholeFile.l_type = F_WRLCK;
            const bool locked = recordLock ? ::fcntl(fd, F_SETLK, &wholeFile) == 0 : ::flock(fd, LOCK_EX) == 0;
            if (!locked || ::write(ready[1], "L", 1) != 1) ::_exit(1);
            ::pause();
            ::_exit(0);
        }
        char signal = 0;
        ASSERT_EQ(::read(ready[0], &signal, 1), 1);
        EXPECT_EQ(attributes.probeExclusiveOpen(file()), ExclusiveOpen::HeldElsewhere) << recordLock;
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ::close(ready[0]);
        ::close(ready[1]);
        EXPECT_EQ(attributes.probeExclusiveOpen(file()), ExclusiveOpen::Opened) << recordLock;
    }
}

} // namespace
} // namespace verbalia
