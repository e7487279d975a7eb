#pragma once

#include "app/core/SettingsTable.h"

#include <QObject>

class QAction;
class QMainWindow;

namespace verbalia {

class DesktopIntegration;
class WindowManager;
class WordLevels;

// The window's menu bar: File (Always On Top, Auto-Run, Restore Factory
// Defaults, Exit), View (Commonest Words First) and Help. It keeps its own
// check marks and carries out the commands that need nothing else of the
// window; the two that do are told by signals.
class WindowMenu final : public QObject {
    Q_OBJECT

public:
    WindowMenu(QMainWindow& window, WindowManager& windowManager, DesktopIntegration& desktop, WordLevels& levels);

    void applySettings(const SettingsValues& values);
    void collectSettings(SettingsValues& values) const;
    // At start-up: the Always On Top mark read is inverted and then toggled
    // back, which applies it to the window; the autostart list, not the
    // settings, decides Auto-Run's mark.
    void applyCheckMarks();
    // Without levels Commonest Words First is out of use; its tooltip says why.
    void levelsUnavailable(const QString& problem);

signals:
    void restoreFactoryDefaultsRequested();
    void aboutRequested();

private:
    void Toggle_Always_On_Top();
    void Toggle_Commonest_Words_First();
    void Auto_Run_at_Windows_Startup_OptionClick();

    WindowManager& m_windowManager;
    DesktopIntegration& m_desktop;
    WordLevels& m_levels;
    QAction* Always_On_Top_Option = nullptr;
    QAction* Auto_Run_at_Windows_Startup_Option = nullptr;
    QAction* Commonest_Words_First_Option = nullptr;
};

} // namespace verbalia
