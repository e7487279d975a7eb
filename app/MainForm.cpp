#include "MainForm.h"

#include "Controls.h"
#include "DefinitionWindow.h"
#include "HistoryBox.h"
#include "MaintenancePage.h"
#include "RunController.h"
#include "SearchPage.h"
#include "SharedFilters.h"
#include "WindowScaling.h"
#include "about/AboutBox.h"
#include "platform/CodePage.h"
#include "platform/IniFile.h"
#include "platform/qt/QtText.h"
#include "text/ProgramTitle.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

namespace verbalia {
namespace {

const char* const wordListFileName = "wordlist.dat";
const char* const settingsFileName = "verbalia.ini";
const char* const closeQuestion =
    "The Known Word List has been changed, but not saved.  Would you like to save the list before exiting ?";
constexpr int maintenancePage = 3;

} // namespace

TMainForm1::TMainForm1(PlatformServices services, QWidget* parent)
    : QMainWindow(parent)
    , m_services(std::move(services))
    , m_knownWords(m_services.files, m_services.pathOf(wordListFileName))
{
    setObjectName(QStringLiteral("MainForm1"));
    createControls();
    createMenu();
    connectHandlers();
    centralWidget()->installEventFilter(this); // FormResize
    setUpKeyboardAccess();

    // The lock covers the controls; containers stay enabled so that what
    // they show stays readable while a run locks their contents.
    for (QWidget* control : findChildren<QWidget*>()) {
        const QString name = control->objectName();
        const bool container = control == centralWidget() || control == PageControl1 ||
                               PageControl1->indexOf(control) >= 0 || control->inherits("QGroupBox") ||
                               control->inherits("QMenuBar") || control->inherits("QMenu");
        // A run enables the halt button before it locks the window and
        // disables it after, so the focus can wait there for the run's end.
        const bool haltButton = control == Halt_Processing_BitBtn;
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !container && !haltButton)
            m_lockedControls.push_back(control);
    }
}

TMainForm1::~TMainForm1() = default;

