#pragma once

#include "platform/IniFile.h"

#include <initializer_list>
#include <string>
#include <variant>
#include <vector>

namespace verbalia {

// Every value the settings file holds, as the window applies and collects
// them. The window bounds are outer (frame) bounds.
struct SettingsValues {
    // The window's state and placement.
    bool maximized;
    int top, left, width, height;
    // The menu's check marks.
    bool alwaysOnTop, autoRun;
    // The controls of the pages.
    std::string wildcardCriteria, letterCriteria, phoneticCriteria;
    std::string excludedLetters;
    bool ignoreNumbers, ignoreSymbols;
    bool containsAll, onlyThese, exactCount; // the letter search's modes
    int lowerLength, upperLength;
    int page;
    // The View menu's check mark, written after the others.
    bool commonestFirst;
    // The crossword solver page: its mode, the Show choice, the Find box, phrases.
    int solverMode, solverShow;
    std::string solverCriteria;
    bool solverPhrases;
};

// Where a key's value lives, which also orders the start-up steps and the
// save: the window's state and placement, the menu's check marks, then
// (after the search histories) the controls of the pages.
enum class SettingGroup { Window, Menu, Controls };

template <class T>
struct SettingField {
    T SettingsValues::*member;
    T factoryDefault;
};

// One key of the settings file (a control's name where it holds a
// control's state), its group, and the typed field and default it reads into.
struct Setting {
    const char* key;
    SettingGroup group;
    std::variant<SettingField<bool>, SettingField<int>, SettingField<std::string>> field;
};

// The keys in the order they are written; reading keeps the order within each group.
const std::vector<Setting>& settingsTable();

// Every key as the file holds it; a missing or unreadable value takes the factory default.
SettingsValues readSettingsValues(const IniFile& settings);

// Writes the keys of the groups in the order of the table; false at the
// first key that cannot be written.
bool writeSettingsValues(IniFile& settings, std::initializer_list<SettingGroup> groups, const SettingsValues& values);

} // namespace verbalia
