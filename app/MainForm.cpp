#include "MainForm.h"

#include "LineListModel.h"
#include "about/AboutBox.h"
#include "platform/CodePage.h"
#include "platform/qt/QtText.h"
#include "wordlist/BuiltinWordList.h"
#include "text/LineText.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

namespace verbalia {
namespace {

const char* const wordListFileName = "wordlist.dat";
const char* const closeQuestion =
    "The Known Word List has been changed, but not saved.  Would you like to save the list before exiting ?";
const char* const reloadQuestion =
    "The Known Word List has been changed.  Are you sure re-load the list and lose the changes made ?";
const char* const resetQuestion = "Reset the Known Word List ?  Are you sure ?";

void processPendingEvents() { QCoreApplication::processEvents(); }

} // namespace

TMainForm1::TMainForm1(PlatformServices services, QWidget* parent)
    : QMainWindow(parent)
    , m_services(std::move(services))
{
    setObjectName(QStringLiteral("MainForm1"));
    createControls();
    createMenu();

    for (SearchPage& page : m_searchPages) page.results->setModel(new LineListModel(page.lines, this));
    m_knownWords.assign(builtinWordList());
    Known_Words_MemoEx->setModel(new LineListModel(m_knownWords, this));

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
    connect(ExitOption, &QAction::triggered, this, &TMainForm1::ExitOptionClick);
    connect(AboutOption, &QAction::triggered, this, &TMainForm1::AboutOptionClick);
    connect(Exit_BitBtn, &QPushButton::clicked, this, &TMainForm1::Exit_BitBtnClick);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TMainForm1::PageControl1Change);
    connect(PageControl1, &QTabWidget::tabBarClicked, this, [this](int page) {
        if (m_noPageSelected && page == PageControl1->currentIndex()) {
            selectPage(page);
            PageControl1Change();
        }
    });
    for (const SearchPage& page : m_searchPages) {
        const SearchPageDescription& description = *page.description;
        connect(page.run, &QPushButton::clicked, this, description.runClick);
        connect(page.criteria->lineEdit(), &QLineEdit::returnPressed, this,
                [this, keyDown = description.criteriaKeyDown] { (this->*keyDown)(Qt::Key_Return); });
        connect(page.reset, &QPushButton::clicked, this, description.resetClick);
        connect(page.copy, &QPushButton::clicked, this, description.copyClick);
        addCopySelectionCommand(page.results);
    }
    addCopySelectionCommand(Known_Words_MemoEx);
    connect(Halt_Processing_BitBtn, &QPushButton::clicked, this, &TMainForm1::Halt_Processing_BitBtnClick);
    connect(Reset_Excluded_Letters_Edit_BitBtn, &QPushButton::clicked, this,
            &TMainForm1::Reset_Excluded_Letters_Edit_BitBtnClick);
    for (QRadioButton* mode : {Search_for_Words_with_these_and_other_letters_RadioButton,
                               Search_for_Words_with_only_these_Any_Number_RadioButton,
                               Search_for_Words_with_only_these_Specified_Number_RadioButton})
        // However a mode becomes checked: a click, a key, an accessibility action.
        connect(mode, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) Search_for_Words_with_these_and_other_letters_RadioButtonClick();
        });
    connect(Lower_Length_SpinEdit, &QSpinBox::valueChanged, this, &TMainForm1::Lower_Length_SpinEditChange);
    connect(Upper_Length_SpinEdit, &QSpinBox::valueChanged, this, &TMainForm1::Upper_Length_SpinEditChange);
    connect(Copy_Word_List_To_Clipboard_BitBtn, &QPushButton::clicked, this,
            &TMainForm1::Copy_Word_List_To_Clipboard_BitBtnClick);
    connect(Reset_Word_List_BitBtn, &QPushButton::clicked, this, &TMainForm1::Reset_Word_List_BitBtnClick);
    connect(Save_Word_List_BitBtn, &QPushButton::clicked, this, &TMainForm1::Save_Word_List_BitBtnClick);
    connect(Load_Word_List_BitBtn, &QPushButton::clicked, this, &TMainForm1::Load_Word_List_BitBtnClick);
    connect(Temp_Work_Area_Reset_BitBtn, &QPushButton::clicked, this, &TMainForm1::Temp_Work_Area_Reset_BitBtnClick);
    connect(Temp_Work_Area_Paste_BitBtn, &QPushButton::clicked, this, &TMainForm1::Temp_Work_Area_Paste_BitBtnClick);
    connect(Temp_Work_Area_Load_From_File_BitBtn, &QPushButton::clicked, this,
            &TMainForm1::Temp_Work_Area_Load_From_File_BitBtnClick);
    connect(Add_Unique_Words_BitBtn, &QPushButton::clicked, this, &TMainForm1::Add_Unique_Words_BitBtnClick);

    connectDesktopCommands();
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
    if (m_running) {
        m_closeRequested = true;
        Halt_Search_CheckBox->setChecked(true);
        event->ignore();
        return;
    }
    FormCloseQuery();
    event->accept();
}

