#pragma once

#include <functional>
#include <string>
#include <variant>

namespace verbalia {

class TMainForm1;

// A value of the settings file; its alternative is the key's type: a check
// mark or flag, an integer, a text.
using SettingValue = std::variant<bool, int, std::string>;

// Where a key's value lives, which also orders the start-up steps and the
// save: the window's state and placement, the menu's check marks, then (after
// the search histories) the controls of the pages.
enum class SettingGroup { Window, Menu, Controls };

// One key of the settings file: its factory default, and how the window
// applies a value read and tells the value to write.
struct Setting {
    const char* key;
    SettingGroup group;
    SettingValue factoryDefault;
    std::function<void(TMainForm1&, const SettingValue&)> apply;
    std::function<SettingValue(const TMainForm1&)> value;
};

} // namespace verbalia
