// The window's own controls at their design bounds (96 dpi, client 615 x 455),
// its pages in tab order, and keyboard and screen-reader use: the
// Tab order of each page, the keys that switch pages and Return on a focused
// button.

#include "MainForm.h"

#include "Controls.h"
#include "MaintenancePage.h"
#include "SearchPage.h"
#include "SharedFilters.h"
#include "SolverPage.h"
#include "WindowScaling.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

namespace verbalia {

void TMainForm1::createControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("MainForm1_Client"));
    setCentralWidget(client);
    setFont(QFont(bodyFontFamily, 11));

    PageControl1 = make<QTabWidget>(client, "PageControl1", 5, 4, 605, 409);
    // Five captions are wider than the page control: each gives up a little
    // of its end, and every tab stays in sight.
    PageControl1->tabBar()->setUsesScrollButtons(false);
    PageControl1->tabBar()->setElideMode(Qt::ElideRight);
    const SearchPageServices services{m_services.clipboard, m_services.messages, m_services.numbers,
                                      m_knownWords.words(), m_runs, m_levels};
    for (std::size_t i = 0; i < searchPageCount; ++i)
        m_pages.search[i] = new SearchPage(searchPageDescriptions()[i], *PageControl1, services);
    m_pages.maintenance = new MaintenancePage(*PageControl1, m_knownWords, m_services, m_unreadableFiles, m_runs);
    m_pages.solver = new SolverPage(*PageControl1, m_knownWords, m_services);
    m_pages.filters = new SharedFilters(client, m_pages.search[letterPage]->exclusionCaption());
    for (SearchPage* page : m_pages.search) page->setFilters(*m_pages.filters);

    auto* ProgressBar1 = progressBar(client, "ProgressBar1", 88, 244, 209, 33, Qt::Horizontal);
    Halt_Processing_BitBtn = pictureButton(client, "Halt_Processing_BitBtn", 136, 416, 150, 35, "Halt / Abort",
                                           QStyle::SP_BrowserStop);
    Halt_Processing_BitBtn->setEnabled(false);
    Exit_BitBtn = pictureButton(client, "Exit_BitBtn", 337, 416, 150, 35, "Exit", QStyle::SP_DialogCloseButton, 14);
    QCheckBox* Halt_Search_CheckBox = hiddenCheckBox(client, "Halt_Search_CheckBox", 160, 376, 193, 17);
    auto* Scaling_ListBox = make<QListWidget>(client, "Scaling_ListBox", 652, 4, 25, 29);
    Scaling_ListBox->hide();
    m_runs.attach(*Halt_Processing_BitBtn, *Halt_Search_CheckBox, *ProgressBar1);
    m_scaling = std::make_unique<WindowScaling>(*this, *Scaling_ListBox);
}

void TMainForm1::setUpKeyboardAccess()
{
    // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp switch pages
    // wherever the focus is, not only inside the page control.
    const std::pair<QList<QKeySequence>, int> pageKeys[] = {
        {{QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1},
        {{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
          QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
         -1},
    };
    for (const auto& [keys, step] : pageKeys) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { switchPage(step); });
    }

    // Return presses a focused button, as Space does.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);
}

void TMainForm1::selectPage(int index)
{
    const bool valid = index >= 0 && index < PageControl1->count();
    if (valid) PageControl1->setCurrentIndex(index);
    m_noPageSelected = !valid;
    PageControl1->currentWidget()->setVisible(valid);
}

int TMainForm1::activePageIndex() const { return m_noPageSelected ? -1 : PageControl1->currentIndex(); }

// Next or previous page, round the end; the lock keeps the page during a run.
void TMainForm1::switchPage(int step)
{
    if (!PageControl1->tabBar()->isEnabled()) return;
    const int count = PageControl1->count();
    const int current = activePageIndex();
    const int next = current < 0 ? (step > 0 ? 0 : count - 1) : (current + step + count) % count;
    const bool changes = next != PageControl1->currentIndex();
    // Focus inside the outgoing page goes straight to the incoming page's
    // first control, not through the shared ones as the page hides.
    QWidget* const focus = QApplication::focusWidget();
    const bool focusInPage = focus && PageControl1->currentWidget()->isAncestorOf(focus);
    if (focusInPage) focus->clearFocus();
    selectPage(next);
    if (!changes) PageControl1Change();
    if (focusInPage) tabOrder(next)[1]->setFocus();
}

std::vector<QWidget*> TMainForm1::tabOrder(int page) const
{
    return m_pages.tabOrder(page, PageControl1->tabBar(), {Halt_Processing_BitBtn, Exit_BitBtn});
}

} // namespace verbalia
