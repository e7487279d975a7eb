#include "FileSystem.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace verbalia {

namespace {

// Closes the descriptor when the scope ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() { if (m_fd >= 0) ::close(m_fd); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now and reports whether the close went well (it may be the
    // moment a delayed write error shows).
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeFully(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

// Temporary files are named after the file they replace, this text and six
// characters from mkstemp.
constexpr const char* temporarySuffix = ".verbalia-tmp.";

// A temporary file's name: a file name, the suffix and mkstemp's six characters.
bool isTemporaryName(std::string_view name)
{
    const std::size_t suffix = name.rfind(temporarySuffix);
    if (suffix == 0 || suffix == std::string_view::npos || name.size() != suffix + std::strlen(temporarySuffix) + 6)
        return false;
    return std::all_of(name.end() - 6, name.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

// The file a chain of symbolic links ends at (the path itself when it is no
// link); a dangling link gives the missing file it names.
std::string followLinks(std::string path)
{
    for (int hop = 0; hop < 40; ++hop) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target - 1);
        if (length < 0) break;
        const std::string link(target, std::size_t(length));
        const std::size_t slash = path.rfind('/');
        path = link.starts_with('/') || slash == std::string::npos ? link : path.substr(0, slash + 1) + link;
    }
    return path;
}

// Writes the bytes over the open file from its start, cuts it to their length
// and syncs it.
bool overwrite(int fd, std::string_view bytes)
{
    for (off_t at = 0; at < off_t(bytes.size());) {
        const ssize_t written = ::pwrite(fd, bytes.data() + at, bytes.size() - std::size_t(at), at);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        at += written;
    }
    return ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// The whole content of an open regular file.
std::optional<std::string> readDescriptor(int fd)
{
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    std::string bytes;
    bytes.reserve(std::size_t(status.st_size));
    char buffer[65536];
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, at);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) return bytes;
        bytes.append(buffer, std::size_t(got));
        at += got;
    }
}

bool syncFolder(const std::string& folder)
{
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return directory.get() >= 0 && ::fsync(directory.get()) == 0;
}

// Tells the bytes a finished rewrite left from any others (FNV-1a).
std::uint64_t fingerprint(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

// A rewrite's copy is named "rewrite-" and mkstemp's six characters while it
// is written, and gets this ending once it is whole and synced. It holds the
// path, a NUL, the new length and fingerprint in decimal each ended by a NUL,
// then the file's old bytes. It is locked while its rewrite runs.
constexpr const char* copyPrefix = "rewrite-";
constexpr const char* copyEnding = ".copy";

// The copy of a file's old bytes, kept while the file is rewritten in place.
class RewriteCopy {
public:
    // Writes and syncs the copy; false when it cannot be kept whole.
    bool keep(const std::string& path, std::string_view oldBytes, std::string_view newBytes)
    {
        const std::string folder = rewriteCopyFolder();
        if (folder.empty() || !makeFolders(folder)) return false;
        std::string partial = folder + copyPrefix + "XXXXXX";
        m_file = std::make_unique<FileDescriptor>(::mkostemp(partial.data(), O_CLOEXEC));
        if (m_file->get() < 0) return false;
        ::flock(m_file->get(), LOCK_EX);
        const std::string header = path + '\0' + std::to_string(newBytes.size()) + '\0' +
                                   std::to_string(fingerprint(newBytes)) + '\0';
        m_path = partial + copyEnding;
        if (writeFully(m_file->get(), header) && writeFully(m_file->get(), oldBytes) && ::fsync(m_file->get()) == 0 &&
            ::rename(partial.c_str(), m_path.c_str()) == 0 && syncFolder(folder))
            return true;
        ::unlink(partial.c_str());
        ::unlink(m_path.c_str());
        return false;
    }

    // The rewrite is on disk or undone: the copy goes.
    void discard() { ::unlink(m_path.c_str()); }

private:
    static bool makeFolders(const std::string& folder)
    {
        for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1))
            if (::mkdir(folder.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST) return false;
        return true;
    }

    std::unique_ptr<FileDescriptor> m_file; // holds the lock until the rewrite ends
    std::string m_path;
};

// Rewrites the file where it stands. Room for the new length is reserved
// first, and the old bytes are copied outside the folder; a failure midway
// puts them back.
bool rewriteInPlace(const std::string& path, std::string_view bytes)
{
    FileDescriptor file(::open(path.c_str(), O_RDWR | O_CLOEXEC));
    if (file.get() < 0) return false;
    // The size is kept, so a failure further on leaves the file as it was;
    // a file system that cannot reserve is still written (the copy guards it).
    if (::fallocate(file.get(), FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) != 0 && errno != EOPNOTSUPP &&
        errno != ENOSYS)
        return false;
    const std::optional<std::string> old = readDescriptor(file.get());
    RewriteCopy copy;
    if (!old || !copy.keep(path, *old, bytes)) return false;
    if (overwrite(file.get(), bytes)) {
        copy.discard();
        return file.close();
    }
    // Undone here, or else by finishInterruptedRewrites at the next start.
    if (overwrite(file.get(), *old)) copy.discard();
    return false;
}

