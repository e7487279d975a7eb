#include "WindowPages.h"

#include "MaintenancePage.h"
#include "SharedFilters.h"
#include "SolverPage.h"

namespace verbalia {

void WindowPages::applySettings(const SettingsValues& values) const
{
    for (SearchPage* page : search) page->applySettings(values);
    filters->applySettings(values);
    maintenance->applySettings(values);
    solver->applySettings(values);
}

void WindowPages::collectSettings(SettingsValues& values) const
{
    for (const SearchPage* page : search) page->collectSettings(values);
    filters->collectSettings(values);
    maintenance->collectSettings(values);
    solver->collectSettings(values);
}

std::vector<KeptHistory> WindowPages::keptHistories() const
{
    std::vector<KeptHistory> histories;
    for (const SearchPage* page : search) histories.push_back(page->keptHistory());
    for (const KeptHistory& history : solver->keptHistories()) histories.push_back(history);
    return histories;
}

std::vector<QWidget*> WindowPages::tabOrder(int page, QWidget* tabBar, std::initializer_list<QWidget*> buttons) const
{
    std::vector<QWidget*> order{tabBar};
    const auto append = [&order](const std::vector<QWidget*>& controls) {
        order.insert(order.end(), controls.begin(), controls.end());
    };
    if (page == int(searchPageCount)) {
        append(maintenance->tabOrder());
    } else if (page == int(searchPageCount) + 1) {
        append(solver->tabOrder());
    } else {
        const SearchPage* searchPage = page >= 0 ? search[std::size_t(page)] : nullptr;
        if (searchPage) append(searchPage->tabOrderBeforeFilters());
        append(filters->tabOrder());
        if (searchPage) append(searchPage->tabOrderAfterFilters());
    }
    append(buttons);
    return order;
}

} // namespace verbalia