void TMainForm1::connectHandlers()
{
    connect(Exit_BitBtn, &QPushButton::clicked, this, &TMainForm1::Exit_BitBtnClick);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TMainForm1::PageControl1Change);
    connect(PageControl1, &QTabWidget::tabBarClicked, this, [this](int page) {
        if (m_noPageSelected && page == PageControl1->currentIndex()) {
            selectPage(page);
            PageControl1Change();
        }
    });
    struct PageHandlers {
        void (TMainForm1::*run)();
        void (TMainForm1::*keyDown)(int);
        void (TMainForm1::*reset)();
        void (TMainForm1::*copy)();
    };
    const PageHandlers handlers[searchPageCount] = {
        {&TMainForm1::Wildcard_Search_BitBtnClick, &TMainForm1::Wildcard_Search_ComboBoxKeyDown,
         &TMainForm1::Reset_Wildcard_Search_Edit_BitBtnClick, &TMainForm1::Clipboard_Copy_WildCard_Search_Results_BitBtnClick},
        {&TMainForm1::Search_for_Words_with_these_Letters_BitBtnClick,
         &TMainForm1::Words_With_These_Letters_Search_ComboBoxKeyDown,
         &TMainForm1::Reset_Words_With_These_Letters_Search_Edit_BitBtnClick,
         &TMainForm1::Clipboard_Copy_Words_With_These_Letters_Search_BitBtnClick},
        {&TMainForm1::Phonetic_Word_Search_BitBtnClick, &TMainForm1::Phonetic_Search_ComboBoxKeyDown,
         &TMainForm1::Reset_Phonetic_Search_Edit_BitBtnClick, &TMainForm1::Clipboard_Copy_Phonetic_Search_BitBtnClick},
    };
    for (std::size_t i = 0; i < searchPageCount; ++i) {
        connect(m_searchPages[i], &SearchPage::runRequested, this, handlers[i].run);
        connect(m_searchPages[i], &SearchPage::criteriaKeyDown, this, handlers[i].keyDown);
        connect(m_searchPages[i], &SearchPage::resetRequested, this, handlers[i].reset);
        connect(m_searchPages[i], &SearchPage::copyRequested, this, handlers[i].copy);
    }
    connect(Halt_Processing_BitBtn, &QPushButton::clicked, this, &TMainForm1::Halt_Processing_BitBtnClick);
    connect(m_filters->resetExclusion, &QPushButton::clicked, this, &TMainForm1::Reset_Excluded_Letters_Edit_BitBtnClick);
    connect(m_searchPages[letterPage], &SearchPage::letterModeChanged, this,
            &TMainForm1::Search_for_Words_with_these_and_other_letters_RadioButtonClick);
    connect(m_filters->lower, &QSpinBox::valueChanged, this, &TMainForm1::Lower_Length_SpinEditChange);
    connect(m_filters->upper, &QSpinBox::valueChanged, this, &TMainForm1::Upper_Length_SpinEditChange);
    const std::pair<QPushButton*, void (TMainForm1::*)()> maintenanceButtons[] = {
        {m_maintenance->Copy_Word_List_To_Clipboard_BitBtn, &TMainForm1::Copy_Word_List_To_Clipboard_BitBtnClick},
        {m_maintenance->Reset_Word_List_BitBtn, &TMainForm1::Reset_Word_List_BitBtnClick},
        {m_maintenance->Save_Word_List_BitBtn, &TMainForm1::Save_Word_List_BitBtnClick},
        {m_maintenance->Load_Word_List_BitBtn, &TMainForm1::Load_Word_List_BitBtnClick},
        {m_maintenance->Temp_Work_Area_Reset_BitBtn, &TMainForm1::Temp_Work_Area_Reset_BitBtnClick},
        {m_maintenance->Temp_Work_Area_Paste_BitBtn, &TMainForm1::Temp_Work_Area_Paste_BitBtnClick},
        {m_maintenance->Temp_Work_Area_Load_From_File_BitBtn, &TMainForm1::Temp_Work_Area_Load_From_File_BitBtnClick},
        {m_maintenance->Add_Unique_Words_BitBtn, &TMainForm1::Add_Unique_Words_BitBtnClick},
    };
    for (const auto& [button, handler] : maintenanceButtons) connect(button, &QPushButton::clicked, this, handler);
}

void TMainForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

// A close request during a run halts the run and takes effect once it has
// stopped, so the close query never saves a list in the middle of a scan.
void TMainForm1::closeEvent(QCloseEvent* event)
{
    if (m_runs->deferClose()) {
        event->ignore();
        return;
    }
    FormCloseQuery();
    event->accept();
}

bool TMainForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize) FormResize();
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm1::isRunning() const { return m_runs->running(); }

// The start-up sequence.
void TMainForm1::FormShow()
{
    // The client area takes the design size: the page control with its margin
    // all round, and the Exit button below it.
    const int clientWidth = PageControl1->width() + 2 * PageControl1->x();
    const int clientHeight = Exit_BitBtn->y() + Exit_BitBtn->height() + PageControl1->y();
    resize(clientWidth, clientHeight + menuBar()->sizeHint().height());
    m_scaling->capture(clientWidth, clientHeight); // Capture_Layout_Baseline

    readSettings();
    // Set_Titles
    QApplication::setApplicationName(QString::fromLatin1(programTitle));
    setWindowTitle(QString::fromLatin1(programTitle));
    setToolTip(QString());
    if (m_aboutBox) m_aboutBox->setTexts();
    // Apply_Launch_Show_State
    switch (m_services.launch.requested()) {
    case ShowState::Normal: showNormal(); break;
    case ShowState::Minimized: showMinimized(); break;
    case ShowState::Maximized: showMaximized(); break;
    }
    if (m_openMaximized) showMaximized();
    // The check mark read is inverted and then toggled back, which applies it
    // to the window; the autostart list, not the settings, decides Auto-Run.
    Always_On_Top_Option->setChecked(!Always_On_Top_Option->isChecked());
    Toggle_Always_On_Top();
    Auto_Run_at_Windows_Startup_Option->setChecked(m_desktop.Check_Auto_Run());
    PageControl1Change();
    m_knownWords.setChanged(false);

    for (SearchPage* page : m_searchPages) {
        if (page->description.resultsEmptiedAtStartUp) page->clearResults();
        page->showStatus(QString(), pageHeight());
    }

    Load_Word_List_BitBtnClick();
}

