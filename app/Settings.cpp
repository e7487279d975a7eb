// The settings file, the window placement and the search histories.

#include "MainForm.h"

#include "app/HistoryBox.h"
#include "platform/CodePage.h"
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
const char* const section = "verbalia";

Setting checkMark(const char* key, QAction* TMainForm1::*action)
{
    return {key, SettingGroup::Menu, false,
            [action](TMainForm1& window, const SettingValue& value) { (window.*action)->setChecked(std::get<bool>(value)); },
            [action](const TMainForm1& window) -> SettingValue { return (window.*action)->isChecked(); }};
}

// A setting kept in the control of the same name.
template <class Control, class Apply, class Value>
Setting control(const char* key, SettingValue factoryDefault, Apply apply, Value value)
{
    return {key, SettingGroup::Controls, std::move(factoryDefault),
            [key, apply](TMainForm1& window, const SettingValue& setting) {
                apply(window, window.findChild<Control*>(QString::fromLatin1(key)), setting);
            },
            [key, value](const TMainForm1& window) -> SettingValue {
                return value(window.findChild<const Control*>(QString::fromLatin1(key)));
            }};
}

Setting text(const char* key)
{
    return control<QLineEdit>(
        key, std::string(),
        [](TMainForm1&, QLineEdit* edit, const SettingValue& value) { edit->setText(toQString(std::get<std::string>(value))); },
        [](const QLineEdit* edit) { return fromQString(edit->text()); });
}

Setting criteria(const char* key)
{
    return control<QComboBox>(
        key, std::string(),
        [](TMainForm1&, QComboBox* box, const SettingValue& value) {
            box->setEditText(toQString(std::get<std::string>(value)));
        },
        [](const QComboBox* box) { return fromQString(box->currentText()); });
}

Setting checkBox(const char* key)
{
    return control<QCheckBox>(
        key, true, [](TMainForm1&, QCheckBox* box, const SettingValue& value) { box->setChecked(std::get<bool>(value)); },
        [](const QCheckBox* box) { return box->isChecked(); });
}

} // namespace

// The settings in the order they are written; reading keeps the order within
// each group. The window bounds are outer (frame) bounds, and those written
// are of the normal (not maximised) window.
const std::vector<Setting>& TMainForm1::settingsTable()
{
    static const std::vector<Setting> table = [] {
        using G = SettingGroup;
        const auto bound = [](const char* key, int factoryDefault, void (QRect::*set)(int), int (QRect::*get)() const) {
            return Setting{key, G::Window, factoryDefault,
                           [set](TMainForm1& window, const SettingValue& value) {
                               (window.m_outerBounds.*set)(std::get<int>(value));
                           },
                           [get](const TMainForm1& window) -> SettingValue { return (window.m_placement.outerBounds().*get)(); }};
        };
        const auto letterMode = [](const char* key, bool factoryDefault) {
            return control<QRadioButton>(
                key, factoryDefault,
                [](TMainForm1& window, QRadioButton* button, const SettingValue& value) {
                    window.setLetterMode(button, std::get<bool>(value));
                },
                [](const QRadioButton* button) { return button->isChecked(); });
        };
        const auto lengthLimit = [](const char* key, int factoryDefault) {
            return control<QSpinBox>(
                key, factoryDefault,
                [](TMainForm1& window, QSpinBox* spin, const SettingValue& value) {
                    window.setLengthLimit(spin, std::get<int>(value));
                },
                [](const QSpinBox* spin) { return spin->value(); });
        };

        std::vector<Setting> rows{
            {"WindowState_wsMaximized", G::Window, false,
             [](TMainForm1& window, const SettingValue& value) { window.m_openMaximized = std::get<bool>(value); },
             [](const TMainForm1& window) -> SettingValue { return window.isMaximized(); }},
            bound("window_top_posn", 5, &QRect::setTop, &QRect::top),
            bound("window_left_posn", 5, &QRect::setLeft, &QRect::left),
            bound("window_Width", 620, &QRect::setWidth, &QRect::width),
            bound("window_Height", 508, &QRect::setHeight, &QRect::height),
            checkMark("Always_on_Top_Option", &TMainForm1::Always_On_Top_Option),
            checkMark("Auto_Run_at_Windows_Startup_Option", &TMainForm1::Auto_Run_at_Windows_Startup_Option),
        };
        for (const SearchPageDescription& page : searchPageDescriptions()) rows.push_back(criteria(page.criteriaBox));
        for (Setting row : {text("Excluded_Letters_Edit"), checkBox("Ignore_Words_With_Numbers_CheckBox"),
                            checkBox("Ignore_All_Non_Alphanumeric_Chars_CheckBox"),
                            letterMode("Search_for_Words_with_these_and_other_letters_RadioButton", true),
                            letterMode("Search_for_Words_with_only_these_Any_Number_RadioButton", false),
                            letterMode("Search_for_Words_with_only_these_Specified_Number_RadioButton", false),
                            lengthLimit("Lower_Length_SpinEdit", 1), lengthLimit("Upper_Length_SpinEdit", 50)})
            rows.push_back(std::move(row));
        rows.push_back({"PageControl1", G::Controls, 0,
                        [](TMainForm1& window, const SettingValue& value) { window.selectPage(std::get<int>(value)); },
                        [](const TMainForm1& window) -> SettingValue { return window.activePageIndex(); }});
        return rows;
    }();
    return table;
}

