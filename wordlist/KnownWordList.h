#pragma once

#include "platform/Collation.h"
#include "platform/FileEncoding.h"
#include "platform/FileSystem.h"
#include "platform/NumberFormat.h"
#include "wordlist/Harvest.h"
#include "wordlist/WordListFile.h"
#include "wordlist/WordStore.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace verbalia {

// The known word list every search scans: its words, its file and how that
// file held them, and whether the words changed since the file was read or
// written. It starts as the built-in list. Saving writes the words as the
// file held them: in its encoding, with its line ends (CR LF for a new file).
// Harvests and removals can be undone, the last first, back to the list as
// last loaded, saved or emptied.
class KnownWordList {
public:
    // What shows the list follows it through these; any may be left empty.
    struct Observers {
        std::function<void()> wordsAboutToChange; // a load, a reset, a removal or an undo begins
        std::function<void()> wordsChanged;       // ... and has ended
        std::function<void()> countChanged;       // after a load (whatever its outcome), a reset, each added
                                                  // word, a removal, an undo
        std::function<void(bool)> changedFlagSet;
    };

    KnownWordList(FileSystem& files, std::string path);

    void observe(Observers observers) { m_observers = std::move(observers); }

    const WordStore& words() const { return m_words; }
    const std::string& path() const { return m_path; }
    bool changed() const { return m_changed; }
    void setChanged(bool changed);

    // The file is read whole before the list is touched: a file that cannot
    // be read (or what is no file: a folder, a FIFO, a device, a loop of
    // links) leaves the list, and its changed flag, as they were. Without a
    // file the list stays as it is, unchanged. A file whose text a NUL byte
    // ends is read up to it and partlyRead: saving would drop the rest.
    ReadOutcome load();

    // What a load that ended partlyRead tells the user.
    std::string partlyReadMessage(const NumberFormat& numbers) const;

    // How a save ended. fileChanged: the file is no longer as the list last
    // saw it, nor as fileChangeSinceSeen() last found it, so nothing was
    // written (another window saved meanwhile); ask again, then save again.
    enum class SaveOutcome { saved, failed, fileChanged };

    // Writes the list; the list then stays changed unless saved. The file is
    // replaced only while it is as this list last read or wrote it or, after
    // fileChangeSinceSeen(), as that found it (the state the user agreed to
    // replace): the check and the write are one step for other processes of
    // the program.
    SaveOutcome save();
    // The save in two halves, for a worker: the first, on the list's thread,
    // gives the write, which may then run on any thread while nothing changes
    // the list; its result goes to saveEnded, back on the list's thread.
    std::function<CheckedWrite()> saveWrite();
    SaveOutcome saveEnded(const CheckedWrite& write);

    // The bytes a save would write, made as they are written; valid while
    // the list is neither changed nor gone.
    FileContent fileContent() const;

    // What another program did to the file since this list last read or wrote
    // it, told by its identity (which file, size, modification time). A list
    // that never came from the file (built in, or the file was missing) sees
    // any file there now as created. The next save may replace the file as
    // found here, and only so.
    enum class FileChange { none, changed, created };
    FileChange fileChangeSinceSeen();

    // Empties the list, which then counts as changed.
    void clear();

    // A harvest's words, added one by one as they are found, are undone
    // together: between these two calls.
    void beginHarvest();
    void endHarvest();
    // Adds a word a harvest found (findNewWords) at its place, unless the
    // list holds it by now; an added word marks the list changed before the
    // observers hear of the count. True when it was added.
    bool addFoundWord(const Collation& collation, std::string word);
    // The words the last harvest added, in the order it added them.
    const std::vector<std::string>& harvestedWords() const;

    // Takes the entries at the indices out (a selection: any order, repeats
    // and indices past the end ignored); the list is changed when any went.
    // Returns how many went.
    std::size_t remove(std::vector<std::size_t> indices);

    // Undoes the last harvest or removal; the changed flag goes back to what
    // it was before it. False when there is none left to undo.
    bool undo();
    bool canUndo() const { return !m_edits.empty(); }

private:
    template <class Change>
    void changeWords(Change change);
    static void notify(const std::function<void()>& observer);

    // A harvest or removal as undo reverses it.
    struct Edit {
        std::vector<std::string> added;   // by a harvest, each the only entry so written
        std::vector<IndexedWord> removed; // by a removal
        bool changedBefore = false;
        bool open = false; // a harvest still adding its words
    };

    FileSystem& m_files;
    std::string m_path;
    WordStore m_words;
    WordListFormat m_format; // how the file held the words
    std::optional<FileIdentity> m_seen; // the file as last read (or found unreadable) or written
    std::optional<std::optional<FileIdentity>> m_found; // the file as fileChangeSinceSeen() found it
    bool m_changed = false;
    std::vector<Edit> m_edits; // since the list was loaded, saved or emptied; the last one last
    Observers m_observers;
};

} // namespace verbalia
