#pragma once

#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"

#include <map>
#include <string>

namespace verbalia {

// The files that existed but could not be read, or were read only in part,
// when they were loaded. What the program did not see, a save must not replace
// unasked: a word list only after the user agrees, a history file not at all.
class UnreadableFiles {
public:
    // How a load of the file ended: a file unreadable or partly read is
    // remembered; one read or missing is forgotten.
    void note(const std::string& path, ReadOutcome outcome);

    bool contains(const std::string& path) const { return m_paths.count(path) > 0; }

    // Whether a save may replace the file: yes when it was not found
    // unreadable; else only when the user answers Yes to a question saying
    // so (No, or Escape, keeps the file). Once agreed, it is forgotten.
    bool mayReplace(const std::string& path, MessageBoxes& messages);

    // Whether a save must leave the file as it is, unasked (a settings or
    // history file): yes when it was found unreadable, after saying so.
    bool keepsUnread(const std::string& path, MessageBoxes& messages) const;

private:
    std::map<std::string, ReadOutcome> m_paths;
};

} // namespace verbalia
