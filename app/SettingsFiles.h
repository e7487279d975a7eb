#pragma once

#include "app/core/SettingsTable.h"
#include "platform/PlatformServices.h"

#include <span>
#include <string>

namespace verbalia {

struct KeptHistory;
class MessageBoxes;
class UnreadableFiles;

// The settings file and the box histories in the program folder: read at
// start-up, written at close. Each file is written on its own, so one that
// fails costs only its own contents and is reported once; a file that could
// not be read, at start-up or at the save, is not written over.
class SettingsFiles {
public:
    SettingsFiles(const PlatformServices& services, UnreadableFiles& unreadableFiles);

    std::string settingsPath() const;
    // Every value, a missing or unreadable one taking its default.
    SettingsValues read();
    void loadHistories(std::span<const KeptHistory> histories);
    // The settings in the order of the table, with the histories
    // between the menu's check marks and the controls; what fails is told
    // through the messages given.
    void save(const SettingsValues& values, std::span<const KeptHistory> histories, MessageBoxes& messages);
    void saveHistories(std::span<const KeptHistory> histories, MessageBoxes& messages);

private:
    const PlatformServices& m_services;
    UnreadableFiles& m_unreadableFiles;
};

} // namespace verbalia
