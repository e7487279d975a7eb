#include "MainForm.h"

#include "Controls.h"
#include "DefinitionWindow.h"
#include "MaintenancePage.h"
#include "SearchPage.h"
#include "SharedFilters.h"
#include "SolverPage.h"
#include "WindowMenu.h"
#include "WindowScaling.h"
#include "about/AboutBox.h"
#include "platform/CodePage.h"
#include "platform/qt/QtText.h"
#include "text/ProgramTitle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <iostream>

namespace verbalia {
namespace {

const char* const closeQuestion =
    "The Known Word List has been changed, but not saved.  Would you like to save the list before exiting ?";
constexpr int maintenancePage = 3;
constexpr int solverPage = 4;

} // namespace

TMainForm1::TMainForm1(PlatformServices services, QWidget* parent)
    : QMainWindow(parent)
    , m_services(std::move(services))
    , m_knownWords(m_services.files, m_services.locations.wordList())
{
    setObjectName(QStringLiteral("MainForm1"));
    createControls();
    m_menu = std::make_unique<WindowMenu>(*this, m_services.windowManager, m_desktop, m_levels);
    centralWidget()->installEventFilter(this); // FormResize
    setUpKeyboardAccess();

    connect(Exit_BitBtn, &QPushButton::clicked, this, &QWidget::close);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int page) {
        if (m_noPageSelected) selectPage(page);
        PageControl1Change();
    });
    connect(PageControl1, &QTabWidget::tabBarClicked, this, [this](int page) {
        if (m_noPageSelected && page == PageControl1->currentIndex()) {
            selectPage(page);
            PageControl1Change();
        }
    });
    for (SearchPage* page : m_pages.search) {
        connect(page, &SearchPage::definitionRequested, this, &TMainForm1::showDefinition);
        connect(page, &SearchPage::exclusionInUseChanged, m_pages.filters, &SharedFilters::setExclusionInUse);
    }
    connect(m_pages.maintenance, &MaintenancePage::definitionRequested, this, &TMainForm1::showDefinition);
    connect(m_pages.maintenance, &MaintenancePage::listAboutToChange, m_pages.solver, &SolverPage::holdList);
    connect(m_pages.maintenance, &MaintenancePage::listChanged, m_pages.solver, &SolverPage::listChanged);
    connect(m_pages.solver, &SolverPage::definitionRequested, this, &TMainForm1::showDefinition);
    connect(m_pages.maintenance, &MaintenancePage::countShown, this, [this](const QString& count) {
        setWindowTitle(QString::fromLatin1(programTitle) + QStringLiteral(" - ") + count);
    });

    m_runs.lockControlsOf(*this, *PageControl1);

    connect(m_menu.get(), &WindowMenu::restoreFactoryDefaultsRequested, this, &TMainForm1::Restore_Factory_Defaults);
    // The about box is modal; what it returns is of no interest.
    connect(m_menu.get(), &WindowMenu::aboutRequested, this, [this] {
        if (m_aboutBox) m_aboutBox->show();
    });
    if (const std::string problem = m_levels.startLoading(); !problem.empty())
        m_menu->levelsUnavailable(toQString(problem));
}

// The solver's workers read the list, which goes before the pages.
TMainForm1::~TMainForm1() { m_pages.solver->stopWork(); }

void TMainForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

// A close request during a run halts the run and takes effect once it has
// stopped, so the close query never saves a list in the middle of a scan,
// and a close waits for a save to end.
void TMainForm1::closeEvent(QCloseEvent* event)
{
    if (!m_closing && (m_runs.deferClose() || !FormCloseQuery())) {
        event->ignore();
        return;
    }
    m_closing = true;
    event->accept();
}

bool TMainForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize) FormResize();
    return QMainWindow::eventFilter(watched, event);
}

// The start-up sequence.
void TMainForm1::FormShow()
{
    // The client area takes the design size: the page control with its margin
    // all round, and the Exit button below it.
    const int clientWidth = PageControl1->width() + 2 * PageControl1->x();
    const int clientHeight = Exit_BitBtn->y() + Exit_BitBtn->height() + PageControl1->y();
    resize(clientWidth, clientHeight + menuBar()->sizeHint().height());
    m_scaling->capture(clientWidth, clientHeight); // Capture_Layout_Baseline
    // Once shown, the menu bar has made every menu it has: the one for
    // entries that do not fit included.
    useReadableHighlight(*this);

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
    m_menu->applyCheckMarks();
    PageControl1Change();
    m_knownWords.setChanged(false);
    for (SearchPage* page : m_pages.search) page->startUp();
    m_pages.solver->startUp();
    m_pages.maintenance->loadList();
    for (const std::string& path : m_services.unsavedLists.takeUntold())
        m_services.messages.show(MessageKind::Warning, "Words that were not saved when Verbalia last closed are in " +
                                                           codepage::fromUtf8(path) + ".");
    // Typing into the page shown searches at once.
    if (const int page = activePageIndex(); page >= 0) tabOrder(page)[1]->setFocus();
}

