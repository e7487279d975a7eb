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
// executable into the user's icon theme and verbalia-find's bash completion
// (share/bash-completion/completions/ beside it) into the user's completions,
// and writes the menu entry, which points at the executable where it is now;
// then links verbalia-find beside it into `binFolder` (~/.local/bin), unless
// something else has that name there. Reports on `out` or `err` and returns
// the process exit status. `dataFolder` is the user's data folder
// (~/.local/share); both folders end with '/'.
int installDesktopEntry(FileSystem& files, const std::string& program, const std::string& dataFolder,
                        const std::string& binFolder, std::ostream& out, std::ostream& err);

// Removes the menu entry and the files that installDesktopEntry wrote, and
// the link to this program's verbalia-find (no other file of that name).
int removeDesktopEntry(FileSystem& files, const std::string& program, const std::string& dataFolder,
                       const std::string& binFolder, std::ostream& out, std::ostream& err);

} // namespace verbalia
