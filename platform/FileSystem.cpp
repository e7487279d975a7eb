#include "FileSystem.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
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

// Overwrites the file where it stands, then cuts it to the new length.
bool rewriteInPlace(const std::string& path, std::string_view bytes)
{
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    return file.get() >= 0 && writeFully(file.get(), bytes) && ::ftruncate(file.get(), off_t(bytes.size())) == 0 &&
           ::fsync(file.get()) == 0 && file.close();
}

// Makes a rename in the file's folder durable.
void syncFolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) ::fsync(directory.get());
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

bool DiskFileSystem::exists(const std::string& path) const
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::optional<std::string> DiskFileSystem::readAll(const std::string& path) const
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) return std::nullopt;
    struct stat status;
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;

    std::string bytes;
    bytes.reserve(std::size_t(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) return bytes;
        bytes.append(buffer, std::size_t(got));
    }
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
