#pragma once

#include "app/core/SettingsTable.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QProgressBar;
class QPushButton;
class QWidget;

namespace verbalia {

class Clipboard;
class Collation;
class FileDialog;
class FileSystem;
class KnownWordList;
class MessageBoxes;
class NumberFormat;
class RunController;
struct PlatformServices;
class WorkAreaEdit;

// The temporary work area on the word list page: its text, typed, pasted or
// loaded from a file, and the harvest that adds its new words to the known
// word list, with the bar of the harvest's run.
class WorkArea final : public QObject {
    Q_OBJECT

public:
    // Makes the bar and the work area's group on the page's sheet.
    WorkArea(QWidget* sheet, KnownWordList& list, const PlatformServices& services, RunController& runs);

    void applySettings(const SettingsValues& values);
    void collectSettings(SettingsValues& values) const;

    std::vector<QWidget*> tabOrder() const;
    // The bar beside the list, which a harvest and a save of the list show.
    QProgressBar& runBar() const { return *m_bar; }

public slots:
    void resetWorkArea();
    void pasteIntoWorkArea();
    void loadWorkAreaFromFile();
    // Asks first; only No cancels. The words are found on a worker and
    // added here as they come; reports the words added.
    void addUniqueWords();

signals:
    // From the harvest's worker, at most once a frame: the next new words.
    void newWordsFound(std::shared_ptr<std::vector<std::string>> words);
    // A harvest begins to change the list, and has stopped changing it,
    // having added that many words.
    void harvestStarted();
    void harvestFinished(qsizetype added);
    // Words were added: at most once a frame, and once more at the end.
    void wordsAdded();

private:
    void takeNewWords(const std::shared_ptr<std::vector<std::string>>& words);
    // A slice of the words found, a few milliseconds' worth, then the event
    // loop's turn; the count and the title at most once a frame.
    void addPendingWords();
    // Once the worker has finished and every word found is in the list.
    void finishHarvest();

    KnownWordList& m_list;
    RunController& m_runs;
    MessageBoxes& m_messages;
    Clipboard& m_clipboard;
    FileSystem& m_files;
    FileDialog& m_fileDialog;
    const Collation& m_collation;
    const NumberFormat& m_numbers;
    QProgressBar* m_bar;
    QCheckBox* m_ignoreNumbers;
    QCheckBox* m_ignoreSymbols;
    WorkAreaEdit* m_edit;
    QPushButton* m_reset;
    QPushButton* m_paste;
    QPushButton* m_load;
    QPushButton* m_add;
    std::deque<std::string> m_pending; // found, not yet added
    QTimer m_adding;                   // adds the next slice of m_pending
    QElapsedTimer m_sinceCount;
    qsizetype m_added = 0;
    bool m_finding = false; // the worker is still finding words
};

} // namespace verbalia
