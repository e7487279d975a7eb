#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace verbalia {

// What verbalia's command line asks for.
enum class CommandLineAction { StartWindow, InstallDesktopEntry, RemoveDesktopEntry, ShowHelp, ShowVersion, UsageError };

struct ParsedCommandLine {
    CommandLineAction action = CommandLineAction::StartWindow;
    std::string problem; // what is wrong with it, one line, for UsageError
};

// Reads the arguments after the program name. None starts the window, and so
// does "-session ID" (or "--session ID"), with which the desktop session
// restarts the program it saved and which the window toolkit takes. Any other
// command line is one of the options alone.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

// Does what a command line that needs no window asks: the desktop entry, the
// help or the version on out, a usage error on err. Returns the exit status,
// or nothing when the window is to start.
std::optional<int> runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace verbalia
