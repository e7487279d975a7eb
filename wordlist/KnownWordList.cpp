#include "wordlist/KnownWordList.h"

#include "text/LineText.h"
#include "wordlist/BuiltinWordList.h"

namespace verbalia {

KnownWordList::KnownWordList(FileSystem& files, std::string path)
    : m_files(files)
    , m_path(std::move(path))
{
    m_words.assign(builtinWordList());
}

void KnownWordList::notify(const std::function<void()>& observer)
{
    if (observer) observer();
}

void KnownWordList::setChanged(bool changed)
{
    m_changed = changed;
    if (m_observers.changedFlagSet) m_observers.changedFlagSet(changed);
}

template <class Change>
void KnownWordList::changeWords(Change change)
{
    notify(m_observers.wordsAboutToChange);
    change();
    notify(m_observers.wordsChanged);
}

ReadOutcome KnownWordList::load()
{
    ReadOutcome outcome = ReadOutcome::missing;
    // Taken before the read: a file replaced meanwhile then counts as changed
    // at the next save, which asks rather than overwrites.
    std::optional<FileIdentity> seen;
    if (m_files.exists(m_path)) {
        seen = m_files.identity(m_path);
        WordStore words;
        WordListFormat format;
        if (loadWordList(m_files, m_path, words, format) != PieceRead::done) {
            notify(m_observers.countChanged);
            return ReadOutcome::unreadable;
        }
        m_format = format;
        changeWords([&] { m_words = std::move(words); });
        outcome = ReadOutcome::read;
    }
    m_seen = seen;
    setChanged(false);
    notify(m_observers.countChanged);
    return outcome;
}

bool KnownWordList::save()
{
    if (!m_files.writeAll(m_path, encodeFile(joinEntries(m_words, m_format.lineEnd), m_format.encoding))) return false;
    m_seen = m_files.identity(m_path);
    setChanged(false);
    return true;
}

KnownWordList::FileChange KnownWordList::fileChangeSinceSeen() const
{
    const std::optional<FileIdentity> now = m_files.identity(m_path);
    // A file gone since needs no question: writing it anew loses nothing.
    if (!now) return FileChange::none;
    if (!m_seen) return now->regularFile ? FileChange::created : FileChange::none;
    return *now == *m_seen ? FileChange::none : FileChange::changed;
}

void KnownWordList::clear()
{
    changeWords([this] { m_words.clear(); });
    setChanged(true);
    notify(m_observers.countChanged);
}

bool KnownWordList::addFoundWord(const Collation& collation, std::string word)
{
    if (!verbalia::addFoundWord(m_words, collation, std::move(word))) return false;
    setChanged(true);
    notify(m_observers.countChanged);
    return true;
}

} // namespace verbalia