// The start-up sequence.
void TMainForm1::FormShow()
{
    // The client area takes the design size: the page control with its margin
    // all round, and the Exit button below it.
    const int clientWidth = PageControl1->width() + 2 * PageControl1->x();
    const int clientHeight = Exit_BitBtn->y() + Exit_BitBtn->height() + PageControl1->y();
    resize(clientWidth, clientHeight + menuBar()->sizeHint().height());
    Capture_Layout_Baseline(clientWidth, clientHeight);

    readSettings();
    Set_Titles();
    Apply_Launch_Show_State();
    if (m_openMaximized) showMaximized();
    // The check mark read is inverted and then toggled back, which applies it
    // to the window; the autostart list, not the settings, decides Auto-Run.
    Always_On_Top_Option->setChecked(!Always_On_Top_Option->isChecked());
    Toggle_Always_On_Top();
    Auto_Run_at_Windows_Startup_Option->setChecked(m_desktop.Check_Auto_Run());
    PageControl1Change();
    setKnownWordListChanged(false);

    for (SearchPage& page : m_searchPages) {
        if (page.description->resultsEmptiedAtStartUp) {
            modelOf(page.results)->beginBulkUpdate();
            page.lines.clear();
            modelOf(page.results)->endBulkUpdate();
        }
        showStatus(page, QString());
    }

    Load_Word_List_BitBtnClick();
}

void TMainForm1::Set_Titles()
{
    QApplication::setApplicationName(QString::fromLatin1(programTitle));
    setWindowTitle(QString::fromLatin1(programTitle));
    setToolTip(QString());
    if (m_aboutBox) m_aboutBox->setTexts();
}

void TMainForm1::Apply_Launch_Show_State()
{
    switch (m_services.launch.requested()) {
    case ShowState::Normal: showNormal(); break;
    case ShowState::Minimized: showMinimized(); break;
    case ShowState::Maximized: showMaximized(); break;
    }
}

void TMainForm1::PageControl1Change()
{
    if (m_noPageSelected && sender() == PageControl1) selectPage(PageControl1->currentIndex());
    Excluded_Letters_Label->setEnabled(true);
    Excluded_Letters_Edit->setEnabled(true);
    Excluded_Letters_Edit->setPalette(QPalette());
    const int page = activePageIndex();
    if (page == letterPage) Search_for_Words_with_these_and_other_letters_RadioButtonClick();
    Limit_Word_Length_GroupBox->setVisible(page != maintenancePage);
    Excluded_Letters_GroupBox->setVisible(page != maintenancePage);
    orderTabs();
}

// The exclusion list is out of use while anagrams are sought.
void TMainForm1::Search_for_Words_with_these_and_other_letters_RadioButtonClick()
{
    if (Search_for_Words_with_these_and_other_letters_RadioButton->isChecked() ||
        Search_for_Words_with_only_these_Any_Number_RadioButton->isChecked()) {
        Excluded_Letters_Label->setEnabled(true);
        Excluded_Letters_Edit->setEnabled(true);
        Excluded_Letters_Edit->setPalette(QPalette());
    } else if (Search_for_Words_with_only_these_Specified_Number_RadioButton->isChecked()) {
        Excluded_Letters_Label->setEnabled(false);
        Excluded_Letters_Edit->setEnabled(false);
        Excluded_Letters_Edit->setPalette(outOfUsePalette(Excluded_Letters_Edit->palette()));
    }
}

void TMainForm1::Lower_Length_SpinEditChange()
{
    if (Upper_Length_SpinEdit->value() < Lower_Length_SpinEdit->value())
        Upper_Length_SpinEdit->setValue(Lower_Length_SpinEdit->value());
}

