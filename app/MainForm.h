#pragma once

#include "RunController.h"
#include "SettingsFiles.h"
#include "WindowPages.h"
#include "WindowPlacement.h"
#include "WordLevels.h"
#include "app/core/DesktopIntegration.h"
#include "platform/PlatformServices.h"
#include "platform/UnreadableFiles.h"
#include "wordlist/KnownWordList.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QPushButton;
class QTabWidget;

namespace verbalia {

class DefinitionWindow;
class TAboutBox;
class WindowMenu;
class WindowScaling;

// The main window: the menu, the page control with its five pages and the
// filters the search pages share, Exit and Halt, the start-up sequence, the
// settings and the close query. The pages do their own work; the window
// connects their signals. docs/ARCHITECTURE.md ("A map of the window") says
// which class holds which part and where new parts go.
class TMainForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm1(PlatformServices services, QWidget* parent = nullptr);
    ~TMainForm1() override;

    KnownWordList& knownWordList() { return m_knownWords; }
    const WordStore& knownWords() const { return m_knownWords.words(); }
    void setAboutBox(TAboutBox* aboutBox) { m_aboutBox = aboutBox; }
    bool isRunning() const { return m_runs.running(); } // a search or a harvest
    int activePageIndex() const; // -1 when none is

    // Start-up, rescaling to the client area, close query (true: it may close now).
    void FormShow();
    void FormResize();
    bool FormCloseQuery();

    // A close that cannot wait for the user (a signal, the session's end): a
    // run is halted, the settings saved, a changed list kept in the state folder.
    void closeUnasked();
    void processEnding(); // no close (the display gone): only the list is kept

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void PageControl1Change();
    void createControls();
    void setUpKeyboardAccess();
    void readSettings();
    void Save_Settings(MessageBoxes& messages);
    void Restore_Factory_Defaults();
    // Offers a changed list for saving: true when unchanged, or No. Yes saves on
    // the worker, then calls `saved`; a failed save and Cancel lead nowhere.
    bool offerToSave(std::function<void()> saved);
    void keepUnsavedList();
    void selectPage(int index); // one outside the pages shows none until a tab is picked
    void switchPage(int step);
    std::vector<QWidget*> tabOrder(int page) const;
    void showDefinition(const std::string& word);

    PlatformServices m_services;
    DesktopIntegration m_desktop{m_services};
    KnownWordList m_knownWords;
    UnreadableFiles m_unreadableFiles;
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
    WindowPages m_pages;
    QPushButton* Halt_Processing_BitBtn = nullptr;
    QPushButton* Exit_BitBtn = nullptr;
    DefinitionWindow* m_definitionWindow = nullptr; // a window of its own, made at the first request
    std::unique_ptr<WindowScaling> m_scaling;
    std::unique_ptr<WindowMenu> m_menu;
};

} // namespace verbalia
