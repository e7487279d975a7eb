#pragma once

// The window's controls as tests and benchmarks reach them: by their names.

#include "app/SearchPage.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>

namespace verbalia {

// The window's control of that name; a missing one ends the test program.
template <class Control>
Control* control(const QWidget& window, const char* name)
{
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (!found) qFatal("no control %s", name);
    return found;
}

// The search page shown at that index of the page control.
inline SearchPage& searchPage(const QWidget& window, std::size_t page)
{
    QWidget* sheet = control<QTabWidget>(window, "PageControl1")->widget(int(page));
    auto* found = sheet ? sheet->findChild<SearchPage*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!found) qFatal("no search page %zu", page);
    return *found;
}

} // namespace verbalia
