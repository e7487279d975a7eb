#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbalia {

// How a read in pieces ended.
enum class PieceRead { done, cannotOpen, cannotRead, changed };

// How a read of a whole file ended. A file that exists but could not be read
// must not be taken for a missing one: replacing it would lose what it holds;
// nor may one read only up to a point (a NUL byte ending its text).
enum class ReadOutcome { read, missing, unreadable, partlyRead };

// What a path leads to: a regular file, nothing, or something that cannot be
// read as a file (a folder, a FIFO, a device, a loop of links, a file behind a
// folder that may not be searched).
enum class Presence { regularFile, missing, unusable };

// How a write that first checks the file ended.
enum class WriteOutcome { written, failed, changed };

struct FileRead {
    ReadOutcome outcome = ReadOutcome::missing;
    std::string bytes; // when read
};

// What tells whether a file changed on disk: which file the path leads to
// (device and inode), its size and its modification time.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    bool regularFile = false;

    bool sameFile(const FileIdentity& other) const { return device == other.device && inode == other.inode; }
    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file at the path (links followed) or of an open
// descriptor; nothing when there is none.
std::optional<FileIdentity> identifyFile(const std::string& path);
std::optional<FileIdentity> identifyDescriptor(int fd);

// The file a chain of symbolic links ends at (the path itself when it is no
// link); a dangling link gives the missing file it names.
std::string followLinks(std::string path);

// A write that checked the file first, and the identity of what it wrote.
struct CheckedWrite {
    WriteOutcome outcome = WriteOutcome::failed;
    std::optional<FileIdentity> identity; // when written
};

// The bytes a write puts in a file, handed to it a slice at a time so that
// they need not be held whole: bytes held elsewhere (one slice, viewed, not
// copied: they must outlive the content), or a producer that hands put each
// slice in order, stops as soon as put returns false and then returns false.
// A producer gives the same bytes each time it runs: a rewrite in place runs
// it twice (to learn their length, then to write them).
class FileContent {
public:
    using Put = std::function<bool(std::string_view)>;
    using Producer = std::function<bool(const Put&)>;

    FileContent(std::string_view bytes) : m_bytes(bytes) {}
    FileContent(const std::string& bytes) : m_bytes(bytes) {}
    FileContent(const char* bytes) : m_bytes(bytes) {}
    explicit FileContent(Producer producer) : m_producer(std::move(producer)) {}

    bool forEachSlice(const Put& put) const { return m_producer ? m_producer(put) : put(m_bytes); }

private:
    std::string_view m_bytes;
    Producer m_producer;
};

// Whole-file access to the program's files. Paths are native byte strings.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True when a regular file exists at the path.
    virtual bool exists(const std::string& path) const = 0;

    // The file's bytes, or nothing when it cannot be opened or read.
    virtual std::optional<std::string> readAll(const std::string& path) const = 0;

    // Hands the file's bytes to take, which returns false to stop early: a
    // block at a time on disk (readInPieces), else the whole file at once.
    virtual PieceRead readPieces(const std::string& path, const std::function<bool(std::string_view)>& take) const;

    // What the path leads to (by default: a regular file when it exists).
    virtual Presence presence(const std::string& path) const;

    // The file's bytes, or whether it is missing or there but unreadable:
    // unreadable when readAll fails on a path that is not missing.
    FileRead read(const std::string& path) const;

    // What the file is now, to find out later whether it was changed since
    // (by default the disk's answer).
    virtual std::optional<FileIdentity> identity(const std::string& path) const { return identifyFile(path); }

    // Replaces the file whole, as an editor saves: the bytes go to a
    // temporary file in the same folder, which takes the old file's owner,
    // permissions, access control list and extended attributes and is then
    // renamed over it. A symbolic link is followed (its target is replaced).
    // A file that its owner may not write is not replaced. A file rewritten
    // in place instead: in a folder that forbids new files, one with several
    // hard links (all keep the new bytes), one whose owner or attributes the
    // temporary file cannot take. Its new length is reserved first, so a full
    // disk fails before a byte changes, and a copy of its old bytes is kept
    // in rewriteCopyFolder() until the rewrite is on disk, so a crash midway
    // can be undone at the next start (finishInterruptedRewrites). On failure
    // false is returned and the old file is untouched, its modification time
    // included. Beside the content's slices, a write holds a few MiB at most.
    virtual bool writeAll(const std::string& path, const FileContent& content) = 0;

    // Writes as writeAll, only while the file is still as expected (nothing:
    // no file there); else nothing is written and changed is returned. On disk
    // the check and the write are one step for other processes that write
    // this way: they hold a lock on the file the path leads to from the check
    // to the rename or the rewrite's end.
    virtual CheckedWrite writeIfUnchanged(const std::string& path, const FileContent& content,
                                          const std::optional<FileIdentity>& expected);

    // Deletes the file; true when no file is left at the path.
    virtual bool remove(const std::string& path) = 0;
};

// The real disk.
class DiskFileSystem final : public FileSystem {
public:
    bool exists(const std::string& path) const override;
    std::optional<std::string> readAll(const std::string& path) const override;
    PieceRead readPieces(const std::string& path, const std::function<bool(std::string_view)>& take) const override;
    Presence presence(const std::string& path) const override;
    bool writeAll(const std::string& path, const FileContent& content) override;
    CheckedWrite writeIfUnchanged(const std::string& path, const FileContent& content,
                                  const std::optional<FileIdentity>& expected) override;
    bool remove(const std::string& path) override;

    // Deletes the temporary files that writes into the folder (a path ending
    // in '/') left behind when the program was killed, and those beside the
    // targets of the folder's symbolic links; those that a running write
    // still holds stay.
    void removeLeftovers(const std::string& folder);
};

// Makes the folder (ending with '/') and its missing parents, for the user
// alone; false when it cannot be made.
bool makeFolders(const std::string& folder);

// Where the copies of rewrites in place are kept: $XDG_STATE_HOME/verbalia/,
// by default ~/.local/state/verbalia/ (ending with '/'); empty when there is
// no home.
std::string rewriteCopyFolder();

// A rewrite in place that a crash cut short.
struct InterruptedRewrite {
    std::string path;          // the file rewritten
    bool restored = false;     // the file holds its bytes from before the save again
    bool changedSince = false; // not restored: the file is no longer as the crash left it
    std::string copy;          // when not restored: the kept copy of those bytes

    // What the user is told of it.
    std::string message() const;
};

// Mends every rewrite in place that a killed program left unfinished: a file
// holding neither its old bytes nor its new ones whole gets the old ones back
// from the copy, but only while it is the file the crash left (the same
// device and inode, a length between the old and the new one, changed no
// later than the rewrite could have changed it); one replaced or rewritten
// since is left alone. Copies no longer needed are removed; those still held
// by a running write are left alone. Returns the files restored, and those
// that were not (their copies kept).
std::vector<InterruptedRewrite> finishInterruptedRewrites();

// Reads the file a block at a time, handing each block to take, which returns
// false to stop early; memory stays at one block whatever the file's size.
// Pipes and FIFOs are read as streams. A regular file whose size or
// modification time changes while it is read (another program rewriting or
// cutting it) ends as changed.
PieceRead readInPieces(const std::string& path, const std::function<bool(std::string_view)>& take);

} // namespace verbalia
