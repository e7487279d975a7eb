#include "ProgramFolder.h"

#include "platform/FileSystem.h"

#include <cstdio>
#include <filesystem>
#include <functional>
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

namespace {

// Takes an exclusive lock on the open descriptor, kept open until the process
// ends; false when another process holds it.
bool lockForLife(int fd)
{
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    ::close(fd);
    return false;
}

// The word list's file as one name whatever leads to it: its links followed
// and its folder's path made canonical.
std::string realFile(const std::string& path)
{
    const std::string target = followLinks(path);
    const std::size_t slash = target.rfind('/');
    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::canonical(slash == std::string::npos ? "." : target.substr(0, slash + 1), error);
    return error ? target : (folder / target.substr(slash + 1)).string();
}

} // namespace

WindowLock lockProgramFolder(const std::string& folder, const std::string& wordList)
{
    // Not handed to programs the window starts, which would otherwise hold
    // the locks after it ends.
    if (!lockForLife(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))) return WindowLock::folderHeld;
    // The list's file changes with each save, so its lock is a file of its own
    // in the state folder, named after the list's real path.
    const std::string state = rewriteCopyFolder();
    if (state.empty() || !makeFolders(state)) return WindowLock::taken;
    char name[32];
    std::snprintf(name, sizeof name, "list-%016zx.lock", std::hash<std::string>{}(realFile(wordList)));
    return lockForLife(::open((state + name).c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600)) ? WindowLock::taken
                                                                                           : WindowLock::listHeld;
}

std::string executableName() { return std::filesystem::path(executablePath()).filename().string(); }

} // namespace verbalia
