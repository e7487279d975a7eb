#pragma once

// The main window. docs/ARCHITECTURE.md ("A map of the window") says which
// file holds which part of it, how a search runs, and where new pages,
// searches, settings and platform services go.

#include "SearchPage.h"
#include "Setting.h"
#include "app/DesktopIntegration.h"
#include "WindowPlacement.h"
#include "platform/FileEncoding.h"
#include "platform/PlatformServices.h"
#include "text/ProgramTitle.h"
#include "search/LetterSearch.h"
#include "wordlist/WordListFile.h"
#include "wordlist/WordStore.h"

#include <QMainWindow>
#include <QRect>

#include <array>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QMenu;
class QPalette;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace verbalia {

class LineListModel;
class TAboutBox;
class WorkAreaEdit;

// The main window: four pages (wildcard, letter and phonetic search, word
// list maintenance), the controls they share and the menu. Controls keep the
// names and design bounds of the window's layout; handlers are named after
// their control and event.
class TMainForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm1(PlatformServices services, QWidget* parent = nullptr);
    ~TMainForm1() override;

    const WordStore& knownWords() const { return m_knownWords; }
    void setAboutBox(TAboutBox* aboutBox) { m_aboutBox = aboutBox; }

public slots:
    void FormShow();
    void FormCloseQuery();
    void ExitOptionClick();
    void Exit_BitBtnClick();
    void PageControl1Change();
    void FormResize();
    void AboutOptionClick();
    void Lower_Length_SpinEditChange();
    void Upper_Length_SpinEditChange();

    void Copy_Word_List_To_Clipboard_BitBtnClick();
    void Reset_Word_List_BitBtnClick();
    void Save_Word_List_BitBtnClick();
    void Load_Word_List_BitBtnClick();
    void Show_Known_Word_Count();
    void Search_for_Words_with_these_and_other_letters_RadioButtonClick();

    // The work area and the harvest of its words.
    void Temp_Work_Area_Reset_BitBtnClick();
    void Temp_Work_Area_Paste_BitBtnClick();
    void Temp_Work_Area_Load_From_File_BitBtnClick();
    void Add_Unique_Words_BitBtnClick();

    // The three searches and the controls they share.
    void Wildcard_Search_BitBtnClick();
    void Search_for_Words_with_these_Letters_BitBtnClick();
    void Phonetic_Word_Search_BitBtnClick();
    void Wildcard_Search_ComboBoxKeyDown(int key);
    void Words_With_These_Letters_Search_ComboBoxKeyDown(int key);
    void Phonetic_Search_ComboBoxKeyDown(int key);
    void Halt_Processing_BitBtnClick();
    void Reset_Wildcard_Search_Edit_BitBtnClick();
    void Reset_Words_With_These_Letters_Search_Edit_BitBtnClick();
    void Reset_Phonetic_Search_Edit_BitBtnClick();
    void Reset_Excluded_Letters_Edit_BitBtnClick();
    void Clipboard_Copy_WildCard_Search_Results_BitBtnClick();
    void Clipboard_Copy_Words_With_These_Letters_Search_BitBtnClick();
    void Clipboard_Copy_Phonetic_Search_BitBtnClick();

    // The File and Help menu commands that talk to the desktop.
    void Always_On_Top_OptionClick();
    void Auto_Run_at_Windows_Startup_OptionClick();
    void Restore_Factory_Defaults_OptionClick();
    void View_Readme_file_OptionClick();
    void View_Shareware_Catalog_OptionClick();

public:
    // True while a search runs.
    bool isRunning() const { return m_running; }

    // The window lock of a run: every control but the ones the run itself
    // uses is disabled, and the menu with them.
    void Set_Controls_Enabled(bool enabled);
    void Show_Criteria_Message(const std::string& text, QComboBox* box);

    // The search histories: the drop-down lists of the criteria boxes.
    void Load_History(QComboBox* box, const std::string& path);
    bool Save_History(QComboBox* box, const std::string& path);

    // Writes every setting and the three histories; stops at the first file
    // that cannot be written, after saying so.
    void Save_Settings();

    // The active page, or -1 when none is.
    int activePageIndex() const;

    void Toggle_Always_On_Top();
    void Restore_Factory_Defaults();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The search pages, in tab order; the maintenance page follows them.
    static constexpr std::size_t wildcardPage = 0, letterPage = 1, phoneticPage = 2, searchPageCount = 3;
    static constexpr int maintenancePage = 3;
    static const std::array<SearchPageDescription, searchPageCount>& searchPageDescriptions();
    void createSearchPage(SearchPage& page, const SearchPageDescription& description);
    void createWildcardDetails(QWidget* sheet, QGroupBox* group);
    void createLetterDetails(QWidget* sheet, QGroupBox* group);
    void createPhoneticDetails(QWidget* sheet, QGroupBox* group);
    LetterMode letterMode() const;

