// The Search Run: the protocol every search page shares, from the criteria
// checks to the count of words found, and the window lock it takes.

#include "MainForm.h"

#include "HistoryBox.h"
#include "RunController.h"
#include "SearchPage.h"
#include "SharedFilters.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace verbalia {
namespace {

// A screen reader reads a control's description with it when focus arrives:
// the criteria box carries the outcome of the page's last run or refusal,
// set just before the focus returns to it.
void tellOutcome(QComboBox* criteria, const QString& outcome) { criteria->setAccessibleDescription(outcome.trimmed()); }

} // namespace

void TMainForm1::runSearch(SearchPage& page)
{
    const std::string criteria = page.takeCriteria();
    const PreparedScan prepared = page.description.prepare(m_filters->input(criteria, page.letterMode()));
    if (prepared.exclusion) m_filters->setExclusion(*prepared.exclusion);
    if (!prepared.scan) {
        Show_Criteria_Message(prepared.refusal, page.criteria);
        return;
    }

    const WordStore& words = m_knownWords.words();
    RunController::Run run(*m_runs, page.results, ProgressBar1, words.size());
    page.lines.clear();
    addToHistory(page.criteria, criteria, false);
    page.status->setEnabled(true);
    page.showStatus(QStringLiteral(" Searching ... "), pageHeight());
    QCoreApplication::processEvents();

    // Events, and with them a halt, get through once per step; the words in
    // between are tested without a pause.
    const std::size_t count = words.size();
    for (std::size_t index = 0; index < count && !run.halted(); index += run.step()) {
        run.showProgress(index);
        prepared.scan(words, index, index + 1, page.lines);
        if (run.halted()) break;
        prepared.scan(words, index + 1, std::min(index + run.step(), count), page.lines);
    }

    page.showStatus(run.halted() ? QStringLiteral(" Search Aborted by User !")
                                 : toQString(m_services.numbers.formatCount(std::int64_t(page.lines.size())) +
                                             page.description.completion),
                    pageHeight());
    tellOutcome(page.criteria, page.status->text());
    run.unlock(page.criteria);
    QCoreApplication::processEvents();
    run.finish();
}

void TMainForm1::criteriaKeyDown(SearchPage& page, int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) runSearch(page);
}

void TMainForm1::Set_Controls_Enabled(bool enabled)
{
    if (enabled)
        QApplication::restoreOverrideCursor();
    else
        QApplication::setOverrideCursor(Qt::WaitCursor);

    for (QWidget* control : m_lockedControls) control->setEnabled(enabled);
    PageControl1->tabBar()->setEnabled(enabled);
    // No menu command may touch the list or the window while a run reads them.
    menuBar()->setEnabled(enabled);
}

void TMainForm1::Show_Criteria_Message(const std::string& text, QComboBox* box)
{
    m_services.messages.show(MessageKind::Information, text);
    tellOutcome(box, toQString(text));
    box->setFocus();
}

} // namespace verbalia
