#pragma once

#include "platform/Collation.h"
#include "platform/FileEncoding.h"
#include "platform/FileSystem.h"
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
class KnownWordList {
public:
    // What shows the list follows it through these; any may be left empty.
    struct Observers {
        std::function<void()> wordsAboutToChange; // a load or a reset begins
        std::function<void()> wordsChanged;       // ... and has ended
        std::function<void()> countChanged;       // after a load (whatever its outcome), a reset, each added word
        std::function<void(bool)> changedFlagSet;
    };

    KnownWordList(FileSystem& files, std::string path);

    void observe(Observers observers) { m_observers = std::move(observers); }

    const WordStore& words() const { return m_words; }
    const std::string& path() const { return m_path; }
    bool changed() const { return m_changed; }
    void setChanged(bool changed);

    // The file is read whole before the list is touched: a file that cannot
    // be read leaves the list, and its changed flag, as they were. Without a
    // file the list stays as it is, unchanged.
    ReadOutcome load();

    // False when the file could not be written; the list then stays changed.
    bool save();

    // What another program did to the file since this list last read or wrote
    // it, told by its identity (which file, size, modification time). A list
    // that never came from the file (built in, or the file was missing) sees
    // any file there now as created.
    enum class FileChange { none, changed, created };
    FileChange fileChangeSinceSeen() const;

    // Empties the list, which then counts as changed.
    void clear();

    // Adds a word a harvest found (findNewWords) at its place, unless the
    // list holds it by now; an added word marks the list changed before the
    // observers hear of the count. True when it was added.
    bool addFoundWord(const Collation& collation, std::string word);

private:
    template <class Change>
    void changeWords(Change change);
    static void notify(const std::function<void()>& observer);

    FileSystem& m_files;
    std::string m_path;
    WordStore m_words;
    WordListFormat m_format; // how the file held the words
    std::optional<FileIdentity> m_seen; // the file as last read or written
    bool m_changed = false;
    Observers m_observers;
};

} // namespace verbalia
