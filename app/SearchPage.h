#pragma once

// A search page as data: the description every search page is built,
// connected, saved and run from, and the page as built.

#include "app/core/SettingsTable.h"
#include "search/Scan.h"

#include <QRect>

#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;
class QWidget;

namespace verbalia {

class TMainForm1;

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
    void (TMainForm1::*createDetails)(QWidget* sheet, QGroupBox* group);
    // The criteria checks of the page's search.
    PreparedScan (*prepare)(const TMainForm1& window, const SearchInput& input);

    // The page's handlers, named after their controls.
    void (TMainForm1::*runClick)();
    void (TMainForm1::*criteriaKeyDown)(int key);
    void (TMainForm1::*resetClick)();
    void (TMainForm1::*copyClick)();
};

// A search page as built from its description.
struct SearchPage {
    const SearchPageDescription* description = nullptr;
    QWidget* sheet = nullptr;
    QComboBox* criteria = nullptr;
    QPushButton* reset = nullptr;
    QListView* results = nullptr;
    std::vector<std::string> lines; // what the results view shows
    QPushButton* run = nullptr;
    QPushButton* copy = nullptr;
    QLabel* status = nullptr;
    QRect statusPlace; // the status label's bounds at the window's present scale
};

} // namespace verbalia
