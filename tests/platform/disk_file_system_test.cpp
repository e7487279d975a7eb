#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <sys/xattr.h>
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
    if (root) {
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    }
    ASSERT_TRUE(disk.writeAll(path, "new"));
    EXPECT_EQ(statusOf(path).st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(statusOf(path).st_uid, 65534u);
    }

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
// same point (the limit's signal) is mended at the next start. The new bytes
// come in slices, and the old ones are copied and put back in pieces.
TEST_F(DiskFileSystemTest, RewriteInPlaceNeverLeavesAMixedFile)
{
    const std::string path = folder + "wordlist.dat";
    std::string old(1536 * 1024, 'o');
    for (std::size_t at = 0; at < old.size(); at += 1000) old[at] = char('a' + at / 1000 % 26);
    const std::string longer(3 * 1024 * 1024, 'n');
    const FileContent inSlices([&longer](const FileContent::Put& put) {
        for (std::size_t at = 0; at < longer.size(); at += 65536)
            if (!put(std::string_view(longer).substr(at, 65536))) return false;
        return true;
    });
    struct Case {
        bool crash;
        std::optional<bool> saved; // nothing: the writing process died
    };
    // The file's time stays as it was, so the next save sees no other program's change.
    const timespec lastWeek[2] = {{::time(nullptr) - 7 * 86400, 0}, {::time(nullptr) - 7 * 86400, 0}};
    for (const Case& c : {Case{false, false}, Case{true, std::nullopt}}) {
        ::chmod(folder.c_str(), 0700);
        ASSERT_TRUE(disk.writeAll(path, old));
        ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
        // Only its owner may set a file's times.
        ASSERT_EQ(::chown(path.c_str(), ::geteuid() == 0 ? 65534 : ::geteuid(), -1), 0);
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), lastWeek, 0), 0);
        ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
        const auto save = [&] {
            ::signal(SIGXFSZ, c.crash ? SIG_DFL : SIG_IGN);
            return DiskFileSystem().writeAll(path, inSlices);
        };
        EXPECT_EQ(asOrdinaryUser(save, 2 * 1024 * 1024), c.saved);
        EXPECT_EQ(disk.readAll(path) == old, !c.crash);
        if (!c.crash) {
            EXPECT_EQ(statusOf(path).st_mtim.tv_sec, lastWeek[1].tv_sec);
        }

        const std::vector<InterruptedRewrite> finished = finishInterruptedRewrites();
        ASSERT_EQ(finished.size(), c.crash ? 1u : 0u);
        if (c.crash) {
            EXPECT_TRUE(finished[0].restored && finished[0].path == path);
        }
        EXPECT_EQ(disk.readAll(path), old);
        EXPECT_EQ(statusOf(path).st_mtim.tv_sec, lastWeek[1].tv_sec);
        EXPECT_EQ(copies(), std::vector<std::string>{});
    }
}