// Makes a rename in the file's folder durable.
void syncFolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    syncFolder(slash == std::string::npos ? "." : path.substr(0, slash + 1));
}

std::optional<FileIdentity> identityOf(const struct stat& status)
{
    return FileIdentity{std::uint64_t(status.st_dev), std::uint64_t(status.st_ino), std::int64_t(status.st_size),
                        std::int64_t(status.st_mtim.tv_sec), std::int64_t(status.st_mtim.tv_nsec),
                        S_ISREG(status.st_mode)};
}

// Puts back the old bytes of an interrupted rewrite, unless the file already
// holds them or the rewrite's new bytes whole. The copy was parsed from its
// header; true when the copy is no longer needed.
bool restoreFromCopy(InterruptedRewrite& rewrite, std::string_view copied)
{
    const std::size_t pathEnd = copied.find('\0');
    const std::size_t lengthEnd = copied.find('\0', pathEnd + 1);
    const std::size_t fingerprintEnd = copied.find('\0', lengthEnd + 1);
    if (fingerprintEnd == std::string_view::npos) return false;
    rewrite.path = std::string(copied.substr(0, pathEnd));
    const std::string newLength(copied.substr(pathEnd + 1, lengthEnd - pathEnd - 1));
    const std::string newFingerprint(copied.substr(lengthEnd + 1, fingerprintEnd - lengthEnd - 1));
    const std::string_view old = copied.substr(fingerprintEnd + 1);

    FileDescriptor file(::open(rewrite.path.c_str(), O_RDWR | O_CLOEXEC));
    const std::optional<std::string> now = file.get() >= 0 ? readDescriptor(file.get()) : std::nullopt;
    if (now && (*now == old || (std::to_string(now->size()) == newLength &&
                                std::to_string(fingerprint(*now)) == newFingerprint)))
        return true; // cut short before a byte changed, or after the last
    rewrite.restored = now && overwrite(file.get(), old);
    return rewrite.restored;
}

} // namespace

PieceRead FileSystem::readPieces(const std::string& path, const std::function<bool(std::string_view)>& take) const
{
    const std::optional<std::string> bytes = readAll(path);
    if (!bytes) return PieceRead::cannotOpen;
    take(*bytes);
    return PieceRead::done;
}

PieceRead DiskFileSystem::readPieces(const std::string& path, const std::function<bool(std::string_view)>& take) const
{
    return readInPieces(path, take);
}

std::optional<FileIdentity> identifyFile(const std::string& path)
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 ? identityOf(status) : std::nullopt;
}

std::optional<FileIdentity> identifyDescriptor(int fd)
{
    struct stat status;
    return ::fstat(fd, &status) == 0 ? identityOf(status) : std::nullopt;
}

FileRead FileSystem::read(const std::string& path) const
{
    if (std::optional<std::string> bytes = readAll(path)) return {ReadOutcome::read, std::move(*bytes)};
    return {exists(path) ? ReadOutcome::unreadable : ReadOutcome::missing, {}};
}

bool DiskFileSystem::exists(const std::string& path) const
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::optional<std::string> DiskFileSystem::readAll(const std::string& path) const
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    return file.get() >= 0 ? readDescriptor(file.get()) : std::nullopt;
}

FileRead DiskFileSystem::read(const std::string& path) const
{
    if (std::optional<std::string> bytes = readAll(path)) return {ReadOutcome::read, std::move(*bytes)};
    // Anything at the path that could not be read counts as there: a folder
    // that may not be searched hides whether a file is behind it.
    struct stat status;
    return {::stat(path.c_str(), &status) != 0 && errno == ENOENT ? ReadOutcome::missing : ReadOutcome::unreadable, {}};
}

