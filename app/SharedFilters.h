#pragma once

#include "app/core/SettingsTable.h"
#include "search/SearchRules.h"

#include <QObject>

#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace verbalia {

// The filters every search page shares, over the pages: the length range
// and the exclusion list. A change of one limit pulls the other along; the
// reset button empties the list.
class SharedFilters final : public QObject {
    Q_OBJECT

public:
    // The exclusion box is named by its caption, which stands on the letter page.
    SharedFilters(QWidget* client, QLabel* exclusionCaption);

    // A run's input: the criteria with the filters as they stand and the
    // letter mode. The input refers to this object's copy of the exclusion
    // list, valid until the next call.
    SearchInput input(std::string_view criteria, LetterMode letterMode);
    // The exclusion list as the search checked it.
    void setExclusion(const std::string& exclusion);

    void setVisible(bool visible);

    void applySettings(const SettingsValues& values);
    void collectSettings(SettingsValues& values) const;

    std::vector<QWidget*> tabOrder() const;

public slots:
    // Out of use while anagrams are sought: the box is disabled, its text still legible.
    void setExclusionInUse(bool inUse);

private:
    void Lower_Length_SpinEditChange();
    void Upper_Length_SpinEditChange();

    QGroupBox* m_lengthGroup;
    QSpinBox* m_lower;
    QSpinBox* m_upper;
    QGroupBox* m_exclusionGroup;
    QLineEdit* m_exclusionBox;
    QPushButton* m_resetExclusion;
    std::string m_exclusion;
};

} // namespace verbalia
