#pragma once

#include <optional>
#include <string>
#include <vector>

namespace verbalia {

// The full path of the running executable; empty when the system does not
// tell it.
std::string executablePath();

// The folder of the running executable, ending with a path separator.
std::string programFolder();

// The running executable's file name, without its folder.
std::string executableName();

// Where the programs keep and find their files; every folder ends with '/'.
struct FileLocations {
    bool system = false;        // installed for every user by the package
    std::string executable;     // what the desktop's menu and autostart entries start
    std::string dataFolder;     // the word list; held by one window at a time
    std::string configFolder;   // verbalia.ini
    std::string stateFolder;    // the search histories
    std::string sharedFolder;   // the release's files: the list's original, its levels, the guide, the catalog
    std::string icon;           // the window's icon
    std::vector<std::string> definitionFolders; // where the WordNet database is looked for, in turn

    std::string wordList() const { return dataFolder + "wordlist.dat"; }
};

// The portable release's: everything in the program's folder, the definitions
// in its wordnet/ or else the system's.
FileLocations portableLocations(const std::string& programFolder, const std::string& executableName);

// The environment a system install reads its folders from; null when unset.
struct XdgVariables {
    const char* home;
    const char* dataHome;
    const char* configHome;
    const char* stateHome;
};

// A system install under `prefix` (such as /usr): the user's files in the
// freedesktop base folders' verbalia/, the release's in share/verbalia/, the
// definitions from Debian's wordnet-base; nothing when there is no home.
std::optional<FileLocations> systemLocations(const XdgVariables& variables, const std::string& prefix);

// The build's own: a system install's when it was configured for one (the
// home from the user database when HOME is unset), else the portable's.
std::optional<FileLocations> fileLocations();

// Where a system install keeps the libraries of its own (ending with '/');
// empty for the portable release, whose programs find them through their run path.
std::string privateLibraryFolder();

// A system install's first start: copies the release's word list into the
// data folder when nothing lies there (a file the user has is never
// replaced, even a broken link). The problem, when the copy failed.
std::optional<std::string> provideWordList(const FileLocations& locations);

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
