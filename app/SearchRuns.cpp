// The Search Run: the protocol every search page shares, from the criteria
// checks to the count of words found.

#include "MainForm.h"

#include "LineListModel.h"
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
    const std::size_t step = progressStep(m_knownWords.size());
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

    LineListModel* results = modelOf(page.results);
    results->beginBulkUpdate();
    page.lines.clear();
    Set_Controls_Enabled(false);
    ProgressBar1->setRange(0, int(m_knownWords.size()));
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    ProgressBar1->raise();
    Halt_Processing_BitBtn->setEnabled(true);
    Halt_Search_CheckBox->setChecked(false);
    addToHistory(page.criteria, criteria, false);
    page.status->setEnabled(true);
    page.status->setText(QStringLiteral(" Searching ... "));
    QCoreApplication::processEvents();

    // Events, and with them a halt, get through once per step; the words in
    // between are tested without a pause.
    const auto halted = [this] { return Halt_Search_CheckBox->isChecked(); };
    const std::size_t count = m_knownWords.size();
    for (std::size_t index = 0; index < count && !halted(); index += step) {
        ProgressBar1->setValue(int(index));
        QCoreApplication::processEvents();
        prepared.scan(m_knownWords, index, index + 1, page.lines);
        if (halted()) break;
        prepared.scan(m_knownWords, index + 1, std::min(index + step, count), page.lines);
    }

    ProgressBar1->hide();
    results->endBulkUpdate();
    Set_Controls_Enabled(true);
    Halt_Processing_BitBtn->setEnabled(false);
    page.status->setText(halted() ? QStringLiteral(" Search Aborted by User !")
                                  : toQString(m_services.numbers.formatCount(std::int64_t(page.lines.size())) +
                                              page.description->completion));
    page.criteria->setFocus();
    QCoreApplication::processEvents();

    if (m_closeRequested) close();
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
    m_running = !enabled;
    menuBar()->setEnabled(enabled);
}

void TMainForm1::Show_Criteria_Message(const std::string& text, QComboBox* box)
{
    m_services.messages.show(MessageKind::Information, text);
    box->setFocus();
}

void TMainForm1::criteriaKeyDown(SearchPage& page, int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) runSearch(page);
}

void TMainForm1::Halt_Processing_BitBtnClick() { Halt_Search_CheckBox->setChecked(true); }

// Empties the criteria and the whole history; the results stay.
void TMainForm1::resetCriteria(SearchPage& page)
{
    page.criteria->clear();
    page.criteria->setEditText(QString());
}

void TMainForm1::Reset_Excluded_Letters_Edit_BitBtnClick() { Excluded_Letters_Edit->clear(); }

} // namespace verbalia
