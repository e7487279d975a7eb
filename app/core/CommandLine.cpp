#include "app/core/CommandLine.h"

#include "app/core/DesktopEntry.h"

#include "platform/DesktopEntryFile.h"
#include "platform/ProgramFolder.h"
#include "text/ProgramTitle.h"

#include <cstdlib>
#include <ostream>

namespace verbalia {

namespace {

constexpr int usageError = 64;
constexpr int writeError = 74;

constexpr const char* usageLine =
    "Usage: verbalia [--install-desktop-entry | --remove-desktop-entry | --help | --version]\n";

constexpr const char* helpText =
    "Finds words for crosswords and word games in a list of known words: by a\n"
    "wildcard pattern, by letters or by sound. Without an option it opens its\n"
    "window. The word list (wordlist.dat), the settings and the search histories\n"
    "are kept in the program's own folder; installed from a package, in\n"
    "~/.local/share/verbalia, ~/.config/verbalia and ~/.local/state/verbalia.\n"
    "\n"
    "Options:\n"
    "  --install-desktop-entry  add Verbalia to the desktop's menu, the Tab\n"
    "                           completion of verbalia-find to bash, and a link\n"
    "                           to verbalia-find to ~/.local/bin\n"
    "  --remove-desktop-entry   take them out again\n"
    "  --help                   show this help and exit\n"
    "  --version                show the version and exit\n"
    "\n"
    "The user guide is verbalia.txt (man verbalia); verbalia-find --help\n"
    "tells how to search from the command line.\n";

int runDesktopEntryCommand(bool install, std::ostream& out, std::ostream& err)
{
    if (const std::optional<FileLocations> locations = fileLocations(); locations && locations->system) {
        out << (install ? "The package has put Verbalia into the desktop's menu and verbalia-find on the PATH "
                          "already; there is nothing to install.\n"
                        : "Verbalia's menu entry belongs to its package, and goes when the package is removed.\n");
        return 0;
    }
    const char* home = std::getenv("HOME");
    const std::optional<std::string> binFolder = xdgBaseFolder(nullptr, home, ".local/bin");
    const std::optional<std::string> dataFolder =
        xdgBaseFolder(std::getenv("XDG_DATA_HOME"), home, ".local/share");
    if (!dataFolder || !binFolder) {
        err << "HOME does not name the folders of the desktop's menu entries and of the user's programs\n";
        return 1;
    }
    DiskFileSystem files;
    const std::string folder = *dataFolder + "/";
    const std::string bin = *binFolder + "/";
    return install ? installDesktopEntry(files, executablePath(), folder, bin, out, err)
                   : removeDesktopEntry(files, executablePath(), folder, bin, out, err);
}

} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args)
{
    using enum CommandLineAction;
    if (args.empty()) return {StartWindow, {}};
    if (args.size() == 2 && (args[0] == "-session" || args[0] == "--session")) return {StartWindow, {}};

    const auto option = [](const std::string& arg) -> std::optional<CommandLineAction> {
        if (arg == "--install-desktop-entry") return InstallDesktopEntry;
        if (arg == "--remove-desktop-entry") return RemoveDesktopEntry;
        if (arg == "--help") return ShowHelp;
        if (arg == "--version") return ShowVersion;
        return std::nullopt;
    };
    for (const std::string& arg : args)
        if (!option(arg)) return {UsageError, (arg.starts_with('-') ? "unknown option " : "unexpected argument ") + arg};
    if (args.size() > 1) return {UsageError, "one option at a time"};
    return {*option(args[0]), {}};
}

std::optional<int> runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const ParsedCommandLine command = parseCommandLine(args);
    switch (command.action) {
    case CommandLineAction::StartWindow:
        return std::nullopt;
    case CommandLineAction::InstallDesktopEntry:
    case CommandLineAction::RemoveDesktopEntry:
        return runDesktopEntryCommand(command.action == CommandLineAction::InstallDesktopEntry, out, err);
    case CommandLineAction::ShowHelp:
        out << usageLine << helpText;
        break;
    case CommandLineAction::ShowVersion:
        out << "Verbalia " << programVersion << '\n';
        break;
    case CommandLineAction::UsageError:
        err << "verbalia: " << command.problem << '\n' << usageLine;
        return usageError;
    }
    return out.flush() ? 0 : writeError;
}

} // namespace verbalia
