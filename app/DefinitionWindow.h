#pragma once

#include "wordlist/Definitions.h"

#include <QDialog>
#include <QThreadPool>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace verbalia {

class FileSystem;

// What a word means, from the WordNet database: one window beside the main
// window, not modal, made on the first request. Each request replaces what
// it shows, titled with the word; Escape closes it. It shows itself without
// taking the focus, so the user can step through a list asking for each word.
// Its text is a read-only view with a name, so a screen reader reads it.
class DefinitionWindow final : public QDialog {
public:
    DefinitionWindow(std::vector<std::string> folders, const FileSystem& files, QWidget* parent);
    ~DefinitionWindow() override;

    // Looks up a word of the list (in the code page) on a worker and shows
    // its senses, or why there are none, when they are ready. A request not
    // yet shown gives way to a later one.
    void define(const std::string& word);

private:
    // Beside the window it belongs to where the screen has room; over it otherwise.
    void placeBesideOwner();
    // The text of a word: its senses, or why there are none (on the worker).
    std::string textOf(const std::string& word);
    void present(const std::string& word, const std::string& text);

    const FileSystem& m_files;
    std::vector<std::string> m_folders;
    std::optional<Definitions> m_definitions; // opened by the first lookup that finds it
    QPlainTextEdit* m_text;
    std::uint64_t m_latest = 0; // the last request
    QThreadPool m_lookups;      // one lookup at a time
};

} // namespace verbalia
