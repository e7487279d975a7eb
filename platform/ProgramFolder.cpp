#include "ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace verbalia {

std::string programFolder()
{
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    std::filesystem::path folder = error ? std::filesystem::current_path(error) : executable.parent_path();
    std::string result = folder.string();
    if (result.empty() || result.back() != '/') result.push_back('/');
    return result;
}

} // namespace verbalia
