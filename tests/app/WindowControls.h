#pragma once

// The window's controls as tests and benchmarks reach them: by their names.

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>

namespace verbalia {

// The window's control of that name; a missing one ends the test program.
template <class Control>
Control* control(const QWidget& window, const char* name)
{
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (!found) qFatal("no control %s", name);
    return found;
}

// The controls every search page has, found by their names.
struct SearchPageControls {
    QComboBox* criteria;
    QPushButton* reset;
    QListView* results;
    QPushButton* run;
    QPushButton* copy;
    QLabel* status;
};

enum SearchPageIndex { wildcardPage, letterPage, phoneticPage };

inline SearchPageControls searchPage(const QWidget& window, SearchPageIndex page)
{
    struct Names {
        const char *criteria, *reset, *results, *run, *copy, *status;
    };
    static constexpr Names names[] = {
        {"Wildcard_Search_ComboBox", "Reset_Wildcard_Search_Edit_BitBtn", "WildCard_Search_Results_MemoEx",
         "Wildcard_Search_BitBtn", "Clipboard_Copy_WildCard_Search_Results_BitBtn", "Wildcard_Search_Label"},
        {"Words_With_These_Letters_Search_ComboBox", "Reset_Words_With_These_Letters_Search_Edit_BitBtn",
         "Words_With_These_Letters_Search_MemoEx", "Search_for_Words_with_these_Letters_BitBtn",
         "Clipboard_Copy_Words_With_These_Letters_Search_BitBtn", "Search_for_Words_with_these_Letters_Label"},
        {"Phonetic_Search_ComboBox", "Reset_Phonetic_Search_Edit_BitBtn", "Phonetic_Search_MemoEx",
         "Phonetic_Word_Search_BitBtn", "Clipboard_Copy_Phonetic_Search_BitBtn", "Phonetic_Search_Label"},
    };
    const Names& n = names[page];
    return {control<QComboBox>(window, n.criteria), control<QPushButton>(window, n.reset),
            control<QListView>(window, n.results),  control<QPushButton>(window, n.run),
            control<QPushButton>(window, n.copy),   control<QLabel>(window, n.status)};
}

} // namespace verbalia
