#include "ProgramFolder.h"

#include <filesystem>
#include <system_error>

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

std::string executableName() { return std::filesystem::path(executablePath()).filename().string(); }

} // namespace verbalia