    class Run;
    void runSearch(SearchPage& page);
    void criteriaKeyDown(SearchPage& page, int key);
    void resetCriteria(SearchPage& page);
    static const std::vector<Setting>& settingsTable();
    void readSettings();
    void setLengthLimit(QSpinBox* spin, int value);
    void setLetterMode(QRadioButton* button, bool checked);
    void selectPage(int index);
    void createControls();
    void createMenu();
    void connectHandlers();
    void connectDesktopCommands();
    std::string settingsPath() const;
    void Set_Titles();
    void Capture_Layout_Baseline(int clientWidth, int clientHeight);
    void Scale_To_Window();
    void Apply_Launch_Show_State();
    void Copy_View_To_Clipboard(QListView* view);
    void addCopySelectionCommand(QListView* view);

    // Keyboard and screen-reader use (MainFormAccess.cpp).
    void setUpKeyboardAccess();
    void switchPage(int step);
    std::vector<QWidget*> tabOrder(int page) const;
    void orderTabs();
    static QPalette outOfUsePalette(QPalette palette);
    static void tellOutcome(QComboBox* criteria, const QString& outcome);
    void showStatus(SearchPage& page, const QString& text);
    void fitStatusLabel(SearchPage& page);
    LineListModel* modelOf(QListView* view) const;
    bool knownWordListChanged() const;
    void setKnownWordListChanged(bool changed);
    std::string wordListPath() const;

    PlatformServices m_services;
    DesktopIntegration m_desktop{m_services};
    TAboutBox* m_aboutBox = nullptr;
    bool m_shown = false;
    bool m_noPageSelected = false;
    bool m_running = false;
    std::vector<QWidget*> m_lockedControls; // what Set_Controls_Enabled locks
    bool m_closeRequested = false; // during a run: close once it has stopped
    bool m_openMaximized = false;
    QRect m_outerBounds; // as read from the settings
    WindowPlacement m_placement{*this, m_services.frame};

    std::vector<QObject*> m_components; // the window's components, in the order of the layout baseline

    WordStore m_knownWords;
    WordListFormat m_knownWordsFormat; // how wordlist.dat held it (encoding, line ends): Save writes it so
    std::array<SearchPage, searchPageCount> m_searchPages;

    // Controls of the window, by their names (tests find them by objectName).
    QTabWidget* PageControl1 = nullptr;
    QGroupBox* Limit_Word_Length_GroupBox = nullptr;
    QLabel* Label1 = nullptr;
    QSpinBox* Lower_Length_SpinEdit = nullptr;
    QLabel* Label8 = nullptr;
    QSpinBox* Upper_Length_SpinEdit = nullptr;
    QGroupBox* Excluded_Letters_GroupBox = nullptr;
    QLineEdit* Excluded_Letters_Edit = nullptr;
    QPushButton* Reset_Excluded_Letters_Edit_BitBtn = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* Halt_Processing_BitBtn = nullptr;
    QPushButton* Exit_BitBtn = nullptr;
    QCheckBox* Halt_Search_CheckBox = nullptr;
    QListWidget* Scaling_ListBox = nullptr;

    // Page 2: the letter search's own controls.
    QLabel* Excluded_Letters_Label = nullptr;
    QRadioButton* Search_for_Words_with_these_and_other_letters_RadioButton = nullptr;
    QRadioButton* Search_for_Words_with_only_these_Any_Number_RadioButton = nullptr;
    QRadioButton* Search_for_Words_with_only_these_Specified_Number_RadioButton = nullptr;

    // Page 4: word list maintenance.
    QWidget* TabSheet4 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Known_Words_Label = nullptr;
    QListView* Known_Words_MemoEx = nullptr;
    QCheckBox* Known_Word_List_Changed_CheckBox = nullptr;
    QPushButton* Copy_Word_List_To_Clipboard_BitBtn = nullptr;
    QPushButton* Reset_Word_List_BitBtn = nullptr;
    QPushButton* Save_Word_List_BitBtn = nullptr;
    QPushButton* Load_Word_List_BitBtn = nullptr;
    QProgressBar* ProgressBar2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* Ignore_Words_With_Numbers_CheckBox = nullptr;
    QCheckBox* Ignore_All_Non_Alphanumeric_Chars_CheckBox = nullptr;
    WorkAreaEdit* Temp_Work_Area_Paste_MemoEx = nullptr;
    QPushButton* Temp_Work_Area_Reset_BitBtn = nullptr;
    QPushButton* Temp_Work_Area_Paste_BitBtn = nullptr;
    QPushButton* Temp_Work_Area_Load_From_File_BitBtn = nullptr;
    QPushButton* Add_Unique_Words_BitBtn = nullptr;

    // The menu.
    QMenu* FileMenu = nullptr;
    QAction* Always_On_Top_Option = nullptr;
    QAction* Auto_Run_at_Windows_Startup_Option = nullptr;
    QAction* Restore_Factory_Defaults_Option = nullptr;
    QAction* N2 = nullptr;
    QAction* ExitOption = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* View_Readme_file_Option = nullptr;
    QAction* View_Shareware_Catalog_Option = nullptr;
    QAction* N1 = nullptr;
    QAction* AboutOption = nullptr;
};

} // namespace verbalia