// The copy of a crashed rewrite restores only the file the crash left. One
// copied over, recreated or removed since is left alone, the copy kept and
// named.
TEST_F(DiskFileSystemTest, ACopyRestoresOnlyTheFileTheCrashLeft)
{
    const std::string path = folder + "wordlist.dat";
    const std::string old(3000, 'o'), longer(8000, 'n'), other(5000, 'x');
    const auto writeOther = [&] { std::ofstream(path, std::ios::binary | std::ios::trunc) << other; };
    struct Case {
        const char* what;
        std::function<void()> since;
        bool restored;
        std::optional<std::string> after;
    };
    const Case cases[] = {
        {"left as the crash left it", [] {}, true, old},
        {"copied over (the same inode and length)", writeOther, false, other},
        {"removed and made again", [&] { fs::remove(path); writeOther(); }, false, other},
        {"removed", [&] { fs::remove(path); }, false, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ::chmod(folder.c_str(), 0700);
        ASSERT_TRUE(disk.writeAll(path, old));
        ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
        ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
        const auto crash = [&] {
            ::signal(SIGXFSZ, SIG_DFL);
            return DiskFileSystem().writeAll(path, longer);
        };
        ASSERT_EQ(asOrdinaryUser(crash, 5000), std::nullopt);
        ASSERT_EQ(::chmod(folder.c_str(), 0700), 0);
        ASSERT_EQ(copies().size(), 1u);
        const std::string copy = stateFolder + "verbalia/" + copies()[0];
        if (!c.restored) {
            // Long after the crash: the time the rewrite could still change the file has run out.
            std::ifstream in(copy, std::ios::binary);
            std::string bytes{std::istreambuf_iterator<char>(in), {}};
            std::size_t lease = 0;
            for (int field = 0; field < 13; ++field) lease = bytes.find('\0', lease) + 1;
            bytes.replace(lease, 20, std::string(20, '0'));
            std::ofstream(copy, std::ios::binary | std::ios::trunc) << bytes;
        }
        c.since();

        const std::vector<InterruptedRewrite> finished = finishInterruptedRewrites();
        ASSERT_EQ(finished.size(), 1u);
        EXPECT_EQ(finished[0].restored, c.restored);
        EXPECT_EQ(finished[0].changedSince, !c.restored);
        EXPECT_EQ(disk.readAll(path), c.after);
        EXPECT_EQ(copies().size(), c.restored ? 0u : 1u);
        if (!c.restored) {
            EXPECT_EQ(finished[0].message(), "The last save of " + path + " was cut short, and the file has been "
                                             "replaced or changed since, so it was left as it is.  Its content from "
                                             "before that save is kept in:\r\n\r\n" + copy);
        }
        fs::remove(copy);
    }
}

std::string commandOutput(const std::string& command)
{
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[256];
        while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, got);
        ::pclose(pipe);
    }
    return output;
}

// Every name of the file, its owner, access list and extended attributes
// stay what they were.
TEST_F(DiskFileSystemTest, ASaveKeepsLinksOwnerAccessListAndAttributes)
{
    const std::string path = folder + "wordlist.dat";
    ASSERT_TRUE(disk.writeAll(path, "old"));
    fs::create_hard_link(path, folder + "other name.dat");
    ASSERT_TRUE(disk.writeAll(path, "new"));
    EXPECT_EQ(disk.readAll(folder + "other name.dat"), "new");
    EXPECT_EQ(fs::hard_link_count(path), 2u);
    fs::remove(folder + "other name.dat");

    if (::setxattr(path.c_str(), "user.origin", "kept", 4, 0) != 0 ||
        std::system(("setfacl -m u:nobody:rw '" + path + "' 2>/dev/null").c_str()) != 0) {
        std::puts("skipped: access lists and extended attributes (this file system lacks them)");
    } else {
        const std::string accessList = commandOutput("getfacl -cp '" + path + "'");
        ASSERT_NE(accessList.find("user:nobody:rw-"), std::string::npos);
        ASSERT_TRUE(disk.writeAll(path, "newer"));
        EXPECT_EQ(commandOutput("getfacl -cp '" + path + "'"), accessList);
        char value[16] = {};
        EXPECT_EQ(::getxattr(path.c_str(), "user.origin", value, sizeof value), 4);
        EXPECT_STREQ(value, "kept");
        EXPECT_EQ(disk.readAll(path), "newer");
    }

    // A file another user owns but lets this one write: rewritten in place.
    if (::geteuid() != 0) GTEST_SKIP() << "another owner needs root to set up";
    fs::remove_all(stateFolder + "verbalia"); // made by root above; this user's copies go there
    const std::string shared = folder + "shared.dat";
    ASSERT_TRUE(disk.writeAll(shared, "root's"));
    ASSERT_EQ(::chmod(shared.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
    EXPECT_TRUE(writeAsOrdinaryUser(shared, "written by nobody"));
    EXPECT_EQ(statusOf(shared).st_uid, 0u);
    EXPECT_EQ(disk.readAll(shared), "written by nobody");
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"shared.dat", "wordlist.dat"}));
}

