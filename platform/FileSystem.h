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
// must not be taken for a missing one: replacing it would lose what it holds.
enum class ReadOutcome { read, missing, unreadable };

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

    // The file's bytes, or whether it is missing or there but unreadable
    // (by default: unreadable when readAll fails on a file that exists).
    virtual FileRead read(const std::string& path) const;

    // What the file is now, to find out later whether it was changed since
    // (by default the disk's answer).
    virtual std::optional<FileIdentity> identity(const std::string& path) const { return identifyFile(path); }

    // Replaces the file whole, as an editor saves: the bytes go to a
    // temporary file in the same folder, which takes the old file's owner and
    // permissions and is then renamed over it. A symbolic link is followed
    // (its target is replaced). A file that its owner may not write is not
    // replaced. In a folder that forbids new files, a file that may be written
    // is rewritten in place: its new length is reserved first, so a full disk
    // fails before a byte changes, and a copy of its old bytes is kept in
    // rewriteCopyFolder() until the rewrite is on disk, so a crash midway can
    // be undone at the next start (finishInterruptedRewrites). On failure
    // false is returned and the old file is untouched.
    virtual bool writeAll(const std::string& path, std::string_view bytes) = 0;

    // Deletes the file; true when no file is left at the path.
    virtual bool remove(const std::string& path) = 0;
};

// The real disk.
class DiskFileSystem final : public FileSystem {
public:
    bool exists(const std::string& path) const override;
    std::optional<std::string> readAll(const std::string& path) const override;
    PieceRead readPieces(const std::string& path, const std::function<bool(std::string_view)>& take) const override;
    FileRead read(const std::string& path) const override;
    bool writeAll(const std::string& path, std::string_view bytes) override;
    bool remove(const std::string& path) override;

    // Deletes the temporary files that writes into the folder (a path ending
    // in '/') left behind when the program was killed; those that a running
    // write still holds stay.
    void removeLeftovers(const std::string& folder);
};

// Where the copies of rewrites in place are kept: $XDG_STATE_HOME/verbalia/,
// by default ~/.local/state/verbalia/ (ending with '/'); empty when there is
// no home.
std::string rewriteCopyFolder();

// A rewrite in place that a crash cut short.
struct InterruptedRewrite {
    std::string path;      // the file rewritten
    bool restored = false; // the file holds its bytes from before the save again
    std::string copy;      // when not restored: the kept copy of those bytes
};

// Mends every rewrite in place that a killed program left unfinished: a file
// holding neither its old bytes nor its new ones whole gets the old ones back
// from the copy. Copies no longer needed are removed; those still held by a
// running write are left alone. Returns the files restored, and those that
// could not be (their copies kept).
std::vector<InterruptedRewrite> finishInterruptedRewrites();

// Reads the file a block at a time, handing each block to take, which returns
// false to stop early; memory stays at one block whatever the file's size.
// Pipes and FIFOs are read as streams. A regular file whose size or
// modification time changes while it is read (another program rewriting or
// cutting it) ends as changed.
PieceRead readInPieces(const std::string& path, const std::function<bool(std::string_view)>& take);

} // namespace verbalia
