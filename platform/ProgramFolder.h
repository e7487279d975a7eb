#pragma once

#include <string>

namespace verbalia {

// The full path of the running executable; empty when the system does not
// tell it.
std::string executablePath();

// The folder of the running executable, ending with a path separator.
std::string programFolder();

// The running executable's file name, without its folder.
std::string executableName();

// Locks the folder for the rest of the process's life, so that a second
// program started on the same folder finds it taken; the system frees the lock
// when the process ends, a crash included, and it works in a read-only folder.
// False when another process holds it; a folder that cannot be opened is not
// locked and gives true.
bool lockProgramFolder(const std::string& folder);

} // namespace verbalia
