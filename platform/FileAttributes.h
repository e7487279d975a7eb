#pragma once

#include <optional>
#include <string>

namespace verbalia {

// File attribute bits.
enum FileAttribute : unsigned {
    readOnlyAttribute = 1,
    hiddenAttribute = 2,
    systemAttribute = 4,
    archiveAttribute = 32
};

// What opening a file for reading and writing, alone, found.
enum class ExclusiveOpen { Opened, NotFound, HeldElsewhere, Failed };

// A file's attribute bits, and a probe of whether another program holds it.
class FileAttributes {
public:
    virtual ~FileAttributes() = default;

    // Gives the file these attribute bits, as far as the system has them.
    virtual void setAttributes(const std::string& path, unsigned bits) = 0;

    // The file's attribute bits; nothing when they cannot be read.
    virtual std::optional<unsigned> attributes(const std::string& path) const = 0;

    // Opens the file for reading and writing with an exclusive lock, without
    // waiting for one, and closes it again.
    virtual ExclusiveOpen probeExclusiveOpen(const std::string& path) const = 0;
};

// On Linux, read-only is the lack of the owner's write permission; hidden,
// system and archive have no counterpart and always read as clear. The probe
// takes both kinds of exclusive lock (flock and fcntl), so a program holding
// either is seen.
class DiskFileAttributes final : public FileAttributes {
public:
    void setAttributes(const std::string& path, unsigned bits) override;
    std::optional<unsigned> attributes(const std::string& path) const override;
    ExclusiveOpen probeExclusiveOpen(const std::string& path) const override;
};

} // namespace verbalia
