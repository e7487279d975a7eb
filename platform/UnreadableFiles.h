#pragma once

#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"

#include <set>
#include <string>

namespace verbalia {

// The files that existed but could not be read when they were loaded. What
// the program did not see, a save must not replace unasked: a word list only
// after the user agrees, a history file not at all.
class UnreadableFiles {
public:
    // How a load of the file ended: an unreadable file is remembered; one
    // read or missing is forgotten.
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
    std::set<std::string> m_paths;
};

} // namespace verbalia
