#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace verbalia {

// Whole-file access to the program's files. Paths are native byte strings.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True when a regular file exists at the path.
    virtual bool exists(const std::string& path) const = 0;

    // The file's bytes, or nothing when it cannot be opened or read.
    virtual std::optional<std::string> readAll(const std::string& path) const = 0;

    // Replaces the file whole: the bytes go to a temporary file in the same
    // folder, which is then renamed over the old one. On failure the old file
    // is untouched and false is returned.
    virtual bool writeAll(const std::string& path, std::string_view bytes) = 0;

    // Deletes the file; true when no file is left at the path.
    virtual bool remove(const std::string& path) = 0;
};

// The real disk.
class DiskFileSystem final : public FileSystem {
public:
    bool exists(const std::string& path) const override;
    std::optional<std::string> readAll(const std::string& path) const override;
    bool writeAll(const std::string& path, std::string_view bytes) override;
    bool remove(const std::string& path) override;
};

} // namespace verbalia
