#pragma once

// The window's controls as tests and benchmarks reach them: by their names.

#include "app/SearchPage.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>

namespace verbalia {

// The control of that name in the window or page; a missing one ends the test program.
template <class Control>
Control* control(const QObject& window, const char* name)
{
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (!found) qFatal("no control %s", name);
    return found;
}

// The controls of a search page, found by the names its description gives them.
struct SearchControls {
    SearchControls(const QObject& window, const SearchPageDescription& page)
        : criteria(control<QComboBox>(window, page.criteriaBox))
        , reset(control<QPushButton>(window, page.resetButton))
        , results(control<QListView>(window, page.resultsView))
        , run(control<QPushButton>(window, page.runButton))
        , copy(control<QPushButton>(window, page.copyButton))
        , status(control<QLabel>(window, page.statusLabel))
    {
    }
    QComboBox* criteria;
    QPushButton* reset;
    QListView* results;
    QPushButton* run;
    QPushButton* copy;
    QLabel* status;
};

// The search page shown at that index of the page control.
inline SearchControls searchPage(const QObject& window, std::size_t page)
{
    return SearchControls(window, searchPageDescriptions()[page]);
}

} // namespace verbalia
