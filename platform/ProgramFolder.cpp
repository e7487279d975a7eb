#include "ProgramFolder.h"

#include "platform/DesktopEntryFile.h"
#include "platform/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <system_error>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
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

FileLocations portableLocations(const std::string& programFolder, const std::string& executableName)
{
    return {false,
            programFolder + executableName,
            programFolder,
            programFolder,
            programFolder,
            programFolder,
            programFolder + "verbalia.png",
            {programFolder + "wordnet/", "/usr/share/wordnet/"}};
}

std::optional<FileLocations> systemLocations(const XdgVariables& variables, const std::string& prefix)
{
    const auto folder = [&](const char* value, std::string_view underHome) -> std::optional<std::string> {
        const std::optional<std::string> base = xdgBaseFolder(value, variables.home, underHome);
        return base ? std::optional(*base + "/verbalia/") : std::nullopt;
    };
    const std::optional<std::string> data = folder(variables.dataHome, ".local/share");
    const std::optional<std::string> config = folder(variables.configHome, ".config");
    const std::optional<std::string> state = folder(variables.stateHome, ".local/state");
    if (!data || !config || !state) return std::nullopt;
    return FileLocations{true,
                         prefix + "/bin/verbalia",
                         *data,
                         *config,
                         *state,
                         prefix + "/share/verbalia/",
                         prefix + "/share/icons/hicolor/256x256/apps/verbalia.png",
                         {"/usr/share/wordnet/"}};
}

std::optional<FileLocations> fileLocations()
{
#ifdef VERBALIA_SYSTEM_PREFIX
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : nullptr;
    }
    return systemLocations(
        {home, std::getenv("XDG_DATA_HOME"), std::getenv("XDG_CONFIG_HOME"), std::getenv("XDG_STATE_HOME")},
        VERBALIA_SYSTEM_PREFIX);
#else
    return portableLocations(programFolder(), executableName());
#endif
}

std::string privateLibraryFolder()
{
#ifdef VERBALIA_SYSTEM_PREFIX
    return VERBALIA_SYSTEM_PREFIX "/lib/verbalia/";
#else
    return {};
#endif
}

std::optional<std::string> provideWordList(const FileLocations& locations)
{
    struct stat status;
    const std::string target = locations.wordList();
    if (!locations.system || ::lstat(target.c_str(), &status) == 0 || errno != ENOENT) return std::nullopt;
    const std::string source = locations.sharedFolder + "wordlist.dat";
    const auto problem = [&](const std::string& cause) {
        return "Cannot copy the word list " + source + " to " + target + ": " + cause;
    };
    if (!makeFolders(locations.dataFolder)) return problem(std::strerror(errno));
    // Copied under a name of its own, then linked in: a list another start
    // has put there meanwhile stays, and a half copy is never the list.
    const std::string partial = target + ".first-copy-" + std::to_string(::getpid());
    std::error_code error;
    std::filesystem::copy_file(source, partial, std::filesystem::copy_options::overwrite_existing, error);
    const bool linked = !error && (::link(partial.c_str(), target.c_str()) == 0 || errno == EEXIST);
    const std::string cause = error ? error.message() : std::strerror(errno);
    ::unlink(partial.c_str());
    return linked ? std::nullopt : std::optional(problem(cause));
}

} // namespace verbalia
