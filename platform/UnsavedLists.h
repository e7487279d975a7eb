#pragma once

#include "platform/FileSystem.h"

#include <optional>
#include <string>
#include <vector>

namespace verbalia {

// Where a close that could not ask the user (a signal, the end of the desktop
// session, the display gone) keeps a changed list: unsaved-YYYYMMDD-HHMMSS.dat
// in the state folder, local time. The next start tells of each file once:
// the names already told are listed in unsaved-told.txt beside them.
class UnsavedLists {
public:
    // The folder ends with '/'; empty when there is none (no home).
    UnsavedLists(FileSystem& files, std::string folder)
        : m_files(files), m_folder(std::move(folder)) {}

    // Writes the content to a new file in the folder (made if need be); its
    // path, or nothing when it could not be written.
    std::optional<std::string> keep(const FileContent& content);

    // The kept files no start has told of yet, oldest first, each then
    // remembered as told.
    std::vector<std::string> takeUntold();

private:
    FileSystem& m_files;
    std::string m_folder;
};

} // namespace verbalia