bool DiskFileSystem::writeAll(const std::string& path, std::string_view bytes)
{
    // Through a symbolic link its target is replaced; the link stays.
    const std::string target = followLinks(path);
    struct stat old;
    const bool targetExists = ::stat(target.c_str(), &old) == 0;
    if (targetExists && !S_ISREG(old.st_mode)) return false;
    // A file its owner may not write is read-only, whoever runs the program.
    if (targetExists && !(old.st_mode & S_IWUSR)) return false;

    std::string temporary = target + temporarySuffix + "XXXXXX";
    FileDescriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0) {
        // A folder that forbids new files may still hold files that can be
        // written: the file is then rewritten where it stands.
        return targetExists && (errno == EACCES || errno == EPERM) && rewriteInPlace(target, bytes);
    }
    // Held until the rename: a file in use is not a leftover.
    ::flock(file.get(), LOCK_EX);

    // mkstemp creates the file for its owner alone; give it the old file's
    // owner and permissions, or those a newly created file would get.
    mode_t mode;
    if (targetExists) {
        mode = old.st_mode & 07777;
        if (::fchown(file.get(), old.st_uid, old.st_gid) != 0) {
            // Not allowed to give the file away: it stays ours.
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    const bool written = ::fchmod(file.get(), mode) == 0 && writeFully(file.get(), bytes) &&
                         ::fsync(file.get()) == 0 && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!written) {
        ::unlink(temporary.c_str());
        return false;
    }
    file.close();
    syncFolderOf(target);
    return true;
}

void DiskFileSystem::removeLeftovers(const std::string& folder)
{
    DIR* entries = ::opendir(folder.c_str());
    if (!entries) return;
    while (const dirent* entry = ::readdir(entries)) {
        if (!isTemporaryName(entry->d_name)) continue;
        const std::string leftover = folder + entry->d_name;
        // A file that another window is still writing holds its lock.
        FileDescriptor file(::open(leftover.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
        struct stat status;
        if (file.get() >= 0 && ::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode) &&
            ::flock(file.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlink(leftover.c_str());
    }
    ::closedir(entries);
}

std::string rewriteCopyFolder()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/') {
        std::string folder = state;
        while (folder.ends_with('/')) folder.pop_back();
        return folder + "/verbalia/";
    }
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : nullptr;
    }
    return home ? std::string(home) + "/.local/state/verbalia/" : std::string();
}

std::vector<InterruptedRewrite> finishInterruptedRewrites()
{
    std::vector<InterruptedRewrite> interrupted;
    const std::string folder = rewriteCopyFolder();
    DIR* entries = folder.empty() ? nullptr : ::opendir(folder.c_str());
    if (!entries) return interrupted;
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(copyPrefix)) continue;
        const std::string copy = folder + entry->d_name;
        FileDescriptor file(::open(copy.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
        struct stat status;
        // A copy whose rewrite still runs holds its lock; one another start
        // has just dealt with is gone.
        if (file.get() < 0 || ::flock(file.get(), LOCK_EX | LOCK_NB) != 0 || ::fstat(file.get(), &status) != 0 ||
            status.st_nlink == 0)
            continue;
        if (!name.ends_with(copyEnding)) {
            ::unlink(copy.c_str()); // cut short before its file was touched
            continue;
        }
        const std::optional<std::string> copied = readDescriptor(file.get());
        InterruptedRewrite rewrite;
        const bool finished = copied && restoreFromCopy(rewrite, *copied);
        if (finished)
            ::unlink(copy.c_str());
        else
            rewrite.copy = copy;
        if ((rewrite.restored || !finished) && !rewrite.path.empty()) interrupted.push_back(rewrite);
    }
    ::closedir(entries);
    return interrupted;
}

PieceRead readInPieces(const std::string& path, const std::function<bool(std::string_view)>& take)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat before;
    if (file.get() < 0 || ::fstat(file.get(), &before) != 0 || S_ISDIR(before.st_mode)) return PieceRead::cannotOpen;

    constexpr std::size_t blockSize = 256 * 1024;
    const std::unique_ptr<char[]> block(new char[blockSize]);
    off_t total = 0;
    bool reachedEnd = false;
    for (;;) {
        const ssize_t got = ::read(file.get(), block.get(), blockSize);
        if (got < 0) {
            if (errno == EINTR) continue;
            return PieceRead::cannotRead;
        }
        reachedEnd = got == 0;
        total += got;
        if (reachedEnd || !take(std::string_view(block.get(), std::size_t(got)))) break;
    }
    if (!S_ISREG(before.st_mode)) return PieceRead::done;
    struct stat after;
    const bool same = ::fstat(file.get(), &after) == 0 && after.st_size == before.st_size &&
                      after.st_mtim.tv_sec == before.st_mtim.tv_sec && after.st_mtim.tv_nsec == before.st_mtim.tv_nsec;
    // Read to its end, the file must have held exactly the bytes it had at the start.
    return same && (!reachedEnd || total == before.st_size) ? PieceRead::done : PieceRead::changed;
}

bool DiskFileSystem::remove(const std::string& path)
{
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

} // namespace verbalia
