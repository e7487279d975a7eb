#include "FileSystem.h"


#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

#include <acl/libacl.h>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/acl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
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

// Called before each change to a file rewritten in place.
using BeforeChange = std::function<void()>;

// Writes the content over the open file from its start, at most 4 MiB at a
// time, cuts the file to its length and syncs it.
bool overwrite(int fd, const FileContent& content, const BeforeChange& beforeChange = [] {})
{
    constexpr std::size_t pieceSize = 4 * 1024 * 1024;
    off_t at = 0;
    const bool written = content.forEachSlice([&](std::string_view slice) {
        while (!slice.empty()) {
            beforeChange();
            const ssize_t piece = ::pwrite(fd, slice.data(), std::min(pieceSize, slice.size()), at);
            if (piece < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            slice.remove_prefix(std::size_t(piece));
            at += piece;
        }
        return true;
    });
    beforeChange();
    return written && ::ftruncate(fd, at) == 0 && ::fsync(fd) == 0;
}

// The size of the pieces a file is copied in.
constexpr std::size_t copyPieceSize = 1024 * 1024;

// Hands put the open file's bytes from the offset to its end, a piece at a
// time; false when a read fails or put does.
bool forEachPieceFrom(int fd, off_t at, const FileContent::Put& put)
{
    const std::unique_ptr<char[]> piece(new char[copyPieceSize]);
    for (;;) {
        const ssize_t got = ::pread(fd, piece.get(), copyPieceSize, at);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return true;
        if (!put(std::string_view(piece.get(), std::size_t(got)))) return false;
        at += got;
    }
}

// The open file's bytes from the offset to its end, as content to write.
FileContent bytesFrom(int fd, off_t at)
{
    return FileContent([fd, at](const FileContent::Put& put) { return forEachPieceFrom(fd, at, put); });
}

// Whether the open file holds exactly the other's bytes from the offset on.
bool holdsBytesFrom(int fd, int other, off_t otherAt)
{
    struct stat mine, theirs;
    if (::fstat(fd, &mine) != 0 || ::fstat(other, &theirs) != 0 || theirs.st_size - otherAt != mine.st_size)
        return false;
    const std::unique_ptr<char[]> piece(new char[copyPieceSize]);
    return forEachPieceFrom(fd, 0, [&](std::string_view bytes) {
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t got = ::pread(other, piece.get(), bytes.size() - done, otherAt);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0 || std::memcmp(piece.get(), bytes.data() + done, std::size_t(got)) != 0) return false;
            done += std::size_t(got);
            otherAt += got;
        }
        return true;
    });
}

