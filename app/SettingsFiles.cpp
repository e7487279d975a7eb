#include "SettingsFiles.h"

#include "HistoryBox.h"
#include "platform/CodePage.h"
#include "platform/IniFile.h"
#include "platform/UnreadableFiles.h"

namespace verbalia {

SettingsFiles::SettingsFiles(const PlatformServices& services, UnreadableFiles& unreadableFiles)
    : m_services(services)
    , m_unreadableFiles(unreadableFiles)
{
}

std::string SettingsFiles::settingsPath() const { return m_services.locations.configFolder + "verbalia.ini"; }

SettingsValues SettingsFiles::read()
{
    const IniFile settings(m_services.files, settingsPath());
    m_unreadableFiles.note(settings.path(), settings.readOutcome());
    return readSettingsValues(settings);
}

// Load_History for each box.
void SettingsFiles::loadHistories(std::span<const KeptHistory> histories)
{
    for (const KeptHistory& history : histories) {
        const std::string path = m_services.locations.stateFolder + history.file;
        const FileRead read = m_services.files.read(path);
        m_unreadableFiles.note(path, read.outcome);
        setHistory(history.box, read.outcome == ReadOutcome::read ? parseHistory(read.bytes) : History());
    }
}

void SettingsFiles::save(const SettingsValues& values, std::span<const KeptHistory> histories, MessageBoxes& messages)
{
    IniFile settings(m_services.files, settingsPath());
    // Unreadable now, or gone (nothing left to lose); a file read now but not
    // at start-up still holds keys the window never saw.
    if (settings.readOutcome() != ReadOutcome::read) m_unreadableFiles.note(settings.path(), settings.readOutcome());
    bool writing = !m_unreadableFiles.keepsUnread(settings.path(), messages);
    const auto writeGroups = [&](std::initializer_list<SettingGroup> groups) {
        if (!writing || writeSettingsValues(settings, groups, values)) return;
        messages.show(MessageKind::Error, "Unable to write to " + codepage::fromUtf8(settings.path()));
        writing = false;
    };
    writeGroups({SettingGroup::Window, SettingGroup::Menu});
    saveHistories(histories, messages);
    writeGroups({SettingGroup::Controls});
}

// Save_History for each box.
void SettingsFiles::saveHistories(std::span<const KeptHistory> histories, MessageBoxes& messages)
{
    for (const KeptHistory& history : histories) {
        const std::string path = m_services.locations.stateFolder + history.file;
        if (m_unreadableFiles.keepsUnread(path, messages)) continue;
        if (!m_services.files.writeAll(path, serializeHistory(historyOf(history.box))))
            messages.show(MessageKind::Error, "Cannot create file " + codepage::fromUtf8(path));
    }
}

} // namespace verbalia
