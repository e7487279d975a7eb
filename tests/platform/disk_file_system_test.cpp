#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
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
        // Copies of rewrites in place go here, where an ordinary user may write.
        std::string state = (fs::temp_directory_path() / "verbalia-state-XXXXXX").string();
        ASSERT_NE(::mkdtemp(state.data()), nullptr);
        fs::permissions(state, fs::perms::all);
        ::setenv("XDG_STATE_HOME", state.c_str(), 1);
        stateFolder = state + "/";
    }
    void TearDown() override
    {
        ::unsetenv("XDG_STATE_HOME");
        ::chmod(folder.c_str(), 0700);
        fs::remove_all(folder);
        fs::remove_all(stateFolder);
    }

    // What the copy folder holds.
    std::vector<std::string> copies() const
    {
        std::vector<std::string> names;
        if (!fs::exists(stateFolder + "verbalia")) return names;
        for (const auto& entry : fs::directory_iterator(stateFolder + "verbalia"))
            names.push_back(entry.path().filename().string());
        return names;
    }

    std::vector<std::string> folderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string folder;
    std::string stateFolder;
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

// Runs the step in a process of an ordinary user, for whom a folder's
// permissions count (they do not for root), with files limited to the size
// given; true when the step returned true, nothing when the process died.
std::optional<bool> asOrdinaryUser(const std::function<bool()>& step, rlim_t fileSizeLimit = RLIM_INFINITY)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(step() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status)) return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

bool writeAsOrdinaryUser(const std::string& path, std::string_view bytes)
{
    return asOrdinaryUser([&] { return DiskFileSystem().writeAll(path, bytes); }) == true;
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
    EXPECT_EQ(copies(), std::vector<std::string>{}); // the copy goes once the rewrite is on disk
}

// A rewrite in place that cannot finish: a full disk (the size limit, met
// after the copy is kept) fails the save with the file whole; a crash at the
// same point (the limit's signal) is mended at the next start.
TEST_F(DiskFileSystemTest, RewriteInPlaceNeverLeavesAMixedFile)
{
    const std::string path = folder + "wordlist.dat";
    const std::string old(3000, 'o'), longer(8000, 'n');
    struct Case {
        bool crash;
        std::optional<bool> saved; // nothing: the writing process died
    };
    for (const Case& c : {Case{false, false}, Case{true, std::nullopt}}) {
        ::chmod(folder.c_str(), 0700);
        ASSERT_TRUE(disk.writeAll(path, old));
        ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
        ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
        const auto save = [&] {
            ::signal(SIGXFSZ, c.crash ? SIG_DFL : SIG_IGN);
            return DiskFileSystem().writeAll(path, longer);
        };
        EXPECT_EQ(asOrdinaryUser(save, 5000), c.saved);
        EXPECT_EQ(disk.readAll(path) == old, !c.crash);

        const std::vector<InterruptedRewrite> finished = finishInterruptedRewrites();
        ASSERT_EQ(finished.size(), c.crash ? 1u : 0u);
        if (c.crash) {
            EXPECT_TRUE(finished[0].restored && finished[0].path == path);
        }
        EXPECT_EQ(disk.readAll(path), old);
        EXPECT_EQ(copies(), std::vector<std::string>{});
    }
}

// Run by tests/platform/saves_on_disk_test.sh on a small file system of its
// own, without root's right to write anywhere: the folder it names forbids new
// files and holds a writable wordlist.dat.
TEST_F(DiskFileSystemTest, FullDiskRewriteInPlaceFailsBeforeAByteChanges)
{
    const char* fullFolder = std::getenv("VERBALIA_FULL_DISK_FOLDER");
    if (!fullFolder) GTEST_SKIP() << "run by saves_on_disk_test.sh";
    const std::string path = std::string(fullFolder) + "wordlist.dat";
    const std::optional<std::string> old = disk.readAll(path);
    ASSERT_TRUE(old);
    struct statvfs room;
    ASSERT_EQ(::statvfs(fullFolder, &room), 0);
    const std::string tooLong = *old + std::string(room.f_bavail * room.f_frsize + 65536, 'n');
    EXPECT_FALSE(disk.writeAll(path, tooLong));
    EXPECT_EQ(disk.readAll(path), old);
    EXPECT_EQ(copies(), std::vector<std::string>{});
    // What fits the room the file has is still saved.
    const std::string shorter = old->substr(0, old->size() / 2);
    EXPECT_TRUE(disk.writeAll(path, shorter));
    EXPECT_EQ(disk.readAll(path), shorter);
}

TEST_F(DiskFileSystemTest, CopiesOfRunningOrUnstartedRewritesAreLeftOrDropped)
{
    const std::string copyFolder = stateFolder + "verbalia/";
    fs::create_directory(copyFolder);
    std::ofstream(copyFolder + "rewrite-Unfini") << folder << "wordlist.dat";
    std::ofstream(copyFolder + "rewrite-Runnin.copy") << folder << "wordlist.dat" << '\0' << "3" << '\0' << "1" << '\0';
    const int running = ::open((copyFolder + "rewrite-Runnin.copy").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);
    EXPECT_TRUE(finishInterruptedRewrites().empty());
    ::close(running);
    EXPECT_EQ(copies(), std::vector<std::string>{"rewrite-Runnin.copy"});

    // Its file gone, the copy is kept and said where.
    const std::vector<InterruptedRewrite> finished = finishInterruptedRewrites();
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_FALSE(finished[0].restored);
    EXPECT_EQ(finished[0].copy, copyFolder + "rewrite-Runnin.copy");
}

TEST_F(DiskFileSystemTest, ReadTellsAnUnreadableFileFromAMissingOne)
{
    const std::string secret = folder + "secret.dat";
    ASSERT_TRUE(disk.writeAll(secret, "words"));
    ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
    fs::create_directory(folder + "sub");
    for (const auto& [path, outcome] : {std::pair(folder + "none.dat", ReadOutcome::missing),
                                        std::pair(folder + "none/none.dat", ReadOutcome::missing),
                                        std::pair(folder + "sub", ReadOutcome::unreadable),
                                        std::pair(secret, ReadOutcome::read)})
        EXPECT_EQ(disk.read(path).outcome, outcome) << path;
    EXPECT_EQ(disk.read(secret).bytes, "words");
    const auto readsAsUnreadable = [&] { return DiskFileSystem().read(secret).outcome == ReadOutcome::unreadable; };
    if (::geteuid() == 0) {
        EXPECT_EQ(asOrdinaryUser(readsAsUnreadable), true);
    }
}

TEST_F(DiskFileSystemTest, IdentityChangesWithEveryWrite)
{
    const std::string path = folder + "wordlist.dat";
    EXPECT_EQ(disk.identity(path), std::nullopt);
    ASSERT_TRUE(disk.writeAll(path, "one"));
    const std::optional<FileIdentity> first = disk.identity(path);
    EXPECT_EQ(disk.identity(path), first);
    ASSERT_TRUE(disk.writeAll(path, "two")); // same size and second, another file
    EXPECT_FALSE(disk.identity(path)->sameFile(*first));
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
