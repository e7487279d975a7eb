#pragma once

#include "app/core/SettingsTable.h"
#include "search/SearchRules.h"

#include <QObject>

#include <string>
#include <vector>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace verbalia {

// The filters every search page shares, over the pages: the length range
// and the exclusion list.
class SharedFilters final : public QObject {
public:
    explicit SharedFilters(QWidget* client);

    QGroupBox* lengthGroup;
    QSpinBox* lower;
    QSpinBox* upper;
    QGroupBox* exclusionGroup;
    QLineEdit* exclusion;
    QPushButton* resetExclusion;

    // A run's input: the criteria with the filters as they stand and the
    // letter mode. The input refers to this object's copy of the exclusion
    // list, valid until the next call.
    SearchInput input(std::string_view criteria, LetterMode letterMode);
    // The exclusion list as the search checked it.
    void setExclusion(const std::string& exclusion);

    void setVisible(bool visible);
    // Out of use while anagrams are sought: the box is disabled, its text still legible.
    void setExclusionInUse(bool inUse);
    // A change of one limit pulls the other along.
    void lowerChanged();
    void upperChanged();

    void applySettings(const SettingsValues& values);
    void collectSettings(SettingsValues& values) const;

    std::vector<QWidget*> tabOrder() const;

private:
    std::string m_exclusion;
};

} // namespace verbalia