void TMainForm1::FormResize()
{
    // Scale_To_Window
    if (!m_scaling->scale()) return;
    for (SearchPage* page : m_searchPages) page->takeStatusPlace(pageHeight());
}

void TMainForm1::PageControl1Change()
{
    if (m_noPageSelected && sender() == PageControl1) selectPage(PageControl1->currentIndex());
    m_letterModes->exclusionCaption->setEnabled(true);
    m_filters->setExclusionInUse(true);
    const int page = activePageIndex();
    if (page == int(letterPage)) Search_for_Words_with_these_and_other_letters_RadioButtonClick();
    m_filters->setVisible(page != maintenancePage);
    orderTabs();
}

// The exclusion list is out of use while anagrams are sought.
void TMainForm1::Search_for_Words_with_these_and_other_letters_RadioButtonClick()
{
    const LetterMode mode = m_letterModes->mode();
    if (mode == LetterMode::None) return;
    const bool inUse = mode != LetterMode::ExactCount;
    m_letterModes->exclusionCaption->setEnabled(inUse);
    m_filters->setExclusionInUse(inUse);
}

void TMainForm1::Lower_Length_SpinEditChange() { m_filters->lowerChanged(); }
void TMainForm1::Upper_Length_SpinEditChange() { m_filters->upperChanged(); }

// The close query: it never refuses.
void TMainForm1::FormCloseQuery()
{
    Save_Settings();
    if (m_knownWords.changed() && m_services.messages.ask(MessageKind::Confirm, closeQuestion) == Answer::Yes)
        Save_Word_List_BitBtnClick();
}

void TMainForm1::ExitOptionClick() { close(); }
void TMainForm1::Exit_BitBtnClick() { close(); }

// The about box is modal; what it returns is of no interest.
void TMainForm1::AboutOptionClick()
{
    if (m_aboutBox) m_aboutBox->show();
}

// The pages' handlers forward to the page.

void TMainForm1::Wildcard_Search_BitBtnClick() { runSearch(*m_searchPages[wildcardPage]); }
void TMainForm1::Search_for_Words_with_these_Letters_BitBtnClick() { runSearch(*m_searchPages[letterPage]); }
void TMainForm1::Phonetic_Word_Search_BitBtnClick() { runSearch(*m_searchPages[phoneticPage]); }
void TMainForm1::Wildcard_Search_ComboBoxKeyDown(int key) { criteriaKeyDown(*m_searchPages[wildcardPage], key); }
void TMainForm1::Words_With_These_Letters_Search_ComboBoxKeyDown(int key)
{
    criteriaKeyDown(*m_searchPages[letterPage], key);
}
void TMainForm1::Phonetic_Search_ComboBoxKeyDown(int key) { criteriaKeyDown(*m_searchPages[phoneticPage], key); }
void TMainForm1::Reset_Wildcard_Search_Edit_BitBtnClick() { m_searchPages[wildcardPage]->resetCriteria(); }
void TMainForm1::Reset_Words_With_These_Letters_Search_Edit_BitBtnClick() { m_searchPages[letterPage]->resetCriteria(); }
void TMainForm1::Reset_Phonetic_Search_Edit_BitBtnClick() { m_searchPages[phoneticPage]->resetCriteria(); }
void TMainForm1::Clipboard_Copy_WildCard_Search_Results_BitBtnClick()
{
    Copy_View_To_Clipboard(m_searchPages[wildcardPage]->results, m_services.clipboard);
}
void TMainForm1::Clipboard_Copy_Words_With_These_Letters_Search_BitBtnClick()
{
    Copy_View_To_Clipboard(m_searchPages[letterPage]->results, m_services.clipboard);
}
void TMainForm1::Clipboard_Copy_Phonetic_Search_BitBtnClick()
{
    Copy_View_To_Clipboard(m_searchPages[phoneticPage]->results, m_services.clipboard);
}
void TMainForm1::Reset_Excluded_Letters_Edit_BitBtnClick() { m_filters->exclusion->clear(); }
void TMainForm1::Halt_Processing_BitBtnClick() { m_runs->halt(); }

