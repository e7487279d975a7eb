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

// What a start found: the window may run, or another program holds its
// folder, or the file its word list leads to.
enum class WindowLock { taken, folderHeld, listHeld };

// Locks the folder and the word list's file (links followed) for the rest of
// the process's life, so that a second program started on the same folder, or
// on another whose word list leads to the same file, finds them taken; the
// system frees the locks when the process ends, a crash included, and they
// work in a read-only folder. What cannot be locked (a folder that cannot be
// opened, no state folder for the list's lock) is passed over.
WindowLock lockProgramFolder(const std::string& folder, const std::string& wordList);

} // namespace verbalia
