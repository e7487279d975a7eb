#include "wordlist/KnownWordList.h"

#include "platform/CodePage.h"
#include "wordlist/BuiltinWordList.h"

#include <algorithm>

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
    const Presence presence = m_files.presence(m_path);
    // Taken before the read: a file replaced meanwhile then counts as changed
    // at the next save, which asks rather than overwrites.
    m_seen = presence == Presence::missing ? std::nullopt : m_files.identity(m_path);
    m_found.reset();
    ReadOutcome outcome = ReadOutcome::missing;
    if (presence != Presence::missing) {
        WordStore words;
        WordListFormat format;
        if (presence == Presence::unusable || loadWordList(m_files, m_path, words, format) != PieceRead::done) {
            notify(m_observers.countChanged);
            return ReadOutcome::unreadable;
        }
        m_format = format;
        changeWords([&] { m_words = std::move(words); });
        outcome = format.endsAtNul ? ReadOutcome::partlyRead : ReadOutcome::read;
    }
    m_edits.clear();
    setChanged(false);
    notify(m_observers.countChanged);
    return outcome;
}

std::string KnownWordList::partlyReadMessage(const NumberFormat& numbers) const
{
    return "The file " + codepage::fromUtf8(m_path) + " holds a NUL byte after " +
           numbers.formatCount(std::int64_t(m_words.size())) + " words; the rest of it was not loaded.";
}

KnownWordList::SaveOutcome KnownWordList::save() { return saveEnded(saveWrite()()); }

std::function<CheckedWrite()> KnownWordList::saveWrite()
{
    const std::optional<FileIdentity> expected = m_found ? *m_found : m_seen;
    m_found.reset();
    return [this, expected] { return m_files.writeIfUnchanged(m_path, fileContent(), expected); };
}

KnownWordList::SaveOutcome KnownWordList::saveEnded(const CheckedWrite& write)
{
    if (write.outcome == WriteOutcome::changed) return SaveOutcome::fileChanged;
    if (write.outcome == WriteOutcome::failed) return SaveOutcome::failed;
    m_seen = write.identity;
    m_edits.clear();
    setChanged(false);
    return SaveOutcome::saved;
}

FileContent KnownWordList::fileContent() const
{
    return wordListContent(m_words, m_format.lineEnd, m_format.encoding);
}

KnownWordList::FileChange KnownWordList::fileChangeSinceSeen()
{
    const std::optional<FileIdentity> now = m_files.identity(m_path);
    m_found = now;
    // A file gone since needs no question: writing it anew loses nothing.
    if (!now) return FileChange::none;
    if (!m_seen) return now->regularFile ? FileChange::created : FileChange::none;
    return *now == *m_seen ? FileChange::none : FileChange::changed;
}

void KnownWordList::clear()
{
    changeWords([this] { m_words.clear(); });
    m_edits.clear();
    setChanged(true);
    notify(m_observers.countChanged);
}

bool KnownWordList::addFoundWord(const Collation& collation, std::string word)
{
    if (!verbalia::addFoundWord(m_words, collation, word)) return false;
    if (!m_edits.empty() && m_edits.back().open) m_edits.back().added.push_back(std::move(word));
    setChanged(true);
    notify(m_observers.countChanged);
    return true;
}

void KnownWordList::beginHarvest() { m_edits.push_back({{}, {}, m_changed, true}); }

void KnownWordList::endHarvest()
{
    if (m_edits.empty() || !m_edits.back().open) return;
    m_edits.back().open = false;
    if (m_edits.back().added.empty()) m_edits.pop_back();
}

const std::vector<std::string>& KnownWordList::harvestedWords() const
{
    static const std::vector<std::string> none;
    return m_edits.empty() ? none : m_edits.back().added;
}

std::size_t KnownWordList::remove(std::vector<std::size_t> indices)
{
    std::sort(indices.begin(), indices.end());
    indices.erase(std::lower_bound(indices.begin(), indices.end(), m_words.size()), indices.end());
    if (indices.empty()) return 0;
    Edit edit{{}, {}, m_changed};
    changeWords([&] { edit.removed = m_words.erase(indices); });
    const std::size_t removed = edit.removed.size();
    m_edits.push_back(std::move(edit));
    setChanged(true);
    notify(m_observers.countChanged);
    return removed;
}

bool KnownWordList::undo()
{
    if (m_edits.empty()) return false;
    const Edit edit = std::move(m_edits.back());
    m_edits.pop_back();
    changeWords([&] {
        m_words.insert(edit.removed);
        // No other entry is written as a harvested word: it was new.
        removeWords(m_words, edit.added);
    });
    setChanged(edit.changedBefore);
    notify(m_observers.countChanged);
    return true;
}

} // namespace verbalia