void TMainForm1::Upper_Length_SpinEditChange()
{
    if (Upper_Length_SpinEdit->value() < Lower_Length_SpinEdit->value())
        Lower_Length_SpinEdit->setValue(Upper_Length_SpinEdit->value());
}

// The close query: it never refuses.
void TMainForm1::FormCloseQuery()
{
    Save_Settings();
    if (knownWordListChanged() && m_services.messages.ask(MessageKind::Confirm, closeQuestion) == Answer::Yes)
        Save_Word_List_BitBtnClick();
}

void TMainForm1::ExitOptionClick() { close(); }

// The about box is modal; what it returns is of no interest.
void TMainForm1::AboutOptionClick()
{
    if (m_aboutBox) m_aboutBox->show();
}

void TMainForm1::Exit_BitBtnClick() { close(); }

// The known word list.

std::string TMainForm1::wordListPath() const { return m_services.pathOf(wordListFileName); }

bool TMainForm1::knownWordListChanged() const { return Known_Word_List_Changed_CheckBox->isChecked(); }

void TMainForm1::setKnownWordListChanged(bool changed) { Known_Word_List_Changed_CheckBox->setChecked(changed); }

LineListModel* TMainForm1::modelOf(QListView* view) const { return static_cast<LineListModel*>(view->model()); }

void TMainForm1::Show_Known_Word_Count()
{
    Known_Words_Label->setText(toQString(m_services.numbers.formatCount(std::int64_t(m_knownWords.size())) + " words."));
    setWindowTitle(QString::fromLatin1(programTitle) + QStringLiteral(" - ") + Known_Words_Label->text());
}

void TMainForm1::Copy_View_To_Clipboard(QListView* view)
{
    const LineListModel* model = modelOf(view);
    if (model->rowCount() == 0) return;
    m_services.clipboard.setText(model->text());
    view->clearSelection();
}

// Ctrl+C and the view's context menu copy the selected lines, in list order.
void TMainForm1::addCopySelectionCommand(QListView* view)
{
    auto* copy = new QAction(QStringLiteral("&Copy"), view);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    view->addAction(copy);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, [this, view] {
        const QModelIndexList rows = view->selectionModel()->selectedRows();
        if (!rows.isEmpty()) m_services.clipboard.setText(modelOf(view)->text(rows));
    });
}

void TMainForm1::Copy_Word_List_To_Clipboard_BitBtnClick() { Copy_View_To_Clipboard(Known_Words_MemoEx); }

void TMainForm1::Reset_Word_List_BitBtnClick()
{
    if (m_services.messages.ask(MessageKind::Confirm, resetQuestion) != Answer::Yes) return;
    modelOf(Known_Words_MemoEx)->beginBulkUpdate();
    m_knownWords.clear();
    modelOf(Known_Words_MemoEx)->endBulkUpdate();
    setKnownWordListChanged(true);
    Show_Known_Word_Count();
    processPendingEvents();
}

void TMainForm1::Save_Word_List_BitBtnClick()
{
    const std::string path = wordListPath();
    const std::string text = joinEntries(m_knownWords, m_knownWordsFormat.lineEnd);
    if (!m_services.files.writeAll(path, encodeFile(text, m_knownWordsFormat.encoding))) {
        m_services.messages.show(MessageKind::Error, "Cannot create file " + codepage::fromUtf8(path));
        return;
    }
    setKnownWordListChanged(false);
}

void TMainForm1::Load_Word_List_BitBtnClick()
{
    processPendingEvents();
    if (knownWordListChanged() && m_services.messages.ask(MessageKind::Confirm, reloadQuestion) != Answer::Yes)
        return;
    Known_Words_Label->clear();
    const std::string path = wordListPath();
    if (m_services.files.exists(path)) {
        // The file is read whole before the list is touched, so a file that
        // cannot be read leaves the list as it was.
        WordStore words;
        if (loadWordList(m_services.files, path, words, m_knownWordsFormat) != PieceRead::done) {
            Show_Known_Word_Count();
            m_services.messages.show(MessageKind::Error, "Cannot open file " + codepage::fromUtf8(path));
            return;
        }
        modelOf(Known_Words_MemoEx)->beginBulkUpdate();
        m_knownWords = std::move(words);
        modelOf(Known_Words_MemoEx)->endBulkUpdate();
    }
    setKnownWordListChanged(false);
    Show_Known_Word_Count();
    processPendingEvents();
}

} // namespace verbalia
