#pragma once

// docs/ARCHITECTURE.md ("A map of the window") says which class holds which
// part, how a search and a harvest run, and where new parts go.

#include "RunController.h"
#include "SettingsFiles.h"
#include "WindowPlacement.h"
#include "app/core/DesktopIntegration.h"
#include "platform/PlatformServices.h"
#include "platform/UnreadableFiles.h"
#include "wordlist/KnownWordList.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QPushButton;
class QTabWidget;

namespace verbalia {

class DefinitionWindow;
class MaintenancePage;
class SearchPage;
class SharedFilters;
class SolverPage;
class TAboutBox;
struct KeptHistory;
class WindowScaling;

// The main window: the menu, the page control with three search pages, the
// word list maintenance page and the crossword solver page, the filters the searches share, Exit and
// Halt, the start-up sequence, the settings and the close query. The pages
// do their own work; the window connects their signals.
class TMainForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm1(PlatformServices services, QWidget* parent = nullptr);
    ~TMainForm1() override;

    KnownWordList& knownWordList() { return m_knownWords; }
    const WordStore& knownWords() const { return m_knownWords.words(); }
    void setAboutBox(TAboutBox* aboutBox) { m_aboutBox = aboutBox; }
    bool isRunning() const { return m_runs.running(); } // a search or a harvest
    // The active page, or -1 when none is.
    int activePageIndex() const;

    // The start-up sequence, the rescaling to the client area, the close query.
    void FormShow();
    void FormResize();
    void FormCloseQuery();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void PageControl1Change();
    void createControls();
    void createMenu();
    void setUpKeyboardAccess();
    void readSettings();
    void Save_Settings();
    void Toggle_Always_On_Top();
    void Auto_Run_at_Windows_Startup_OptionClick();
    void Restore_Factory_Defaults();
    // An index outside the pages leaves none showing until the user picks a tab.
    void selectPage(int index);
    void switchPage(int step);
    std::vector<QWidget*> tabOrder(int page) const;
    // Every box whose list is kept in a history file.
    std::vector<KeptHistory> keptHistories() const;
    void showDefinition(const std::string& word);

    PlatformServices m_services;
    DesktopIntegration m_desktop{m_services};
    KnownWordList m_knownWords;
    UnreadableFiles m_unreadableFiles; // the program's files found unreadable
    SettingsFiles m_settingsFiles{m_services, m_unreadableFiles};
    TAboutBox* m_aboutBox = nullptr;
    bool m_shown = false;
    bool m_noPageSelected = false;
    bool m_openMaximized = false;
    WindowPlacement m_placement{*this, m_services.frame};
    RunController m_runs{*this};
    QTabWidget* PageControl1 = nullptr;
    std::array<SearchPage*, 3> m_searchPages{};
    MaintenancePage* m_maintenance = nullptr;
    SolverPage* m_solver = nullptr;
    SharedFilters* m_filters = nullptr;
    QPushButton* Halt_Processing_BitBtn = nullptr;
    QPushButton* Exit_BitBtn = nullptr;
    QAction* Always_On_Top_Option = nullptr;
    QAction* Auto_Run_at_Windows_Startup_Option = nullptr;
    DefinitionWindow* m_definitionWindow = nullptr; // a window of its own, made at the first request
    std::unique_ptr<WindowScaling> m_scaling;
};

} // namespace verbalia