namespace {

SettingValue readSetting(const IniFile& settings, const Setting& setting)
{
    return std::visit(
        [&](const auto& factoryDefault) -> SettingValue {
            using Type = std::decay_t<decltype(factoryDefault)>;
            if constexpr (std::is_same_v<Type, bool>)
                return settings.readBool(section, setting.key, factoryDefault);
            else if constexpr (std::is_same_v<Type, int>)
                return settings.readInteger(section, setting.key, factoryDefault);
            else
                return settings.readString(section, setting.key, factoryDefault);
        },
        setting.factoryDefault);
}

bool writeSetting(IniFile& settings, const Setting& setting, const SettingValue& value)
{
    return std::visit(
        [&](const auto& typed) {
            using Type = std::decay_t<decltype(typed)>;
            if constexpr (std::is_same_v<Type, bool>)
                return settings.writeBool(section, setting.key, typed);
            else if constexpr (std::is_same_v<Type, int>)
                return settings.writeInteger(section, setting.key, typed);
            else
                return settings.writeString(section, setting.key, typed);
        },
        value);
}

} // namespace

std::string TMainForm1::settingsPath() const { return m_services.pathOf(settingsFileName); }

// The start-up steps: the window's placement, the menu's check marks, the
// search histories, then the controls.
void TMainForm1::readSettings()
{
    const IniFile settings(m_services.files, settingsPath());
    const auto readGroup = [&](SettingGroup group) {
        for (const Setting& setting : settingsTable())
            if (setting.group == group) setting.apply(*this, readSetting(settings, setting));
    };
    readGroup(SettingGroup::Window);
    m_placement.place(m_outerBounds);
    readGroup(SettingGroup::Menu);
    for (const SearchPage& page : m_searchPages)
        Load_History(page.criteria, m_services.pathOf(page.description->historyFile));
    readGroup(SettingGroup::Controls);
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

// Writes the settings in the order of the table, with the search histories
// between the menu's check marks and the controls.
void TMainForm1::Save_Settings()
{
    IniFile settings(m_services.files, settingsPath());
    const auto writeGroups = [&](std::initializer_list<SettingGroup> groups) {
        for (const Setting& setting : settingsTable()) {
            if (std::find(groups.begin(), groups.end(), setting.group) == groups.end()) continue;
            if (!writeSetting(settings, setting, setting.value(*this))) {
                m_services.messages.show(MessageKind::Error, "Unable to write to " + codepage::fromUtf8(settings.path()));
                return false;
            }
        }
        return true;
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
