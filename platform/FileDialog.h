#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace verbalia {

// The file dialogs: open and save.
class FileDialog {
public:
    virtual ~FileDialog() = default;

    // Lets the user choose a file, with the platform's title and start
    // folder. filter lists name and pattern pairs, the first shown first:
    // "Text Files|*.txt|All Files|*.*". The chosen path, or nothing when the
    // user cancels.
    virtual std::optional<std::string> chooseFileToOpen(const std::string& filter) = 0;
    // The same for a file to write; the dialog asks before replacing one.
    virtual std::optional<std::string> chooseFileToSave(const std::string& filter) = 0;
};

// A "name|pattern|name|pattern" filter as file dialogs list it:
// "Text Files (*.txt);;All Files (*)". "*.*" is every file, as the filter
// means it, not only names with a dot.
std::string dialogNameFilters(std::string_view filter);

} // namespace verbalia
