// The settings file, the window placement and the search histories.

#include "MainForm.h"

#include "app/HistoryBox.h"
#include "platform/CodePage.h"
#include "platform/IniFile.h"
#include "platform/qt/QtText.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include <algorithm>

namespace verbalia {
namespace {

const char* const settingsFileName = "verbalia.ini";
const char* const section = "verbalia";
const char* const wildcardHistoryFileName = "verbalia.wcs";
const char* const letterHistoryFileName = "verbalia.wwt";
const char* const phoneticHistoryFileName = "verbalia.phs";

std::string textOf(const QComboBox* box) { return fromQString(box->currentText()); }

} // namespace

void TMainForm1::readSettings()
{
    const IniFile settings(m_services.files, m_services.pathOf(settingsFileName));
    m_outerBounds.setTop(settings.readInteger(section, "window_top_posn", 5));
    m_outerBounds.setLeft(settings.readInteger(section, "window_left_posn", 5));
    m_outerBounds.setWidth(settings.readInteger(section, "window_Width", 620));
    m_outerBounds.setHeight(settings.readInteger(section, "window_Height", 508));
    applyOuterBounds();

    Always_On_Top_Option->setChecked(settings.readBool(section, "Always_on_Top_Option", false));
    Auto_Run_at_Windows_Startup_Option->setChecked(
        settings.readBool(section, "Auto_Run_at_Windows_Startup_Option", false));
    m_openMaximized = settings.readBool(section, "WindowState_wsMaximized", false);

    Load_History(Wildcard_Search_ComboBox, m_services.pathOf(wildcardHistoryFileName));
    Load_History(Words_With_These_Letters_Search_ComboBox, m_services.pathOf(letterHistoryFileName));
    Load_History(Phonetic_Search_ComboBox, m_services.pathOf(phoneticHistoryFileName));

    for (QComboBox* box : {Wildcard_Search_ComboBox, Words_With_These_Letters_Search_ComboBox, Phonetic_Search_ComboBox})
        box->setEditText(toQString(settings.readString(section, fromQString(box->objectName()))));
    Excluded_Letters_Edit->setText(toQString(settings.readString(section, "Excluded_Letters_Edit")));

    Ignore_Words_With_Numbers_CheckBox->setChecked(settings.readBool(section, "Ignore_Words_With_Numbers_CheckBox", true));
    Ignore_All_Non_Alphanumeric_Chars_CheckBox->setChecked(
        settings.readBool(section, "Ignore_All_Non_Alphanumeric_Chars_CheckBox", true));
    setLetterMode(Search_for_Words_with_these_and_other_letters_RadioButton,
                  settings.readBool(section, "Search_for_Words_with_these_and_other_letters_RadioButton", true));
    setLetterMode(Search_for_Words_with_only_these_Any_Number_RadioButton,
                  settings.readBool(section, "Search_for_Words_with_only_these_Any_Number_RadioButton", false));
    setLetterMode(Search_for_Words_with_only_these_Specified_Number_RadioButton,
                  settings.readBool(section, "Search_for_Words_with_only_these_Specified_Number_RadioButton", false));
    Search_for_Words_with_these_and_other_letters_RadioButtonClick();

    setLengthLimit(Lower_Length_SpinEdit, settings.readInteger(section, "Lower_Length_SpinEdit", 1));
    setLengthLimit(Upper_Length_SpinEdit, settings.readInteger(section, "Upper_Length_SpinEdit", 50));

    selectPage(settings.readInteger(section, "PageControl1", 0));
}

// Checking a mode unchecks the others and applies it; unchecking one leaves
// the others alone, so no mode may be chosen at all.
void TMainForm1::setLetterMode(QRadioButton* button, bool checked)
{
    if (checked) {
        button->setChecked(true);
        Search_for_Words_with_these_and_other_letters_RadioButtonClick();
        return;
    }
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
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

// Outer bounds include the window frame, which the window system may report
// only once the window is on screen; until then the frame counts as nothing
// and the size is set again when it becomes known.
void TMainForm1::applyOuterBounds()
{
    const QMargins frame = frameMargins();
    move(m_outerBounds.topLeft());
    resize(m_outerBounds.size().shrunkBy(frame));
    m_outerBoundsPending = frame.isNull();
}

QMargins TMainForm1::frameMargins() const
{
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

bool TMainForm1::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (m_outerBoundsPending && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        frameGeometry() != geometry() && !isMaximized() && !isMinimized())
        applyOuterBounds();
    return handled;
}

void TMainForm1::Save_Settings()
{
    IniFile settings(m_services.files, m_services.pathOf(settingsFileName));
    const auto failed = [&](bool written) {
        if (!written) m_services.messages.show(MessageKind::Error, "Unable to write to " + codepage::fromUtf8(settings.path()));
        return !written;
    };

    // The bounds written are those of the normal (not maximised) window.
    const QRect outer = (isMaximized() ? normalGeometry() : geometry()).marginsAdded(frameMargins());
    if (failed(settings.writeBool(section, "WindowState_wsMaximized", isMaximized())) ||
        failed(settings.writeInteger(section, "window_top_posn", outer.top())) ||
        failed(settings.writeInteger(section, "window_left_posn", outer.left())) ||
        failed(settings.writeInteger(section, "window_Width", outer.width())) ||
        failed(settings.writeInteger(section, "window_Height", outer.height())) ||
        failed(settings.writeBool(section, "Always_on_Top_Option", Always_On_Top_Option->isChecked())) ||
        failed(settings.writeBool(section, "Auto_Run_at_Windows_Startup_Option",
                                  Auto_Run_at_Windows_Startup_Option->isChecked())))
        return;

    if (!Save_History(Wildcard_Search_ComboBox, m_services.pathOf(wildcardHistoryFileName)) ||
        !Save_History(Words_With_These_Letters_Search_ComboBox, m_services.pathOf(letterHistoryFileName)) ||
        !Save_History(Phonetic_Search_ComboBox, m_services.pathOf(phoneticHistoryFileName)))
        return;

    for (const QComboBox* box : {Wildcard_Search_ComboBox, Words_With_These_Letters_Search_ComboBox, Phonetic_Search_ComboBox})
        if (failed(settings.writeString(section, fromQString(box->objectName()), textOf(box)))) return;
    if (failed(settings.writeString(section, "Excluded_Letters_Edit", fromQString(Excluded_Letters_Edit->text()))))
        return;
    for (const QCheckBox* box : {Ignore_Words_With_Numbers_CheckBox, Ignore_All_Non_Alphanumeric_Chars_CheckBox})
        if (failed(settings.writeBool(section, fromQString(box->objectName()), box->isChecked()))) return;
    for (const QRadioButton* button : {Search_for_Words_with_these_and_other_letters_RadioButton,
                                       Search_for_Words_with_only_these_Any_Number_RadioButton,
                                       Search_for_Words_with_only_these_Specified_Number_RadioButton})
        if (failed(settings.writeBool(section, fromQString(button->objectName()), button->isChecked()))) return;
    if (failed(settings.writeInteger(section, "Lower_Length_SpinEdit", Lower_Length_SpinEdit->value())) ||
        failed(settings.writeInteger(section, "Upper_Length_SpinEdit", Upper_Length_SpinEdit->value())))
        return;
    failed(settings.writeInteger(section, "PageControl1", activePageIndex()));
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
