#include "WindowMenu.h"

#include "WordLevels.h"
#include "app/core/DesktopIntegration.h"
#include "platform/WindowManager.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace verbalia {

// A checkable entry has already changed its check mark when it reports the
// choice; its command sets the mark itself (and keeps it when the command
// fails), so it is put back first.
WindowMenu::WindowMenu(QMainWindow& window, WindowManager& windowManager, DesktopIntegration& desktop,
                       WordLevels& levels)
    : m_windowManager(windowManager), m_desktop(desktop), m_levels(levels)
{
    auto action = [this](QMenu* menu, const char* name, const char* caption, auto command, bool checkable = false) {
        QAction* entry = menu->addAction(QString::fromLatin1(caption));
        entry->setObjectName(QString::fromLatin1(name));
        entry->setCheckable(checkable);
        connect(entry, &QAction::triggered, this, [entry, command](bool checked) {
            if (entry->isCheckable()) entry->setChecked(!checked);
            command();
        });
        return entry;
    };
    auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };

    QMenuBar* MainMenu1 = window.menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* FileMenu = MainMenu1->addMenu(QStringLiteral("&File"));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    Always_On_Top_Option = action(FileMenu, "Always_On_Top_Option", "Always &On Top",
                                  [this] { Toggle_Always_On_Top(); }, true);
    Auto_Run_at_Windows_Startup_Option =
        action(FileMenu, "Auto_Run_at_Windows_Startup_Option", "&Auto-Run at Windows Startup",
               [this] { Auto_Run_at_Windows_Startup_OptionClick(); }, true);
    action(FileMenu, "Restore_Factory_Defaults_Option", "&Restore Factory Defaults",
           [this] { emit restoreFactoryDefaultsRequested(); });
    separator(FileMenu, "N2");
    action(FileMenu, "ExitOption", "E&xit", [&window] { window.close(); });

    QMenu* ViewMenu = MainMenu1->addMenu(QStringLiteral("&View"));
    ViewMenu->setObjectName(QStringLiteral("ViewMenu"));
    ViewMenu->setToolTipsVisible(true);
    Commonest_Words_First_Option = action(ViewMenu, "Commonest_Words_First_Option", "&Commonest Words First",
                                          [this] { Toggle_Commonest_Words_First(); }, true);

    QMenu* HelpMenu = MainMenu1->addMenu(QStringLiteral("&Help"));
    HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
    action(HelpMenu, "View_Readme_file_Option", "&View Readme file", [this] { m_desktop.View_Readme(); })
        ->setShortcut(QKeySequence(Qt::Key_F1));
    action(HelpMenu, "View_Shareware_Catalog_Option", "View &Shareware Catalog", [this] { m_desktop.View_Catalog(); });
    separator(HelpMenu, "N1");
    action(HelpMenu, "AboutOption", "&About", [this] { emit aboutRequested(); });

    connect(&m_levels, &WordLevels::unavailable, this, &WindowMenu::levelsUnavailable);
}

void WindowMenu::applySettings(const SettingsValues& values)
{
    Always_On_Top_Option->setChecked(values.alwaysOnTop);
    Auto_Run_at_Windows_Startup_Option->setChecked(values.autoRun);
    Commonest_Words_First_Option->setChecked(values.commonestFirst);
    m_levels.setCommonestFirst(values.commonestFirst);
}

void WindowMenu::collectSettings(SettingsValues& values) const
{
    values.alwaysOnTop = Always_On_Top_Option->isChecked();
    values.autoRun = Auto_Run_at_Windows_Startup_Option->isChecked();
    values.commonestFirst = Commonest_Words_First_Option->isChecked();
}

void WindowMenu::applyCheckMarks()
{
    Always_On_Top_Option->setChecked(!Always_On_Top_Option->isChecked());
    Toggle_Always_On_Top();
    Auto_Run_at_Windows_Startup_Option->setChecked(m_desktop.Check_Auto_Run());
}

void WindowMenu::levelsUnavailable(const QString& problem)
{
    Commonest_Words_First_Option->setEnabled(false);
    Commonest_Words_First_Option->setToolTip(problem);
}

// The window keeps its place, size and activation.
void WindowMenu::Toggle_Always_On_Top()
{
    const bool above = !Always_On_Top_Option->isChecked();
    Always_On_Top_Option->setChecked(above);
    m_windowManager.setKeepAbove(above);
}

// Each search page lists its next results commonest first, or in list order.
void WindowMenu::Toggle_Commonest_Words_First()
{
    const bool first = !Commonest_Words_First_Option->isChecked();
    Commonest_Words_First_Option->setChecked(first);
    m_levels.setCommonestFirst(first);
}

void WindowMenu::Auto_Run_at_Windows_Startup_OptionClick()
{
    QAction* entry = Auto_Run_at_Windows_Startup_Option;
    if (entry->isChecked()) {
        if (m_desktop.Disable_Auto_Run()) entry->setChecked(false);
    } else if (m_desktop.Enable_Auto_Run()) {
        entry->setChecked(true);
    }
}

} // namespace verbalia
