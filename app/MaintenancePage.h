#pragma once

#include "app/core/SettingsTable.h"

#include "wordlist/KnownWordList.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QListView;
class QPushButton;
class QTabWidget;
class QWidget;

namespace verbalia {

class Clipboard;
class MessageBoxes;
class NumberFormat;
class RunController;
struct PlatformServices;
class UnreadableFiles;
class WorkArea;

// The word list maintenance page: the known word list's view, count and
// buttons, and beside them the work area, whose harvest adds to the list.
class MaintenancePage final : public QObject {
    Q_OBJECT

public:
    // Makes the page as the page control's next tab, over the list it shows
    // and observes. It asks and tells through the message boxes and notes in
    // unreadableFiles whether the list's file could be read.
    MaintenancePage(QTabWidget& pages, KnownWordList& list, const PlatformServices& services,
                    UnreadableFiles& unreadableFiles, RunController& runs);

    void applySettings(const SettingsValues& values);
    void collectSettings(SettingsValues& values) const;

    std::vector<QWidget*> tabOrder() const;

    // Asks before it replaces a file it could not read, or one that another
    // program changed since the list read or wrote it (No keeps the file and
    // the list stays changed). The write goes on the worker, the window
    // locked; `then` hears whether the list was saved.
    void saveListThen(std::function<void(bool saved)> then);
    // After RunController::abandon(): a save whose worker has ended is
    // taken as saved or not, silently.
    void settleAbandonedSave();

public slots:
    // The count of known words on the label, then told (countShown).
    void Show_Known_Word_Count();
    void copyList();
    void resetList();
    void saveList() { saveListThen({}); }
    // Asks before it drops changes; an unreadable file is reported and the list stays.
    void loadList();

signals:
    // The count as the label shows it ("938 words.").
    void countShown(const QString& count);
    // The word of a line of the list, for its definition.
    void definitionRequested(const std::string& word);
    // Before and after the list's words change: a load, a reset, a harvest,
    // a removal, an undo.
    void listAboutToChange();
    void listChanged();

private:
    // Whether the user lets the save replace the list's file.
    bool mayReplaceFile();
    // A harvest holds the view (its lines change under it) and refreshes the count itself.
    void holdList(bool held);
    // The words the last harvest added, selected, the first scrolled into sight.
    void selectHarvestedWords();
    // The selected words leave the list; the row at the first one's place becomes current.
    void removeSelectedWords();
    void addEditCommands();

    KnownWordList& m_list;
    UnreadableFiles& m_unreadableFiles;
    MessageBoxes& m_messages;
    Clipboard& m_clipboard;
    const NumberFormat& m_numbers;
    QWidget* m_sheet;
    QLabel* m_countLabel;
    QListView* m_view;
    QCheckBox* m_changedMirror; // shows the list's changed flag
    QPushButton* m_copy;
    QPushButton* m_reset;
    QPushButton* m_save;
    QPushButton* m_load;
    WorkArea* m_workArea;
    RunController& m_runs;
    CheckedWrite m_written; // by the save's worker
    bool m_saving = false;
    bool m_harvesting = false;
};

} // namespace verbalia
