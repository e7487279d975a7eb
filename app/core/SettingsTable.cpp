#include "app/core/SettingsTable.h"

#include <algorithm>

namespace verbalia {
namespace {

const char* const section = "verbalia";

using V = SettingsValues;

Setting row(const char* key, SettingGroup group, bool V::*member, bool factoryDefault)
{
    return {key, group, SettingField<bool>{member, factoryDefault}};
}

Setting row(const char* key, SettingGroup group, int V::*member, int factoryDefault)
{
    return {key, group, SettingField<int>{member, factoryDefault}};
}

Setting row(const char* key, SettingGroup group, std::string V::*member)
{
    return {key, group, SettingField<std::string>{member, std::string()}};
}

} // namespace

const std::vector<Setting>& settingsTable()
{
    using G = SettingGroup;
    static const std::vector<Setting> table{
        row("WindowState_wsMaximized", G::Window, &V::maximized, false),
        row("window_top_posn", G::Window, &V::top, 5),
        row("window_left_posn", G::Window, &V::left, 5),
        row("window_Width", G::Window, &V::width, 620),
        row("window_Height", G::Window, &V::height, 508),
        row("Always_on_Top_Option", G::Menu, &V::alwaysOnTop, false),
        row("Auto_Run_at_Windows_Startup_Option", G::Menu, &V::autoRun, false),
        row("Wildcard_Search_ComboBox", G::Controls, &V::wildcardCriteria),
        row("Words_With_These_Letters_Search_ComboBox", G::Controls, &V::letterCriteria),
        row("Phonetic_Search_ComboBox", G::Controls, &V::phoneticCriteria),
        row("Excluded_Letters_Edit", G::Controls, &V::excludedLetters),
        row("Ignore_Words_With_Numbers_CheckBox", G::Controls, &V::ignoreNumbers, true),
        row("Ignore_All_Non_Alphanumeric_Chars_CheckBox", G::Controls, &V::ignoreSymbols, true),
        row("Search_for_Words_with_these_and_other_letters_RadioButton", G::Controls, &V::containsAll, true),
        row("Search_for_Words_with_only_these_Any_Number_RadioButton", G::Controls, &V::onlyThese, false),
        row("Search_for_Words_with_only_these_Specified_Number_RadioButton", G::Controls, &V::exactCount, false),
        row("Lower_Length_SpinEdit", G::Controls, &V::lowerLength, 1),
        row("Upper_Length_SpinEdit", G::Controls, &V::upperLength, 50),
        row("PageControl1", G::Controls, &V::page, 0),
        row("Commonest_Words_First", G::Controls, &V::commonestFirst, false),
        row("Solver_Mode", G::Controls, &V::solverMode, 0),
        row("Solver_Show", G::Controls, &V::solverShow, 0),
        row("Solver_Find_ComboBox", G::Controls, &V::solverCriteria),
        row("Solver_Include_Phrases", G::Controls, &V::solverPhrases, false),
    };
    return table;
}

SettingsValues readSettingsValues(const IniFile& settings)
{
    SettingsValues values{};
    for (const Setting& setting : settingsTable()) {
        std::visit(
            [&](const auto& field) {
                using Type = std::decay_t<decltype(field.factoryDefault)>;
                if constexpr (std::is_same_v<Type, bool>)
                    values.*field.member = settings.readBool(section, setting.key, field.factoryDefault);
                else if constexpr (std::is_same_v<Type, int>)
                    values.*field.member = settings.readInteger(section, setting.key, field.factoryDefault);
                else
                    values.*field.member = settings.readString(section, setting.key, field.factoryDefault);
            },
            setting.field);
    }
    return values;
}

bool writeSettingsValues(IniFile& settings, std::initializer_list<SettingGroup> groups, const SettingsValues& values)
{
    for (const Setting& setting : settingsTable()) {
        if (std::find(groups.begin(), groups.end(), setting.group) == groups.end()) continue;
        const bool written = std::visit(
            [&](const auto& field) {
                using Type = std::decay_t<decltype(field.factoryDefault)>;
                const Type& value = values.*field.member;
                if constexpr (std::is_same_v<Type, bool>)
                    return settings.writeBool(section, setting.key, value);
                else if constexpr (std::is_same_v<Type, int>)
                    return settings.writeInteger(section, setting.key, value);
                else
                    return settings.writeString(section, setting.key, value);
            },
            setting.field);
        if (!written) return false;
    }
    return true;
}

} // namespace verbalia
