#pragma once

#include "app/core/SettingsTable.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListView;
class QProgressBar;
class QPushButton;
class QTabWidget;
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
class UnreadableFiles;
class WorkAreaEdit;

// The word list maintenance page: the known word list's view, count and
// buttons, and the work area whose words the harvest adds to the list.
class MaintenancePage final : public QObject {
public:
    // Makes the page as the page control's next tab, over the list it shows
    // and observes; `countChanged` hears of every change of the list's count.
    // The page asks and tells through the message boxes, reads the work area's
    // text from the clipboard or a chosen file, and harvests under the collation.
    // It notes in unreadableFiles whether the list's file could be read.
    MaintenancePage(QTabWidget& pages, KnownWordList& list, std::function<void()> countChanged,
                    const PlatformServices& services, UnreadableFiles& unreadableFiles);

    QWidget* sheet;
    QLabel* Known_Words_Label;
    QListView* Known_Words_MemoEx;
    QCheckBox* Known_Word_List_Changed_CheckBox;
    QPushButton* Copy_Word_List_To_Clipboard_BitBtn;
    QPushButton* Reset_Word_List_BitBtn;
    QPushButton* Save_Word_List_BitBtn;
    QPushButton* Load_Word_List_BitBtn;
    QProgressBar* ProgressBar2;
    QCheckBox* Ignore_Words_With_Numbers_CheckBox;
    QCheckBox* Ignore_All_Non_Alphanumeric_Chars_CheckBox;
    WorkAreaEdit* Temp_Work_Area_Paste_MemoEx;
    QPushButton* Temp_Work_Area_Reset_BitBtn;
    QPushButton* Temp_Work_Area_Paste_BitBtn;
    QPushButton* Temp_Work_Area_Load_From_File_BitBtn;
    QPushButton* Add_Unique_Words_BitBtn;

    // The count of known words, as the label shows it.
    QString showCount();

    void copyList();
    void resetList();
    // Asks before it replaces a file it could not read, or one that another
    // program changed since the list read or wrote it (No keeps the file and
    // the list stays changed).
    void saveList();
    // Asks before it drops changes; an unreadable file is reported and the list stays.
    void loadList();

    void resetWorkArea();
    void pasteIntoWorkArea();
    void loadWorkAreaFromFile();
    // Asks first; only No cancels. Reports the words added.
    void addUniqueWords(RunController& runs);

    void applySettings(const SettingsValues& values);
    void collectSettings(SettingsValues& values) const;

    std::vector<QWidget*> tabOrder() const;

private:
    // Whether the user lets the save replace the list's file.
    bool mayReplaceFile();

    KnownWordList& m_list;
    UnreadableFiles& m_unreadableFiles;
    MessageBoxes& m_messages;
    Clipboard& m_clipboard;
    FileSystem& m_files;
    FileDialog& m_fileDialog;
    const Collation& m_collation;
    const NumberFormat& m_numbers;
    std::function<void()> m_countChanged;
    bool m_harvesting = false; // the harvest's run refreshes the count itself, once a frame
};

} // namespace verbalia
