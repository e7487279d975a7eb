#pragma once

// A search page: a widget class built from its description, which emits what
// the window needs (a run, a reset, a copy) and holds its criteria box,
// results and status.

#include "app/core/SettingsTable.h"
#include "search/LetterSearch.h"
#include "search/Scan.h"

#include <QObject>
#include <QRect>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace verbalia {

class Clipboard;
class SearchPage;

// Everything that sets one search page apart from the others.
struct SearchPageDescription {
    const char* sheet;        // the page's tab sheet and its tab caption
    const char* tabCaption;
    const char* groupBox;     // the criteria group and its caption
    const char* groupCaption;
    const char* criteriaLabel; // the caption before the criteria box, and where it stands
    const char* criteriaCaption;
    QRect criteriaLabelBounds;
    const char* criteriaBox;  // its text is saved under this name too
    std::string SettingsValues::*criteriaSetting;
    const char* resetButton;
    const char* resultsView;
    const char* runButton;
    const char* runCaption;
    const char* copyButton;
    const char* statusLabel;
    const char* completion;   // after the count of words found
    const char* historyFile;
    bool resultsEmptiedAtStartUp; // the phonetic results survive a second start-up
    const char* searchName;   // what a screen reader calls its results ("... results") and history ("... history")
    // The page's own controls in its criteria group (hints, modes), made
    // between the reset button and the results view.
    void (*createDetails)(SearchPage& page, QGroupBox* group);
    // The criteria checks of the page's search.
    PreparedScan (*prepare)(const SearchInput& input);
};

// The three descriptions, in tab order.
inline constexpr std::size_t wildcardPage = 0, letterPage = 1, phoneticPage = 2, searchPageCount = 3;
const std::array<SearchPageDescription, searchPageCount>& searchPageDescriptions();

// The letter search's modes and the caption of the exclusion box, which
// stands on the letter page. Checking a mode unchecks the others; none need
// be checked.
struct LetterModes {
    QLabel* exclusionCaption;
    std::array<QRadioButton*, 3> buttons; // contains all, only these, the specified number

    LetterMode mode() const;
    // Checking a mode unchecks the others; unchecking one leaves the others alone.
    void set(QRadioButton* button, bool checked) const;
};

class SearchPage final : public QObject {
    Q_OBJECT

public:
    // Makes the page and adds it to the page control as its next tab; the
    // clipboard takes the lines copied from its results view.
    SearchPage(const SearchPageDescription& description, QTabWidget& pages, Clipboard& clipboard);

    const SearchPageDescription& description;
    QWidget* sheet;
    QComboBox* criteria;
    QPushButton* reset;
    QListView* results;
    QPushButton* run;
    QPushButton* copy;
    QLabel* status;
    std::vector<std::string> lines; // what the results view shows
    std::unique_ptr<LetterModes> modes; // on the letter page only

    // The criteria trimmed, put back into the box as trimmed.
    std::string takeCriteria();
    LetterMode letterMode() const { return modes ? modes->mode() : LetterMode::None; }

    // The status text, wrapped within the label's width; when the lines need
    // more room than the page (of the given height) has below the label's
    // place, the label moves up, so no count is ever cut off.
    void showStatus(const QString& text, int pageHeight);
    // The label's place at the window's present scale.
    void takeStatusPlace(int pageHeight);

    // Empties the criteria and the whole history; the results stay.
    void resetCriteria();
    void clearResults();

    void applySettings(const SettingsValues& values);
    void collectSettings(SettingsValues& values) const;

    // The page's controls before and after the shared ones, in Tab order.
    std::vector<QWidget*> tabOrderBeforeFilters() const;
    std::vector<QWidget*> tabOrderAfterFilters() const;

signals:
    void runRequested();
    void criteriaKeyDown(int key);
    void resetRequested();
    void copyRequested();
    // A letter mode was checked, or set from the settings.
    void letterModeChanged();

private:
    QRect m_statusPlace;
};

} // namespace verbalia
