#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace verbalia {
namespace {

namespace fs = std::filesystem;

class DiskFileSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "verbalia-fs-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern + "/";
    }
    void TearDown() override { fs::remove_all(folder); }

    std::vector<std::string> folderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string folder;
    DiskFileSystem disk;
};

TEST_F(DiskFileSystemTest, WriteReadAndReplace)
{
    const std::string path = folder + "wordlist.dat";
    EXPECT_FALSE(disk.exists(path));
    EXPECT_EQ(disk.readAll(path), std::nullopt);

    const std::string bytes("a\r\n\0b\xFF\r\n", 8);
    ASSERT_TRUE(disk.writeAll(path, bytes));
    EXPECT_TRUE(disk.exists(path));
    EXPECT_EQ(disk.readAll(path), bytes);

    ASSERT_TRUE(disk.writeAll(path, "short"));
    EXPECT_EQ(disk.readAll(path), "short"); // nothing of the longer old content is left

    ASSERT_TRUE(disk.writeAll(path, ""));
    EXPECT_EQ(disk.readAll(path), "");
    EXPECT_EQ(fs::file_size(path), 0u);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"wordlist.dat"}); // no temporary files left

    const std::string large(3 * 1024 * 1024 + 17, 'x');
    ASSERT_TRUE(disk.writeAll(path, large));
    EXPECT_EQ(disk.readAll(path), large);
}

TEST_F(DiskFileSystemTest, FailedWritesLeaveNothingBehind)
{
    EXPECT_FALSE(disk.writeAll(folder + "missing/wordlist.dat", "words"));
    EXPECT_FALSE(fs::exists(folder + "missing"));

    fs::create_directory(folder + "wordlist.dat");
    EXPECT_FALSE(disk.writeAll(folder + "wordlist.dat", "words"));
    EXPECT_TRUE(fs::is_directory(folder + "wordlist.dat"));
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"wordlist.dat"});
}

TEST_F(DiskFileSystemTest, DirectoriesAreNotFiles)
{
    fs::create_directory(folder + "sub");
    EXPECT_FALSE(disk.exists(folder + "sub"));
    EXPECT_EQ(disk.readAll(folder + "sub"), std::nullopt);
    EXPECT_FALSE(disk.remove(folder + "sub"));
    EXPECT_TRUE(fs::is_directory(folder + "sub"));
}

TEST_F(DiskFileSystemTest, Remove)
{
    const std::string path = folder + "verbalia.ini";
    EXPECT_TRUE(disk.remove(path)); // nothing there: nothing left
    ASSERT_TRUE(disk.writeAll(path, "[verbalia]\r\n"));
    EXPECT_TRUE(disk.remove(path));
    EXPECT_FALSE(disk.exists(path));
}

struct stat statusOf(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status;
}

TEST_F(DiskFileSystemTest, ReplacesAFileAsAnEditorDoes)
{
    // The old file's permissions and owner are kept.
    const std::string path = folder + "wordlist.dat";
    ASSERT_TRUE(disk.writeAll(path, "old"));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    ASSERT_TRUE(disk.writeAll(path, "new"));
    EXPECT_EQ(statusOf(path).st_mode & 07777, 0640u);
    if (root) EXPECT_EQ(statusOf(path).st_uid, 65534u);

    // A file its owner may not write is read-only, for root too.
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(disk.writeAll(path, "newer"));
    EXPECT_EQ(disk.readAll(path), "new");

    // A symbolic link is followed: the target is replaced, the link stays.
    fs::create_directory(folder + "lists");
    ASSERT_TRUE(disk.writeAll(folder + "lists/words.txt", "target"));
    fs::create_symlink("lists/words.txt", folder + "verbalia.wcs");
    ASSERT_TRUE(disk.writeAll(folder + "verbalia.wcs", "through the link"));
    EXPECT_TRUE(fs::is_symlink(folder + "verbalia.wcs"));
    EXPECT_EQ(disk.readAll(folder + "lists/words.txt"), "through the link");
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"lists", "verbalia.wcs", "wordlist.dat"}));
}

// Writes as an ordinary user, for whom a folder's permissions count (they do
// not for root).
bool writeAsOrdinaryUser(const std::string& path, std::string_view bytes)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        ::_exit(DiskFileSystem().writeAll(path, bytes) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(DiskFileSystemTest, ReadOnlyFolderRewritesWritableFilesInPlace)
{
    const std::string path = folder + "verbalia.ini";
    ASSERT_TRUE(disk.writeAll(path, "[verbalia]\r\nPageControl1=2\r\n"));
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    EXPECT_TRUE(writeAsOrdinaryUser(path, "[verbalia]\r\n"));
    EXPECT_FALSE(writeAsOrdinaryUser(folder + "verbalia.wcs", "new file"));
    ASSERT_EQ(::chmod(folder.c_str(), 0700), 0);
    EXPECT_EQ(disk.readAll(path), "[verbalia]\r\n");
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"verbalia.ini"});
}

TEST_F(DiskFileSystemTest, LeftoverTemporaryFilesAreRemoved)
{
    const std::vector<std::string> kept = {".verbalia-tmp.abcdef", "held.verbalia-tmp.Held01", "notes.verbalia-tmp.ab1",
                                           "wordlist.dat", "wordlist.dat.backup"};
    for (const std::string& name : kept) ASSERT_TRUE(disk.writeAll(folder + name, name));
    for (const char* name : {"wordlist.dat.verbalia-tmp.a1B2c3", "verbalia.ini.verbalia-tmp.XyZ789"})
        ASSERT_TRUE(disk.writeAll(folder + name, "left behind"));
    // A write still under way holds its file.
    const int held = ::open((folder + "held.verbalia-tmp.Held01").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    disk.removeLeftovers(folder);
    ::close(held);
    EXPECT_EQ(folderEntries(), kept);
}

} // namespace
} // namespace verbalia
