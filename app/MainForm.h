#pragma once

// docs/ARCHITECTURE.md ("A map of the window") says which class holds which
// part, how a search and a harvest run, and where new parts go.

#include "RunController.h"
#include "SettingsFiles.h"
#include "WindowPlacement.h"
#include "WordLevels.h"
#include "app/core/DesktopIntegration.h"
#include "platform/PlatformServices.h"
#include "platform/UnreadableFiles.h"
#include "wordlist/KnownWordList.h"

#include <QMainWindow>

#include <array>
#include <functional>
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

    // The start-up sequence, the rescaling to the client area, the close
    // query (true: the window may close now).
    void FormShow();
    void FormResize();
    bool FormCloseQuery();

    // A close that cannot wait for the user (a signal, the end of the
    // session): no question; a run still going is halted and waited for, the
    // settings are saved and a changed list is kept in the state folder.
    void closeUnasked();
    // The process ends without a close (the display gone): a changed list is
    // kept in the state folder. Touches no widget.
    void processEnding();

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
    void Save_Settings(MessageBoxes& messages);
    void Toggle_Always_On_Top();
    void Toggle_Commonest_Words_First();
    // Without levels the View menu's choice is out of use; its tooltip says why.
    void levelsUnavailable(const QString& problem);
    void Auto_Run_at_Windows_Startup_OptionClick();
    void Restore_Factory_Defaults();
    // Offers a changed list for saving: true when nothing stands in the way
    // (unchanged, or No). Yes saves on the worker and `saved` follows once
    // the list is saved; a failed or refused save and Cancel lead nowhere.
    bool offerToSave(std::function<void()> saved);
    void keepUnsavedList();
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
    WordLevels m_levels{m_services.files, m_services.locations.sharedFolder + std::string(levelsFileName)};
    TAboutBox* m_aboutBox = nullptr;
    bool m_shown = false;
    bool m_closing = false; // the close query has let the window go, or nothing may ask
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
    QAction* Commonest_Words_First_Option = nullptr;
    DefinitionWindow* m_definitionWindow = nullptr; // a window of its own, made at the first request
    std::unique_ptr<WindowScaling> m_scaling;
};

} // namespace verbalia