// Gives the open file back the access and modification times it had.
void restoreTimes(int fd, const struct stat& before)
{
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ::futimens(fd, times);
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

// Tells the bytes a finished rewrite left from any others (FNV-1a), and
// counts them, fed a slice at a time.
class Fingerprint {
public:
    void add(std::string_view bytes)
    {
        for (const char c : bytes) m_hash = (m_hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        m_length += bytes.size();
    }
    std::uint64_t hash() const { return m_hash; }
    std::uint64_t length() const { return m_length; }

private:
    std::uint64_t m_hash = 14695981039346656037ull;
    std::uint64_t m_length = 0;
};

// A rewrite's copy is named "rewrite-" and mkstemp's six characters while it
// is written, and gets this ending once it is whole and synced. It is locked
// while its rewrite runs. It holds a header of NUL-ended fields, then the
// file's old bytes: the format's mark, the path, the new length and its
// fingerprint in decimal, then what the file was when the rewrite began (its
// device, inode, old length, change time, access and modification times) and
// a lease: the last moment the rewrite may change the file, renewed as it
// runs, so a change after it is another program's.
constexpr const char* copyPrefix = "rewrite-";
constexpr const char* copyEnding = ".copy";
constexpr std::string_view copyFormat("v2\0", 3);
constexpr std::size_t leaseDigits = 20;
constexpr std::int64_t leaseSeconds = 4;

std::int64_t secondsNow()
{
    timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec;
}

std::string timeField(const timespec& time)
{
    return std::to_string(time.tv_sec) + '\0' + std::to_string(time.tv_nsec) + '\0';
}

// The copy of a file's old bytes, kept while the file is rewritten in place.
class RewriteCopy {
public:
    // Copies the open file's bytes after the header and syncs the copy;
    // false when it cannot be kept whole.
    bool keep(const std::string& path, int fd, const struct stat& file, const Fingerprint& newBytes)
    {
        const std::string folder = rewriteCopyFolder();
        if (folder.empty() || !makeFolders(folder)) return false;
        std::string partial = folder + copyPrefix + "XXXXXX";
        m_file = std::make_unique<FileDescriptor>(::mkostemp(partial.data(), O_CLOEXEC));
        if (m_file->get() < 0) return false;
        ::flock(m_file->get(), LOCK_EX);
        std::string header = std::string(copyFormat) + path + '\0' + std::to_string(newBytes.length()) + '\0' +
                             std::to_string(newBytes.hash()) + '\0' + std::to_string(file.st_dev) + '\0' +
                             std::to_string(file.st_ino) + '\0' + std::to_string(file.st_size) + '\0' +
                             timeField(file.st_ctim) + timeField(file.st_atim) + timeField(file.st_mtim);
        m_leaseAt = off_t(header.size());
        m_lease = secondsNow() + leaseSeconds;
        header += leaseText(m_lease) + '\0';
        m_oldAt = off_t(header.size());
        m_path = partial + copyEnding;
        const auto copy = [this](std::string_view piece) { return writeFully(m_file->get(), piece); };
        if (writeFully(m_file->get(), header) && forEachPieceFrom(fd, 0, copy) && ::fsync(m_file->get()) == 0 &&
            ::rename(partial.c_str(), m_path.c_str()) == 0 && syncFolder(folder))
            return true;
        ::unlink(partial.c_str());
        ::unlink(m_path.c_str());
        return false;
    }

    // Called before each change to the file: keeps the lease ahead of it.
    void renewLease()
    {
        const std::int64_t now = secondsNow();
        if (m_lease - now > leaseSeconds / 2) return;
        m_lease = now + leaseSeconds;
        const std::string text = leaseText(m_lease);
        if (::pwrite(m_file->get(), text.data(), text.size(), m_leaseAt) != ssize_t(text.size())) {
            // The lease stays short: a crash now keeps the copy rather than restoring it.
        }
    }

    // The old bytes, read back from the copy.
    FileContent oldBytes() const { return bytesFrom(m_file->get(), m_oldAt); }

    // The rewrite is on disk or undone: the copy goes.
    void discard() { ::unlink(m_path.c_str()); }

private:
    static std::string leaseText(std::int64_t seconds)
    {
        std::string digits = std::to_string(seconds);
        return std::string(leaseDigits - std::min(leaseDigits, digits.size()), '0') + digits;
    }

    std::unique_ptr<FileDescriptor> m_file; // holds the lock until the rewrite ends
    std::string m_path;
    off_t m_leaseAt = 0;
    off_t m_oldAt = 0;
    std::int64_t m_lease = 0;
};

// Rewrites the file where it stands. Room for the new length is reserved
// first, and the old bytes are copied outside the folder; a failure midway
// puts them back, with the file's times.
bool rewriteInPlace(const std::string& path, const FileContent& content)
{
    FileDescriptor file(::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat before;
    if (file.get() < 0 || ::fstat(file.get(), &before) != 0 || !S_ISREG(before.st_mode)) return false;
    Fingerprint newBytes;
    content.forEachSlice([&newBytes](std::string_view slice) {
        newBytes.add(slice);
        return true;
    });
    // The size is kept, so a failure further on leaves the file as it was;
    // a file system that cannot reserve is still written (the copy guards it).
    if (::fallocate(file.get(), FALLOC_FL_KEEP_SIZE, 0, off_t(newBytes.length())) != 0 && errno != EOPNOTSUPP &&
        errno != ENOSYS) {
        restoreTimes(file.get(), before);
        return false;
    }
    // The copy keeps the change time after the reservation, and the times before it.
    struct stat state;
    const bool stated = ::fstat(file.get(), &state) == 0;
    state.st_atim = before.st_atim;
    state.st_mtim = before.st_mtim;
    RewriteCopy copy;
    if (!stated || !copy.keep(path, file.get(), state, newBytes)) {
        restoreTimes(file.get(), before);
        return false;
    }
    const BeforeChange renew = [&copy] { copy.renewLease(); };
    if (overwrite(file.get(), content, renew)) {
        copy.discard();
        return file.close();
    }
    // Undone here, or else by finishInterruptedRewrites at the next start.
    if (overwrite(file.get(), copy.oldBytes(), renew)) {
        copy.renewLease();
        restoreTimes(file.get(), before);
        copy.discard();
    }
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

// The NUL-ended fields at the start of a copy, and what follows them.
std::vector<std::string_view> fieldsOf(std::string_view& text, std::size_t count)
{
    std::vector<std::string_view> fields;
    while (fields.size() < count) {
        const std::size_t end = text.find('\0');
        if (end == std::string_view::npos) return {};
        fields.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return fields;
}

std::int64_t number(std::string_view field) { return std::strtoll(std::string(field).c_str(), nullptr, 10); }

timespec timeOf(std::string_view seconds, std::string_view nanoseconds)
{
    return {time_t(number(seconds)), long(number(nanoseconds))};
}

bool before(const timespec& a, const timespec& b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

// Puts back the old bytes of an interrupted rewrite, unless the file already
// holds them or the rewrite's new bytes whole, or is no longer the file the
// crash left. True when the copy is no longer needed.
bool restoreFromCopy(InterruptedRewrite& rewrite, int copy)
{
    // The header: the path and a dozen numbers.
    std::string header(PATH_MAX + 512, '\0');
    ssize_t got;
    while ((got = ::pread(copy, header.data(), header.size(), 0)) < 0 && errno == EINTR) {}
    if (got < 0) return false;
    header.resize(std::size_t(got));
    std::string_view copied = header;
    if (!copied.starts_with(copyFormat)) {
        // A copy of an earlier format tells too little to be applied safely.
        rewrite.path = std::string(copied.substr(0, copied.find('\0')));
        return false;
    }
    copied.remove_prefix(copyFormat.size());
    const std::vector<std::string_view> field = fieldsOf(copied, 13);
    if (field.empty()) return false;
    rewrite.path = std::string(field[0]);
    const off_t oldAt = off_t(header.size() - copied.size());

    FileDescriptor file(::open(rewrite.path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat now;
    if (file.get() < 0 || ::fstat(file.get(), &now) != 0) {
        rewrite.changedSince = errno == ENOENT; // removed since
        return false;
    }
    Fingerprint found;
    const bool readable = S_ISREG(now.st_mode) && forEachPieceFrom(file.get(), 0, [&found](std::string_view piece) {
        found.add(piece);
        return true;
    });
    if (readable && (holdsBytesFrom(file.get(), copy, oldAt) ||
                     (std::to_string(found.length()) == field[1] && std::to_string(found.hash()) == field[2])))
        return true; // cut short before a byte changed, or after the last
    const std::int64_t newLength = number(field[1]), oldLength = number(field[5]);
    const bool asLeft = readable && std::to_string(now.st_dev) == field[3] && std::to_string(now.st_ino) == field[4] &&
                        now.st_size >= std::min(oldLength, newLength) &&
                        now.st_size <= std::max(oldLength, newLength) &&
                        !before(now.st_ctim, timeOf(field[6], field[7])) &&
                        now.st_ctim.tv_sec < number(field[12]);
    if (!asLeft) {
        rewrite.changedSince = readable;
        return false;
    }
    rewrite.restored = overwrite(file.get(), bytesFrom(copy, oldAt));
    if (rewrite.restored) {
        const timespec times[2] = {timeOf(field[8], field[9]), timeOf(field[10], field[11])};
        ::futimens(file.get(), times);
    }
    return rewrite.restored;
}

// Holds other writers' checked writes of a file off while it lives: an flock
// on the file the path leads to, taken on the file that is there once held.
class WriteLock {
public:
    explicit WriteLock(const std::string& path)
    {
        const std::string target = followLinks(path);
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_file = std::make_unique<FileDescriptor>(::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
            if (m_file->get() < 0)
                m_file = std::make_unique<FileDescriptor>(
                    ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
            struct stat held, there;
            // Nothing to lock: no file there, or not a regular one.
            if (m_file->get() < 0 || ::fstat(m_file->get(), &held) != 0 || !S_ISREG(held.st_mode)) return;
            while (::flock(m_file->get(), LOCK_EX) != 0)
                if (errno != EINTR) return;
            // A writer that held it may have renamed another file into its place.
            if (::stat(target.c_str(), &there) == 0 && there.st_dev == held.st_dev && there.st_ino == held.st_ino)
                return;
        }
    }

private:
    std::unique_ptr<FileDescriptor> m_file;
};

// Copies the access control list and the extended attributes of the file at
// the path to the open one; false when one of them cannot be copied.
bool copyAttributes(const std::string& path, int fd)
{
    if (const acl_t acl = ::acl_get_file(path.c_str(), ACL_TYPE_ACCESS)) {
        const bool copied = ::acl_set_fd(fd, acl) == 0 || (errno == ENOTSUP && ::acl_equiv_mode(acl, nullptr) == 0);
        ::acl_free(acl);
        if (!copied) return false;
    } else if (errno != ENOTSUP) {
        return false;
    }
    const ssize_t size = ::listxattr(path.c_str(), nullptr, 0);
    if (size < 0) return errno == ENOTSUP;
    std::string names(std::size_t(size), '\0');
    const ssize_t listed = ::listxattr(path.c_str(), names.data(), names.size());
    if (listed < 0) return false;
    names.resize(std::size_t(listed));
    for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
        const std::string name = names.c_str() + at;
        if (name.starts_with("system.posix_acl_")) continue; // copied as the list above
        std::string value(65536, '\0');
        const ssize_t length = ::getxattr(path.c_str(), name.c_str(), value.data(), value.size());
        if (length < 0 || ::fsetxattr(fd, name.c_str(), value.data(), std::size_t(length), 0) != 0) return false;
    }
    return true;
}

// Removes the temporary files of writes in the folder whose names begin with
// the prefix (any name when it is empty).
void removeLeftoversIn(const std::string& folder, std::string_view prefix)
{
    DIR* entries = ::opendir(folder.c_str());
    if (!entries) return;
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view name = entry->d_name;
        if (!isTemporaryName(name) || !name.starts_with(prefix) ||
            (!prefix.empty() && name.size() != prefix.size() + std::strlen(temporarySuffix) + 6))
            continue;
        const std::string leftover = folder + entry->d_name;
        // A file that another window is still writing holds its lock.
        FileDescriptor file(::open(leftover.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
        struct stat status;
        if (file.get() >= 0 && ::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode) &&
            ::flock(file.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlink(leftover.c_str());
    }
    ::closedir(entries);
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

Presence FileSystem::presence(const std::string& path) const
{
    return exists(path) ? Presence::regularFile : Presence::missing;
}

FileRead FileSystem::read(const std::string& path) const
{
    if (std::optional<std::string> bytes = readAll(path)) return {ReadOutcome::read, std::move(*bytes)};
    return {presence(path) == Presence::missing ? ReadOutcome::missing : ReadOutcome::unreadable, {}};
}

CheckedWrite FileSystem::writeIfUnchanged(const std::string& path, const FileContent& content,
                                          const std::optional<FileIdentity>& expected)
{
    if (identity(path) != expected) return {WriteOutcome::changed, {}};
    if (!writeAll(path, content)) return {WriteOutcome::failed, {}};
    return {WriteOutcome::written, identity(path)};
}

bool DiskFileSystem::exists(const std::string& path) const
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

Presence DiskFileSystem::presence(const std::string& path) const
{
    struct stat status;
    if (::stat(path.c_str(), &status) != 0)
        // A folder that may not be searched hides whether a file is behind it.
        return errno == ENOENT ? Presence::missing : Presence::unusable;
    return S_ISREG(status.st_mode) ? Presence::regularFile : Presence::unusable;
}

std::optional<std::string> DiskFileSystem::readAll(const std::string& path) const
{
    // Not held up by a FIFO with no writer.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    return file.get() >= 0 ? readDescriptor(file.get()) : std::nullopt;
}

bool DiskFileSystem::writeAll(const std::string& path, const FileContent& content)
{
    // Through a symbolic link its target is replaced; the link stays.
    const std::string target = followLinks(path);
    struct stat old;
    const bool targetExists = ::stat(target.c_str(), &old) == 0;
    // A loop of links, or a folder that may not be searched: nothing is made.
    if (!targetExists && errno != ENOENT) return false;
    if (targetExists && !S_ISREG(old.st_mode)) return false;
    // A file its owner may not write is read-only, whoever runs the program.
    if (targetExists && !(old.st_mode & S_IWUSR)) return false;
    // Every name of the file keeps the new bytes.
    if (targetExists && old.st_nlink > 1) return rewriteInPlace(target, content);

    std::string temporary = target + temporarySuffix + "XXXXXX";
    FileDescriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0) {
        // A folder that forbids new files may still hold files that can be
        // written: the file is then rewritten where it stands.
        return targetExists && (errno == EACCES || errno == EPERM) && rewriteInPlace(target, content);
    }
    // Held until the rename: a file in use is not a leftover.
    ::flock(file.get(), LOCK_EX);

    // mkstemp creates the file for its owner alone; give it the old file's
    // owner, permissions and attributes, or the permissions a newly created
    // file would get. A file that may be written but not given away (another
    // user's), or whose attributes cannot be copied, is rewritten in place.
    if (targetExists && (::fchown(file.get(), old.st_uid, old.st_gid) != 0 ||
                         ::fchmod(file.get(), old.st_mode & 07777) != 0 || !copyAttributes(target, file.get()))) {
        ::unlink(temporary.c_str());
        return rewriteInPlace(target, content);
    }
    if (!targetExists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(file.get(), 0666 & ~mask) != 0) {
            ::unlink(temporary.c_str());
            return false;
        }
    }
    const bool written = content.forEachSlice([&file](std::string_view slice) { return writeFully(file.get(), slice); }) &&
                         ::fsync(file.get()) == 0 &&
                         ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!written) {
        ::unlink(temporary.c_str());
        return false;
    }
    file.close();
    syncFolderOf(target);
    return true;
}

CheckedWrite DiskFileSystem::writeIfUnchanged(const std::string& path, const FileContent& content,
                                              const std::optional<FileIdentity>& expected)
{
    const WriteLock lock(path);
    return FileSystem::writeIfUnchanged(path, content, expected);
}

void DiskFileSystem::removeLeftovers(const std::string& folder)
{
    removeLeftoversIn(folder, {});
    // A save through a link writes its temporary file beside the target.
    DIR* entries = ::opendir(folder.c_str());
    if (!entries) return;
    while (const dirent* entry = ::readdir(entries)) {
        const std::string link = folder + entry->d_name;
        struct stat status;
        if (::lstat(link.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) continue;
        const std::string target = followLinks(link);
        const std::size_t slash = target.rfind('/');
        if (slash != std::string::npos) removeLeftoversIn(target.substr(0, slash + 1), target.substr(slash + 1));
    }
    ::closedir(entries);
}

bool makeFolders(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1))
        if (::mkdir(folder.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST) return false;
    return true;
}

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
        InterruptedRewrite rewrite;
        const bool finished = restoreFromCopy(rewrite, file.get());
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

    constexpr std::size_t blockSize = 32 * 1024;
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
