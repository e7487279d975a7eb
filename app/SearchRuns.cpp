// The Search Run: the protocol that the wildcard, letter and phonetic pages
// share, from the criteria checks to the count of words found.

#include "MainForm.h"

#include "LineListModel.h"
#include "app/HistoryBox.h"
#include "platform/qt/QtText.h"
#include "search/LetterSearch.h"
#include "search/PhoneticSearch.h"
#include "search/Scan.h"
#include "text/TextHelpers.h"
#include "search/WildcardSearch.h"

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

struct TMainForm1::SearchPage {
    QComboBox* criteria;
    QListView* results;
    std::vector<std::string>& lines;
    QLabel* status;
    const char* completion;
};

namespace {

bool isEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

} // namespace

template <class Prepare>
void TMainForm1::runSearch(const SearchPage& page, Prepare&& prepare)
{
    const std::size_t step = progressStep(m_knownWords.size());
    const std::string criteria(trimControls(fromQString(page.criteria->currentText())));
    page.criteria->setEditText(toQString(criteria));

    const std::string exclusion = fromQString(Excluded_Letters_Edit->text());
    const SearchInput input{criteria, exclusion,
                            LengthRange{Lower_Length_SpinEdit->value(), Upper_Length_SpinEdit->value()}};
    auto prepared = prepare(input);
    if (prepared.exclusion) Excluded_Letters_Edit->setText(toQString(*prepared.exclusion));
    if (!prepared.matcher) {
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
        scanRange(m_knownWords, index, index + 1, *prepared.matcher, page.lines);
        if (halted()) break;
        scanRange(m_knownWords, index + 1, std::min(index + step, count), *prepared.matcher, page.lines);
    }

    ProgressBar1->hide();
    results->endBulkUpdate();
    Set_Controls_Enabled(true);
    Halt_Processing_BitBtn->setEnabled(false);
    page.status->setText(halted() ? QStringLiteral(" Search Aborted by User !")
                                  : toQString(m_services.numbers.formatCount(std::int64_t(page.lines.size())) +
                                              page.completion));
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

void TMainForm1::Wildcard_Search_BitBtnClick()
{
    runSearch({Wildcard_Search_ComboBox, WildCard_Search_Results_MemoEx, m_wildcardResults, Wildcard_Search_Label,
               " words found."},
              prepareWildcardSearch);
}

void TMainForm1::Search_for_Words_with_these_Letters_BitBtnClick()
{
    const LetterMode mode = Search_for_Words_with_these_and_other_letters_RadioButton->isChecked() ? LetterMode::ContainsAll
                            : Search_for_Words_with_only_these_Any_Number_RadioButton->isChecked() ? LetterMode::OnlyThese
                            : Search_for_Words_with_only_these_Specified_Number_RadioButton->isChecked()
                                ? LetterMode::ExactCount
                                : LetterMode::None;
    runSearch({Words_With_These_Letters_Search_ComboBox, Words_With_These_Letters_Search_MemoEx, m_letterResults,
               Search_for_Words_with_these_Letters_Label, " words found."},
              [mode](const SearchInput& input) { return prepareLetterSearch(input, mode); });
}

void TMainForm1::Phonetic_Word_Search_BitBtnClick()
{
    runSearch({Phonetic_Search_ComboBox, Phonetic_Search_MemoEx, m_phoneticResults, Phonetic_Search_Label,
               " words found that sound similar."},
              preparePhoneticSearch);
}

void TMainForm1::Wildcard_Search_ComboBoxKeyDown(int key)
{
    if (isEnterKey(key)) Wildcard_Search_BitBtnClick();
}

void TMainForm1::Words_With_These_Letters_Search_ComboBoxKeyDown(int key)
{
    if (isEnterKey(key)) Search_for_Words_with_these_Letters_BitBtnClick();
}

void TMainForm1::Phonetic_Search_ComboBoxKeyDown(int key)
{
    if (isEnterKey(key)) Phonetic_Word_Search_BitBtnClick();
}

void TMainForm1::Halt_Processing_BitBtnClick() { Halt_Search_CheckBox->setChecked(true); }

// Empties the criteria and the whole history; the results stay.
void TMainForm1::resetCriteria(QComboBox* box)
{
    box->clear();
    box->setEditText(QString());
}

void TMainForm1::Reset_Wildcard_Search_Edit_BitBtnClick() { resetCriteria(Wildcard_Search_ComboBox); }

void TMainForm1::Reset_Words_With_These_Letters_Search_Edit_BitBtnClick()
{
    resetCriteria(Words_With_These_Letters_Search_ComboBox);
}

void TMainForm1::Reset_Phonetic_Search_Edit_BitBtnClick() { resetCriteria(Phonetic_Search_ComboBox); }

void TMainForm1::Reset_Excluded_Letters_Edit_BitBtnClick() { Excluded_Letters_Edit->clear(); }

void TMainForm1::Clipboard_Copy_WildCard_Search_Results_BitBtnClick()
{
    Copy_View_To_Clipboard(WildCard_Search_Results_MemoEx);
}

void TMainForm1::Clipboard_Copy_Words_With_These_Letters_Search_BitBtnClick()
{
    Copy_View_To_Clipboard(Words_With_These_Letters_Search_MemoEx);
}

void TMainForm1::Clipboard_Copy_Phonetic_Search_BitBtnClick() { Copy_View_To_Clipboard(Phonetic_Search_MemoEx); }

} // namespace verbalia
