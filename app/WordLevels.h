#pragma once

#include "lexicon/CommonnessLevels.h"

#include <QObject>

#include <future>
#include <string>

namespace verbalia {

class FileSystem;

// How common the list's words are, for the window: the levels file beside
// the word list, read on a thread of its own from start-up, and the View
// menu's choice to list the commonest words first.
class WordLevels final : public QObject {
    Q_OBJECT

public:
    WordLevels(const FileSystem& files, std::string path);
    ~WordLevels() override; // waits for the load

    const std::string& path() const { return m_path; }
    // Starts reading the file, when there is one; else why there are no levels.
    std::string startLoading();
    // The levels, once read (a search's worker may wait for them); nothing
    // when the file gave none.
    const CommonnessLevels* levels() const;

    // Whether the searches list the commonest words first, as chosen.
    bool commonestFirst() const { return m_commonestFirst; }
    void setCommonestFirst(bool first) { m_commonestFirst = first; }
    // Whether the next run orders its results: chosen, and the file is there.
    bool ordering() const { return m_commonestFirst && m_loaded.valid(); }

signals:
    // On the window's thread: the file gave no levels, and why (it is named).
    void unavailable(const QString& problem);

private:
    const FileSystem& m_files;
    std::string m_path;
    bool m_commonestFirst = false;
    std::shared_future<LevelsLoad> m_loaded;
};

} // namespace verbalia
