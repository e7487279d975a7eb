#pragma once

#include "platform/FileSystem.h"

#include <optional>
#include <ostream>
#include <string>

namespace verbalia {

// The menu entry that starts the executable at the absolute path `program`;
// nothing when a desktop entry cannot hold the path (not UTF-8, or holding a
// control character).
std::optional<std::string> desktopEntryText(const std::string& program);

// Puts the program into the desktop's menu: copies the icons beside the
// executable into the user's icon theme and writes the menu entry, which
// points at the executable where it is now. Reports on `out` or `err` and
// returns the process exit status. `dataFolder` is the user's data folder
// (~/.local/share), ending with '/'.
int installDesktopEntry(FileSystem& files, const std::string& program, const std::string& dataFolder,
                        std::ostream& out, std::ostream& err);

// Removes the menu entry and the icons that installDesktopEntry wrote.
int removeDesktopEntry(FileSystem& files, const std::string& dataFolder, std::ostream& out, std::ostream& err);

// Runs --install-desktop-entry or --remove-desktop-entry when it is the only
// argument and returns the exit status; nothing for any other command line,
// which starts the window.
std::optional<int> runDesktopEntryCommand(int argc, char** argv);

} // namespace verbalia
