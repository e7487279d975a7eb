// The Search Run: the protocol every search page shares, from the criteria
// checks to the count of words found.

#include "MainForm.h"

#include "app/HistoryBox.h"
#include "platform/qt/QtText.h"
#include "text/TextHelpers.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace verbalia {

void TMainForm1::runSearch(SearchPage& page)
{
    const std::string criteria(trimControls(fromQString(page.criteria->currentText())));
    page.criteria->setEditText(toQString(criteria));

    const std::string exclusion = fromQString(Excluded_Letters_Edit->text());
    const SearchInput input{criteria, exclusion,
                            LengthRange{Lower_Length_SpinEdit->value(), Upper_Length_SpinEdit->value()}};
    const PreparedScan prepared = page.description->prepare(*this, input);
    if (prepared.exclusion) Excluded_Letters_Edit->setText(toQString(*prepared.exclusion));
    if (!prepared.scan) {
        Show_Criteria_Message(prepared.refusal, page.criteria);
        return;
    }

    const WordStore& words = m_knownWords.words();
    RunController::Run run(*m_runs, page.results, ProgressBar1, words.size());
    page.lines.clear();
    addToHistory(page.criteria, criteria, false);
    page.status->setEnabled(true);
    showStatus(page, QStringLiteral(" Searching ... "));
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

    showStatus(page, run.halted() ? QStringLiteral(" Search Aborted by User !")
                                  : toQString(m_services.numbers.formatCount(std::int64_t(page.lines.size())) +
                                              page.description->completion));
    tellOutcome(page.criteria, page.status->text());
    run.unlock(page.criteria);
    QCoreApplication::processEvents();
    run.finish();
}

void TMainForm1::showStatus(SearchPage& page, const QString& text)
{
    page.status->setText(text);
    fitStatusLabel(page);
}

// A status label wraps a long text within its width; when the lines need more
// room than the page has below the label's place, the label moves up, so no
// count is ever cut off.
void TMainForm1::fitStatusLabel(SearchPage& page)
{
    const QRect place = page.statusPlace;
    const int height = page.status->heightForWidth(place.width());
    if (page.status->text().isEmpty() || height <= place.height()) {
        page.status->setGeometry(place);
        return;
    }
    // Only the page on show is laid out at once; every page has its size.
    const int pageHeight = PageControl1->currentWidget()->height();
    const int top = std::max(0, std::min(place.top(), pageHeight - height));
    page.status->setGeometry(place.left(), top, place.width(), height);
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

void TMainForm1::criteriaKeyDown(SearchPage& page, int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) runSearch(page);
}

void TMainForm1::Halt_Processing_BitBtnClick() { m_runs->halt(); }

// Empties the criteria and the whole history; the results stay.
void TMainForm1::resetCriteria(SearchPage& page)
{
    page.criteria->clear();
    page.criteria->setEditText(QString());
}

void TMainForm1::Reset_Excluded_Letters_Edit_BitBtnClick() { Excluded_Letters_Edit->clear(); }

} // namespace verbalia