void TMainForm1::showDefinition(const std::string& word)
{
    if (!m_definitionWindow)
        m_definitionWindow = new DefinitionWindow(m_services.programFolder, m_services.files, this);
    m_definitionWindow->define(word);
}

void TMainForm1::Show_Known_Word_Count()
{
    setWindowTitle(QString::fromLatin1(programTitle) + QStringLiteral(" - ") + m_maintenance->showCount());
}
void TMainForm1::Copy_Word_List_To_Clipboard_BitBtnClick() { m_maintenance->copyList(); }
void TMainForm1::Reset_Word_List_BitBtnClick() { m_maintenance->resetList(); }
void TMainForm1::Save_Word_List_BitBtnClick() { m_maintenance->saveList(); }
void TMainForm1::Load_Word_List_BitBtnClick() { m_maintenance->loadList(); }
void TMainForm1::Temp_Work_Area_Reset_BitBtnClick() { m_maintenance->resetWorkArea(); }
void TMainForm1::Temp_Work_Area_Paste_BitBtnClick() { m_maintenance->pasteIntoWorkArea(); }
void TMainForm1::Temp_Work_Area_Load_From_File_BitBtnClick() { m_maintenance->loadWorkAreaFromFile(); }
void TMainForm1::Add_Unique_Words_BitBtnClick() { m_maintenance->addUniqueWords(*m_runs); }

// Settings and histories.

std::string TMainForm1::settingsPath() const { return m_services.pathOf(settingsFileName); }

// The start-up steps: the window's placement, the menu's check marks, the
// search histories, then the controls, each page applying its part.
void TMainForm1::readSettings()
{
    const IniFile settings(m_services.files, settingsPath());
    m_unreadableFiles.note(settings.path(), settings.readOutcome());
    const SettingsValues values = readSettingsValues(settings);
    m_openMaximized = values.maximized;
    m_placement.place(QRect(values.left, values.top, values.width, values.height));
    Always_On_Top_Option->setChecked(values.alwaysOnTop);
    Auto_Run_at_Windows_Startup_Option->setChecked(values.autoRun);
    for (const SearchPage* page : m_searchPages)
        Load_History(page->criteria, m_services.pathOf(page->description.historyFile));
    for (SearchPage* page : m_searchPages) page->applySettings(values);
    m_filters->applySettings(values);
    m_maintenance->applySettings(values);
    selectPage(values.page);
}

SettingsValues TMainForm1::settingsValues() const
{
    const QRect bounds = m_placement.outerBounds();
    SettingsValues values{
        .maximized = isMaximized(),
        .top = bounds.top(),
        .left = bounds.left(),
        .width = bounds.width(),
        .height = bounds.height(),
        .alwaysOnTop = Always_On_Top_Option->isChecked(),
        .autoRun = Auto_Run_at_Windows_Startup_Option->isChecked(),
        .page = activePageIndex(),
    };
    for (const SearchPage* page : m_searchPages) page->collectSettings(values);
    m_filters->collectSettings(values);
    m_maintenance->collectSettings(values);
    return values;
}

