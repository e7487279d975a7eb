// The settings file, the window placement and the search histories.

#include "MainForm.h"

#include "app/HistoryBox.h"
#include "platform/CodePage.h"
#include "app/core/SettingsTable.h"
#include "platform/IniFile.h"
#include "platform/qt/QtText.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include <algorithm>

namespace verbalia {
namespace {

const char* const settingsFileName = "verbalia.ini";

} // namespace

std::string TMainForm1::settingsPath() const { return m_services.pathOf(settingsFileName); }

// The start-up steps: the window's placement, the menu's check marks, the
// search histories, then the controls.
void TMainForm1::readSettings()
{
    const SettingsValues values = readSettingsValues(IniFile(m_services.files, settingsPath()));
    m_openMaximized = values.maximized;
    m_placement.place(QRect(values.left, values.top, values.width, values.height));
    Always_On_Top_Option->setChecked(values.alwaysOnTop);
    Auto_Run_at_Windows_Startup_Option->setChecked(values.autoRun);
    for (const SearchPage& page : m_searchPages)
        Load_History(page.criteria, m_services.pathOf(page.description->historyFile));
    for (const SearchPage& page : m_searchPages) page.criteria->setEditText(toQString(values.*page.description->criteriaSetting));
    Excluded_Letters_Edit->setText(toQString(values.excludedLetters));
    Ignore_Words_With_Numbers_CheckBox->setChecked(values.ignoreNumbers);
    Ignore_All_Non_Alphanumeric_Chars_CheckBox->setChecked(values.ignoreSymbols);
    setLetterMode(Search_for_Words_with_these_and_other_letters_RadioButton, values.containsAll);
    setLetterMode(Search_for_Words_with_only_these_Any_Number_RadioButton, values.onlyThese);
    setLetterMode(Search_for_Words_with_only_these_Specified_Number_RadioButton, values.exactCount);
    setLengthLimit(Lower_Length_SpinEdit, values.lowerLength);
    setLengthLimit(Upper_Length_SpinEdit, values.upperLength);
    selectPage(values.page);
}

// Checking a mode unchecks the others; unchecking one leaves the others
// alone, so no mode may be chosen at all. Either way the modes then apply.
void TMainForm1::setLetterMode(QRadioButton* button, bool checked)
{
    if (checked) {
        button->setChecked(true);
    } else {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    Search_for_Words_with_these_and_other_letters_RadioButtonClick();
}

// Sets a limit within 1..50; its change handler runs even when the value
// stays the same.
void TMainForm1::setLengthLimit(QSpinBox* spin, int value)
{
    const int limited = std::clamp(value, spin->minimum(), spin->maximum());
    if (spin->value() == limited)
        emit spin->valueChanged(limited);
    else
        spin->setValue(limited);
}

// An index outside the pages leaves no page showing until the user picks a tab.
void TMainForm1::selectPage(int index)
{
    const bool valid = index >= 0 && index < PageControl1->count();
    if (valid) PageControl1->setCurrentIndex(index);
    m_noPageSelected = !valid;
    PageControl1->currentWidget()->setVisible(valid);
}

int TMainForm1::activePageIndex() const { return m_noPageSelected ? -1 : PageControl1->currentIndex(); }

SettingsValues TMainForm1::settingsValues() const
{
    const QRect bounds = m_placement.outerBounds();
    return {
        .maximized = isMaximized(),
        .top = bounds.top(),
        .left = bounds.left(),
        .width = bounds.width(),
        .height = bounds.height(),
        .alwaysOnTop = Always_On_Top_Option->isChecked(),
        .autoRun = Auto_Run_at_Windows_Startup_Option->isChecked(),
        .wildcardCriteria = fromQString(m_searchPages[wildcardPage].criteria->currentText()),
        .letterCriteria = fromQString(m_searchPages[letterPage].criteria->currentText()),
        .phoneticCriteria = fromQString(m_searchPages[phoneticPage].criteria->currentText()),
        .excludedLetters = fromQString(Excluded_Letters_Edit->text()),
        .ignoreNumbers = Ignore_Words_With_Numbers_CheckBox->isChecked(),
        .ignoreSymbols = Ignore_All_Non_Alphanumeric_Chars_CheckBox->isChecked(),
        .containsAll = Search_for_Words_with_these_and_other_letters_RadioButton->isChecked(),
        .onlyThese = Search_for_Words_with_only_these_Any_Number_RadioButton->isChecked(),
        .exactCount = Search_for_Words_with_only_these_Specified_Number_RadioButton->isChecked(),
        .lowerLength = Lower_Length_SpinEdit->value(),
        .upperLength = Upper_Length_SpinEdit->value(),
        .page = activePageIndex(),
    };
}

// Writes the settings in the order of the table, with the search histories
// between the menu's check marks and the controls.
void TMainForm1::Save_Settings()
{
    IniFile settings(m_services.files, settingsPath());
    const SettingsValues values = settingsValues();
    const auto writeGroups = [&](std::initializer_list<SettingGroup> groups) {
        if (writeSettingsValues(settings, groups, values)) return true;
        m_services.messages.show(MessageKind::Error, "Unable to write to " + codepage::fromUtf8(settings.path()));
        return false;
    };
    if (!writeGroups({SettingGroup::Window, SettingGroup::Menu})) return;
    for (const SearchPage& page : m_searchPages)
        if (!Save_History(page.criteria, m_services.pathOf(page.description->historyFile))) return;
    writeGroups({SettingGroup::Controls});
}

void TMainForm1::Load_History(QComboBox* box, const std::string& path)
{
    History history;
    if (m_services.files.exists(path)) {
        if (const std::optional<std::string> bytes = m_services.files.readAll(path)) history = parseHistory(*bytes);
    }
    setHistory(box, history);
}

bool TMainForm1::Save_History(QComboBox* box, const std::string& path)
{
    if (m_services.files.writeAll(path, serializeHistory(historyOf(box)))) return true;
    m_services.messages.show(MessageKind::Error, "Cannot create file " + codepage::fromUtf8(path));
    return false;
}

} // namespace verbalia
