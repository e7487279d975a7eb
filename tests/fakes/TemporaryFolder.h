#pragma once

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace verbalia {

// A fresh folder of its own under the system's temporary folder, removed with
// everything in it at the end.
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "verbalia-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::filesystem::filesystem_error("mkdtemp", std::error_code(errno, std::generic_category()));
        m_path = pattern + "/";
    }
    ~TemporaryFolder() { std::filesystem::remove_all(m_path); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // Ends with '/'.
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace verbalia
