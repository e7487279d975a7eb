#pragma once

#include "app/core/History.h"

#include <string_view>

class QComboBox;

namespace verbalia {

// A box whose drop-down list is kept in a history file of the program folder.
struct KeptHistory {
    const char* file;
    QComboBox* box;
};

// A criteria box's drop-down list is its search history; these carry it
// between the box and the Qt-free history functions (app/History.h).
History historyOf(const QComboBox* box);

// Replaces the box's drop-down list; its text stays as it is.
void setHistory(QComboBox* box, const History& history);

// Add_To_History on the box's list: box -> entries -> Add_To_History -> box.
// The box is left alone when its history does not change.
void addToHistory(QComboBox* box, std::string_view text, bool exact);

} // namespace verbalia
