#include "UnreadableFiles.h"

#include "platform/CodePage.h"

namespace verbalia {

void UnreadableFiles::note(const std::string& path, ReadOutcome outcome)
{
    if (outcome == ReadOutcome::unreadable || outcome == ReadOutcome::partlyRead)
        m_paths[path] = outcome;
    else
        m_paths.erase(path);
}

bool UnreadableFiles::keepsUnread(const std::string& path, MessageBoxes& messages) const
{
    if (!contains(path)) return false;
    messages.show(MessageKind::Warning, "The file " + codepage::fromUtf8(path) + " could not be read, so it was not replaced.");
    return true;
}

bool UnreadableFiles::mayReplace(const std::string& path, MessageBoxes& messages)
{
    const auto found = m_paths.find(path);
    if (found == m_paths.end()) return true;
    const std::string question = "The file " + codepage::fromUtf8(path) +
                                 (found->second == ReadOutcome::partlyRead
                                      ? " was read only up to a NUL byte, and saving will replace all of it."
                                      : " could not be read, and saving will replace it.") +
                                 "  Replace it ?";
    if (messages.ask(MessageKind::Confirm, question, Answer::No) != Answer::Yes) return false;
    m_paths.erase(path);
    return true;
}

} // namespace verbalia
