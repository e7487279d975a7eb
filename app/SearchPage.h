#pragma once

// A search page: a widget class built from its description that runs its own
// search (criteria box and Enter, run, reset and copy buttons, results and
// status) and tells the window what happened through its signals.

#include "HistoryBox.h"
#include "LineBatches.h"
#include "app/core/History.h"
#include "app/core/ResultLevels.h"
#include "app/core/SettingsTable.h"
#include "search/LetterSearch.h"
#include "search/Scan.h"

#include <QObject>
#include <QRect>

#include <array>
#include <memory>
#include <optional>
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
class MessageBoxes;
class NumberFormat;
class RunController;
class SharedFilters;
class WordLevels;
class WordStore;

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
    bool resultsLowerCased;   // the phonetic results: a word's level is that of the word it came from
    const char* searchName;   // what a screen reader calls its results ("... results") and history ("... history")
    // The page's own controls in its criteria group (hints, modes) on its
    // sheet, made between the reset button and the results view; the letter
    // page's modes.
    std::unique_ptr<LetterModes> (*createDetails)(QWidget* sheet, QGroupBox* group);
    // The criteria checks of the page's search.
    PreparedScan (*prepare)(const SearchInput& input);
};

// The three descriptions, in tab order.
inline constexpr std::size_t wildcardPage = 0, letterPage = 1, phoneticPage = 2, searchPageCount = 3;
const std::array<SearchPageDescription, searchPageCount>& searchPageDescriptions();

// What a search page works with besides its own controls.
struct SearchPageServices {
    Clipboard& clipboard;         // takes the lines copied from the results
    MessageBoxes& messages;       // tells a refusal
    const NumberFormat& numbers;  // writes the count found
    const WordStore& words;       // what the search scans
    RunController& runs;          // locks the window during a run
    const WordLevels& levels;     // orders the results, commonest first, when chosen
};

class SearchPage final : public QObject {
    Q_OBJECT

public:
    // Makes the page and adds it to the page control as its next tab.
    SearchPage(const SearchPageDescription& description, QTabWidget& pages, const SearchPageServices& services);

    // The filters over the pages, made after them, which every run reads.
    void setFilters(SharedFilters& filters) { m_filters = &filters; }
    // The caption that names the exclusion box, on the letter page only.
    QLabel* exclusionCaption() const { return m_modes ? m_modes->exclusionCaption : nullptr; }

    // The start-up sequence: the status empty, the results too on most pages.
    void startUp();
    // The status label's place at the window's present scale.
    void takeStatusPlace();
    // The page control now shows this page or another one: the exclusion
    // caption is enabled, and on show the letter mode sets whether the
    // exclusion list is in use.
    void pageChanged(bool shown);

    KeptHistory keptHistory() const { return {m_description.historyFile, m_criteria}; }
    void applySettings(const SettingsValues& values);
    void collectSettings(SettingsValues& values) const;

    // The page's controls before and after the shared ones, in Tab order.
    std::vector<QWidget*> tabOrderBeforeFilters() const;
    std::vector<QWidget*> tabOrderAfterFilters() const;

public slots:
    // The run button and Enter in the criteria box: the criteria checks,
    // then the run on a worker, the results as they come and their count.
    void search();
    // Empties the criteria and the whole history; the results stay.
    void resetCriteria();
    void copyResults();

signals:
    // From the run's worker, at most once a frame: the next results in list order.
    void matchesFound(std::shared_ptr<const std::vector<std::string>> lines);
    // From the run's worker after its last matches, when the commonest are listed first.
    void matchesOrdered(std::shared_ptr<LevelOrder> order);
    void searchFinished(qsizetype count);
    // The word of a results line, for its definition.
    void definitionRequested(const std::string& word);
    // A letter mode was checked, or set from the settings.
    void exclusionInUseChanged(bool inUse);

private:
    // The criteria trimmed, put back into the box as trimmed.
    std::string takeCriteria();
    LetterMode letterMode() const { return m_modes ? m_modes->mode() : LetterMode::None; }
    // Search_for_Words_with_these_and_other_letters_RadioButtonClick: the
    // exclusion list is out of use while anagrams are sought.
    void applyLetterMode();
    // The status text, wrapped within the label's width; when the lines need
    // more room than the page has below the label's place, the label moves
    // up, so no count is ever cut off.
    void showStatus(const QString& text);
    // The criteria box carries the outcome for a screen reader.
    void tellOutcome(const QString& outcome);
    void clearResults();
    void showMatches(const std::shared_ptr<const std::vector<std::string>>& lines);
    void showOrdered(const std::shared_ptr<LevelOrder>& order);
    // On the run's worker: the order of the lines it found, commonest first.
    std::shared_ptr<LevelOrder> orderOf(const LineBatches& lines) const;
    // The run's end on the window's thread: the count or the halt, the unlock.
    void finishSearch();

    const SearchPageDescription& m_description;
    QTabWidget& m_pages;
    SearchPageServices m_services;
    SharedFilters* m_filters = nullptr;
    QWidget* m_sheet;
    QComboBox* m_criteria;
    QPushButton* m_reset;
    std::unique_ptr<LetterModes> m_modes; // on the letter page only
    QListView* m_results;
    QPushButton* m_run;
    QPushButton* m_copy;
    QLabel* m_status;
    QRect m_statusPlace;
    LineBatches m_lines; // what the results view shows
    std::optional<RowLevels> m_rowLevels; // when listed commonest first
};

} // namespace verbalia
