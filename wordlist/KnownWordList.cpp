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

KnownWordList::LoadOutcome KnownWordList::load()
{
    LoadOutcome outcome = LoadOutcome::NoFile;
    if (m_files.exists(m_path)) {
        WordStore words;
        WordListFormat format;
        if (loadWordList(m_files, m_path, words, format) != PieceRead::done) {
            notify(m_observers.countChanged);
            return LoadOutcome::Unreadable;
        }
        m_format = format;
        changeWords([&] { m_words = std::move(words); });
        outcome = LoadOutcome::Loaded;
    }
    setChanged(false);
    notify(m_observers.countChanged);
    return outcome;
}

bool KnownWordList::save()
{
    if (!m_files.writeAll(m_path, encodeFile(joinEntries(m_words, m_format.lineEnd), m_format.encoding))) return false;
    setChanged(false);
    return true;
}

void KnownWordList::clear()
{
    changeWords([this] { m_words.clear(); });
    setChanged(true);
    notify(m_observers.countChanged);
}

HarvestOutcome KnownWordList::harvest(const Collation& collation, const std::vector<std::string>& lines,
                                      const HarvestOptions& options, HarvestHooks hooks)
{
    hooks.wordAdded = [this, added = std::move(hooks.wordAdded)](std::size_t index) {
        setChanged(true);
        notify(m_observers.countChanged);
        if (added) added(index);
    };
    return verbalia::harvest(m_words, collation, lines, options, hooks);
}

} // namespace verbalia
