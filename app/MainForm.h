#pragma once

// docs/ARCHITECTURE.md ("A map of the window") says which class holds which
// part, how a search and a harvest run, and where new parts go.

#include "WindowPlacement.h"
#include "app/core/DesktopIntegration.h"
#include "app/core/SettingsTable.h"
#include "platform/PlatformServices.h"
#include "platform/UnreadableFiles.h"
#include "wordlist/KnownWordList.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace verbalia {

class DefinitionWindow;
class MaintenancePage;
class RunController;
class SearchPage;
class SharedFilters;
class TAboutBox;
class WindowScaling;
struct LetterModes;

// The main window: the menu, the page control with three search pages and
// the word list maintenance page, the filters the searches share, Exit and
// Halt, the start-up sequence and the close query. Handlers keep the names
// of their control and event and forward to the part that does the work.
class TMainForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm1(PlatformServices services, QWidget* parent = nullptr);
    ~TMainForm1() override;

    const WordStore& knownWords() const { return m_knownWords.words(); }
    void setAboutBox(TAboutBox* aboutBox) { m_aboutBox = aboutBox; }
    // True while a search or a harvest runs.
    bool isRunning() const;
    // The active page, or -1 when none is.
    int activePageIndex() const;

public slots:
    void FormShow();
    void FormCloseQuery();
    void FormResize();
    void ExitOptionClick();
    void Exit_BitBtnClick();
    void AboutOptionClick();
    void PageControl1Change();
    void Lower_Length_SpinEditChange();
    void Upper_Length_SpinEditChange();
    void Search_for_Words_with_these_and_other_letters_RadioButtonClick();

    void Wildcard_Search_BitBtnClick();
    void Search_for_Words_with_these_Letters_BitBtnClick();
    void Phonetic_Word_Search_BitBtnClick();
    void Wildcard_Search_ComboBoxKeyDown(int key);
    void Words_With_These_Letters_Search_ComboBoxKeyDown(int key);
    void Phonetic_Search_ComboBoxKeyDown(int key);
    void Reset_Wildcard_Search_Edit_BitBtnClick();
    void Reset_Words_With_These_Letters_Search_Edit_BitBtnClick();
    void Reset_Phonetic_Search_Edit_BitBtnClick();
    void Clipboard_Copy_WildCard_Search_Results_BitBtnClick();
    void Clipboard_Copy_Words_With_These_Letters_Search_BitBtnClick();
    void Clipboard_Copy_Phonetic_Search_BitBtnClick();
    void Reset_Excluded_Letters_Edit_BitBtnClick();
    void Halt_Processing_BitBtnClick();

    void Show_Known_Word_Count();
    void Copy_Word_List_To_Clipboard_BitBtnClick();
    void Reset_Word_List_BitBtnClick();
    void Save_Word_List_BitBtnClick();
    void Load_Word_List_BitBtnClick();
    void Temp_Work_Area_Reset_BitBtnClick();
    void Temp_Work_Area_Paste_BitBtnClick();
    void Temp_Work_Area_Load_From_File_BitBtnClick();
    void Add_Unique_Words_BitBtnClick();

    void Always_On_Top_OptionClick();
    void Auto_Run_at_Windows_Startup_OptionClick();
    void Restore_Factory_Defaults_OptionClick();
    void View_Readme_file_OptionClick();
    void View_Shareware_Catalog_OptionClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The window lock of a run: every control but the halt button is
    // disabled, and the menu with them.
    void Set_Controls_Enabled(bool enabled);
    void Show_Criteria_Message(const std::string& text, QComboBox* box);
    void Load_History(QComboBox* box, const std::string& path);
    void Save_History(QComboBox* box, const std::string& path);
    // Writes each file on its own, saying once of each that fails; a file
    // that could not be read is left as it is.
    void Save_Settings();
    void Toggle_Always_On_Top();
    void Restore_Factory_Defaults();
    void createControls();
    void createMenu();
    void connectHandlers();
    void setUpKeyboardAccess();
    void readSettings();
    SettingsValues settingsValues() const;
    void runSearch(SearchPage& page);
    void criteriaKeyDown(SearchPage& page, int key);
    int pageHeight() const; // of the page on show
    // An index outside the pages leaves none showing until the user picks a tab.
    void selectPage(int index);
    void switchPage(int step);
    std::vector<QWidget*> tabOrder(int page) const;
    void orderTabs();
    std::string settingsPath() const;
    // In the one definitions window, made at the first request.
    void showDefinition(const std::string& word);

    PlatformServices m_services;
    DesktopIntegration m_desktop{m_services};
    KnownWordList m_knownWords;
    UnreadableFiles m_unreadableFiles; // the program's files found unreadable
    TAboutBox* m_aboutBox = nullptr;
    bool m_shown = false;
    bool m_noPageSelected = false;
    bool m_openMaximized = false;
    WindowPlacement m_placement{*this, m_services.frame};

    // Parts of the window, owned by their widgets.
    QTabWidget* PageControl1 = nullptr;
    std::array<SearchPage*, 3> m_searchPages{};
    LetterModes* m_letterModes = nullptr; // on the letter page
    MaintenancePage* m_maintenance = nullptr;
    SharedFilters* m_filters = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* Halt_Processing_BitBtn = nullptr;
    QPushButton* Exit_BitBtn = nullptr;
    QAction* Always_On_Top_Option = nullptr;
    QAction* Auto_Run_at_Windows_Startup_Option = nullptr;
    DefinitionWindow* m_definitionWindow = nullptr; // a window of its own, made at the first request

    std::vector<QWidget*> m_lockedControls; // what Set_Controls_Enabled locks
    std::unique_ptr<RunController> m_runs;
    std::unique_ptr<WindowScaling> m_scaling;
};

} // namespace verbalia