void TMainForm1::FormResize()
{
    // Scale_To_Window
    if (!m_scaling->scale()) return;
    for (SearchPage* page : m_pages.search) page->takeStatusPlace();
}

void TMainForm1::PageControl1Change()
{
    const int page = activePageIndex();
    m_pages.filters->setExclusionInUse(true);
    for (std::size_t i = 0; i < searchPageCount; ++i) m_pages.search[i]->pageChanged(page == int(i));
    m_pages.filters->setVisible(page != maintenancePage && page != solverPage);
    const std::vector<QWidget*> order = tabOrder(page);
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

// The close query. After a Yes the window closes once the list is saved; a
// failed or refused save keeps it open, the list and its changed flag intact.
bool TMainForm1::FormCloseQuery()
{
    Save_Settings(m_services.messages);
    return offerToSave([this] { close(); });
}

bool TMainForm1::offerToSave(std::function<void()> saved)
{
    if (!m_knownWords.changed()) return true;
    switch (m_services.messages.askOrCancel(MessageKind::Confirm, closeQuestion)) {
    case Answer::No: return true;
    case Answer::Yes:
        m_pages.maintenance->saveListThen([saved = std::move(saved)](bool ok) {
            if (ok) saved();
        });
        return false;
    case Answer::Cancel: return false;
    }
    return false;
}

void TMainForm1::closeUnasked()
{
    if (m_closing) return;
    m_closing = true;
    m_runs.abandon();
    m_pages.maintenance->settleAbandonedSave();
    keepUnsavedList();
    // No one may be there to answer a message box, which would hold the
    // process for ever: what fails goes to standard error.
    UnattendedMessages unattended(std::cerr);
    Save_Settings(unattended);
    close();
}

void TMainForm1::processEnding()
{
    if (m_closing) return;
    m_closing = true;
    keepUnsavedList();
}

// The bytes a save would write, under a name of their own.
void TMainForm1::keepUnsavedList()
{
    if (m_knownWords.changed()) m_services.unsavedLists.keep(m_knownWords.fileContent());
}

void TMainForm1::showDefinition(const std::string& word)
{
    if (!m_definitionWindow)
        m_definitionWindow = new DefinitionWindow(m_services.locations.definitionFolders, m_services.files, this);
    m_definitionWindow->define(word);
}

// The start-up steps: the window's placement, the menu's check marks, the
// search histories, then the controls, each page applying its part.
void TMainForm1::readSettings()
{
    const SettingsValues values = m_settingsFiles.read();
    m_openMaximized = values.maximized;
    m_placement.place(QRect(values.left, values.top, values.width, values.height));
    m_menu->applySettings(values);
    m_settingsFiles.loadHistories(m_pages.keptHistories());
    m_pages.applySettings(values);
    selectPage(values.page);
}

void TMainForm1::Save_Settings(MessageBoxes& messages)
{
    SettingsValues values{};
    const QRect bounds = m_placement.outerBounds();
    values.maximized = isMaximized();
    values.top = bounds.top();
    values.left = bounds.left();
    values.width = bounds.width();
    values.height = bounds.height();
    m_menu->collectSettings(values);
    values.page = activePageIndex();
    m_pages.collectSettings(values);
    m_settingsFiles.save(values, m_pages.keptHistories(), messages);
}

// Only No stops. A settings file that another program holds stays, and the
// start-up sequence then reads it again.
void TMainForm1::Restore_Factory_Defaults()
{
    if (m_services.messages.ask(MessageKind::Warning, factoryDefaultsQuestion()) == Answer::No) return;
    // The question promises to keep the histories and the list, which the
    // start-up reads again: this session's searches are written first, and a
    // changed list is offered for saving as at close: a failed or refused
    // save, or Cancel, restores nothing, since the start-up would load the file.
    m_settingsFiles.saveHistories(m_pages.keptHistories(), m_services.messages);
    const auto restore = [this] {
        m_desktop.Delete_File_Safely(m_settingsFiles.settingsPath());
        showNormal();
        FormShow();
    };
    if (offerToSave(restore)) restore();
}

} // namespace verbalia
