#pragma once

#include "wordlist/Definitions.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace verbalia {

class FileSystem;

// What a word means, from the WordNet database: one window beside the main
// window, not modal, made on the first request. Each request replaces what
// it shows; Escape closes it.
// Its text is a read-only view with a name, so a screen reader reads it.
class DefinitionWindow final : public QDialog {
public:
    DefinitionWindow(std::vector<std::string> folders, const FileSystem& files, QWidget* parent);

    // Shows the senses of a word of the list (in the code page), or why there
    // are none.
    void define(const std::string& word);

private:
    // Beside the window it belongs to where the screen has room; over it otherwise.
    void placeBesideOwner();

    const FileSystem& m_files;
    std::vector<std::string> m_folders;
    std::optional<Definitions> m_definitions; // opened at the first request that finds it
    QPlainTextEdit* m_text;
};

} // namespace verbalia
