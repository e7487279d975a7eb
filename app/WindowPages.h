#pragma once

#include "SearchPage.h"
#include "app/core/SettingsTable.h"

#include <array>
#include <vector>

class QWidget;

namespace verbalia {

class MaintenancePage;
class SharedFilters;
class SolverPage;
struct KeptHistory;

// The pages of the page control, in tab order, and the filters the search
// pages share: what the window does to all of them at once.
struct WindowPages {
    std::array<SearchPage*, searchPageCount> search{};
    MaintenancePage* maintenance = nullptr;
    SolverPage* solver = nullptr;
    SharedFilters* filters = nullptr;

    void applySettings(const SettingsValues& values) const;
    void collectSettings(SettingsValues& values) const;
    // Every box whose list is kept in a history file.
    std::vector<KeptHistory> keptHistories() const;
    // The page's controls as they stand on screen, top to bottom and left to
    // right, with the shared ones in their places, between the tab bar and
    // the window's own buttons. Controls of the other pages are hidden and
    // drop out of the chain by themselves.
    std::vector<QWidget*> tabOrder(int page, QWidget* tabBar, std::initializer_list<QWidget*> buttons) const;
};

} // namespace verbalia
