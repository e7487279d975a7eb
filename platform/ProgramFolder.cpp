#include "ProgramFolder.h"

#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace verbalia {

std::string executablePath()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : executable.string();
}

std::string programFolder()
{
    std::error_code error;
    const std::string executable = executablePath();
    const std::filesystem::path folder =
        executable.empty() ? std::filesystem::current_path(error) : std::filesystem::path(executable).parent_path();
    std::string result = folder.string();
    if (result.empty() || result.back() != '/') result.push_back('/');
    return result;
}

bool lockProgramFolder(const std::string& folder)
{
    // Kept open until the process ends; not handed to programs it starts,
    // which would otherwise hold the lock after it ends.
    const int directory = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0) return true;
    if (::flock(directory, LOCK_EX | LOCK_NB) == 0) return true;
    ::close(directory);
    return false;
}

std::string executableName() { return std::filesystem::path(executablePath()).filename().string(); }

} // namespace verbalia