// Writes the settings in the order of the table, with the search histories
// between the menu's check marks and the controls. Each file is written on its
// own, so one that fails costs only its own contents, and is reported once. A
// file that could not be read, at start-up or now, is not written over.
void TMainForm1::Save_Settings()
{
    IniFile settings(m_services.files, settingsPath());
    // Unreadable now, or gone (nothing left to lose); a file read now but not
    // at start-up still holds keys the window never saw.
    if (settings.readOutcome() != ReadOutcome::read) m_unreadableFiles.note(settings.path(), settings.readOutcome());
    bool writing = !m_unreadableFiles.keepsUnread(settings.path(), m_services.messages);
    const SettingsValues values = settingsValues();
    const auto writeGroups = [&](std::initializer_list<SettingGroup> groups) {
        if (!writing || writeSettingsValues(settings, groups, values)) return;
        m_services.messages.show(MessageKind::Error, "Unable to write to " + codepage::fromUtf8(settings.path()));
        writing = false;
    };
    writeGroups({SettingGroup::Window, SettingGroup::Menu});
    for (const SearchPage* page : m_searchPages)
        Save_History(page->criteria, m_services.pathOf(page->description.historyFile));
    writeGroups({SettingGroup::Controls});
}

void TMainForm1::Load_History(QComboBox* box, const std::string& path)
{
    const FileRead read = m_services.files.read(path);
    m_unreadableFiles.note(path, read.outcome);
    setHistory(box, read.outcome == ReadOutcome::read ? parseHistory(read.bytes) : History());
}

void TMainForm1::Save_History(QComboBox* box, const std::string& path)
{
    if (m_unreadableFiles.keepsUnread(path, m_services.messages)) return;
    if (!m_services.files.writeAll(path, serializeHistory(historyOf(box))))
        m_services.messages.show(MessageKind::Error, "Cannot create file " + codepage::fromUtf8(path));
}

// The File and Help menu commands that talk to the desktop.

// The window keeps its place, size and activation.
void TMainForm1::Toggle_Always_On_Top()
{
    const bool above = !Always_On_Top_Option->isChecked();
    Always_On_Top_Option->setChecked(above);
    m_services.windowManager.setKeepAbove(above);
}

void TMainForm1::Always_On_Top_OptionClick() { Toggle_Always_On_Top(); }

void TMainForm1::Auto_Run_at_Windows_Startup_OptionClick()
{
    QAction* entry = Auto_Run_at_Windows_Startup_Option;
    if (entry->isChecked()) {
        if (m_desktop.Disable_Auto_Run()) entry->setChecked(false);
    } else if (m_desktop.Enable_Auto_Run()) {
        entry->setChecked(true);
    }
}

void TMainForm1::Restore_Factory_Defaults_OptionClick() { Restore_Factory_Defaults(); }

// Only No stops. A settings file that another program holds stays, and the
// start-up sequence then reads it again.
void TMainForm1::Restore_Factory_Defaults()
{
    if (m_services.messages.ask(MessageKind::Warning, factoryDefaultsQuestion()) == Answer::No) return;
    // The question promises to keep the histories and the list, which the
    // start-up reads again: this session's searches are written first, and a
    // changed list is offered for saving as at close.
    for (const SearchPage* page : m_searchPages)
        Save_History(page->criteria, m_services.pathOf(page->description.historyFile));
    if (m_knownWords.changed() && m_services.messages.ask(MessageKind::Confirm, closeQuestion) == Answer::Yes)
        Save_Word_List_BitBtnClick();
    m_desktop.Delete_File_Safely(settingsPath());
    showNormal();
    FormShow();
}

void TMainForm1::View_Readme_file_OptionClick() { m_desktop.View_Readme(); }
void TMainForm1::View_Shareware_Catalog_OptionClick() { m_desktop.View_Catalog(); }

} // namespace verbalia
