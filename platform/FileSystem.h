#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace verbalia {

// How a read in pieces ended.
enum class PieceRead { done, cannotOpen, cannotRead, changed };

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

    // Replaces the file whole, as an editor saves: the bytes go to a
    // temporary file in the same folder, which takes the old file's owner and
    // permissions and is then renamed over it. A symbolic link is followed
    // (its target is replaced). A file that its owner may not write is not
    // replaced. In a folder that forbids new files, a file that may be written
    // is rewritten in place. On failure false is returned; the old file is
    // untouched except when a rewrite in place fails.
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
    bool writeAll(const std::string& path, std::string_view bytes) override;
    bool remove(const std::string& path) override;

    // Deletes the temporary files that writes into the folder (a path ending
    // in '/') left behind when the program was killed; those that a running
    // write still holds stay.
    void removeLeftovers(const std::string& folder);
};

// Reads the file a block at a time, handing each block to take, which returns
// false to stop early; memory stays at one block whatever the file's size.
// Pipes and FIFOs are read as streams. A regular file whose size or
// modification time changes while it is read (another program rewriting or
// cutting it) ends as changed.
PieceRead readInPieces(const std::string& path, const std::function<bool(std::string_view)>& take);

} // namespace verbalia