// Two saves of one file at once: the second waits for the first's lock, then
// finds the file changed and writes nothing.
TEST_F(DiskFileSystemTest, ACheckedWriteWaitsForAnotherAndSeesItsChange)
{
    const std::string path = folder + "wordlist.dat";
    ASSERT_TRUE(disk.writeAll(path, "seen by both"));
    const std::optional<FileIdentity> seen = disk.identity(path);
    const int first = ::open(path.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(first, LOCK_EX), 0); // as the first save holds it
    const pid_t second = ::fork();
    if (second == 0) {
        ::close(first); // else the lock stays held through this copy of the descriptor
        ::_exit(int(DiskFileSystem().writeIfUnchanged(path, "second", seen).outcome));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_TRUE(disk.writeAll(path, "first"));
    ::close(first);
    int status = 0;
    ::waitpid(second, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), int(WriteOutcome::changed));
    EXPECT_EQ(disk.readAll(path), "first");

    const CheckedWrite write = disk.writeIfUnchanged(path, "third", disk.identity(path));
    EXPECT_EQ(write.outcome, WriteOutcome::written);
    EXPECT_EQ(write.identity, disk.identity(path));
    EXPECT_EQ(disk.readAll(path), "third");
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
    ASSERT_EQ(::mkfifo((folder + "fifo").c_str(), 0600), 0);
    fs::create_symlink("loop", folder + "loop");
    fs::create_symlink("none.dat", folder + "dangling");
    fs::create_symlink("/dev/null", folder + "device");
    // What is no file cannot be read, is never waited on, and is not written over.
    for (const auto& [path, outcome] : {std::pair(folder + "none.dat", ReadOutcome::missing),
                                        std::pair(folder + "none/none.dat", ReadOutcome::missing),
                                        std::pair(folder + "dangling", ReadOutcome::missing),
                                        std::pair(folder + "sub", ReadOutcome::unreadable),
                                        std::pair(folder + "fifo", ReadOutcome::unreadable),
                                        std::pair(folder + "loop", ReadOutcome::unreadable),
                                        std::pair(folder + "device", ReadOutcome::unreadable),
                                        std::pair(secret, ReadOutcome::read)}) {
        EXPECT_EQ(disk.read(path).outcome, outcome) << path;
        if (outcome == ReadOutcome::unreadable) {
            EXPECT_EQ(disk.presence(path), Presence::unusable) << path;
            EXPECT_FALSE(disk.writeAll(path, "new")) << path;
        }
    }
    EXPECT_TRUE(fs::is_symlink(folder + "loop"));
    EXPECT_EQ(disk.read(secret).bytes, "words");
    // A link into a folder that may not be searched.
    fs::create_symlink("sub/words.dat", folder + "behind");
    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    ASSERT_EQ(::chmod((folder + "sub").c_str(), 0700), 0);
    const auto readsAsUnreadable = [&] {
        return DiskFileSystem().read(secret).outcome == ReadOutcome::unreadable &&
               DiskFileSystem().presence(folder + "behind") == Presence::unusable;
    };
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
    // Beside a link's target, only the leftovers of saves through the link go.
    const std::string lists = folder + "lists/";
    fs::create_directory(lists);
    for (const char* name : {"words.txt", "words.txt.verbalia-tmp.a1B2c3", "other.txt.verbalia-tmp.a1B2c3"})
        ASSERT_TRUE(disk.writeAll(lists + name, "left behind"));
    fs::create_symlink("lists/words.txt", folder + "verbalia.wcs");
    // A write still under way holds its file.
    const int held = ::open((folder + "held.verbalia-tmp.Held01").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    disk.removeLeftovers(folder);
    ::close(held);
    std::vector<std::string> all = kept;
    all.insert(all.end(), {"lists", "verbalia.wcs"});
    std::sort(all.begin(), all.end());
    EXPECT_EQ(folderEntries(), all);
    EXPECT_TRUE(fs::exists(lists + "other.txt.verbalia-tmp.a1B2c3"));
    EXPECT_FALSE(fs::exists(lists + "words.txt.verbalia-tmp.a1B2c3"));
}

} // namespace
} // namespace verbalia
