#include "AutostartList.h"

#include "DesktopEntryFile.h"
#include "FileSystem.h"
#include "text/LineText.h"
#include "text/TextHelpers.h"

#include <cstdlib>
#include <filesystem>

namespace verbalia {
namespace {

const char* const entryGroup = "[Desktop Entry]";

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute
// path, otherwise ~/.config.
std::string configFolder()
{
    return xdgBaseFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), ".config").value_or("/.config");
}

std::string entryPath(const std::string& key, const std::string& name) { return key + "/" + name + ".desktop"; }

// True when the folder exists or could be made: its nearest existing ancestor is a folder.
bool folderExistsOrCanBeMade(std::filesystem::path folder)
{
    std::error_code error;
    while (!std::filesystem::exists(folder, error)) {
        if (error || !folder.has_relative_path()) return false;
        folder = folder.parent_path();
    }
    return std::filesystem::is_directory(folder, error);
}

std::string unescapeValue(std::string_view value)
{
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's': text += ' '; break;
        case 'n': text += '\n'; break;
        case 't': text += '\t'; break;
        case 'r': text += '\r'; break;
        case '\\': text += '\\'; break;
        default: text += '\\'; text += value[i];
        }
    }
    return text;
}

// The first argument of an Exec command line: either quoted, with a backslash
// before each '"', '`', '$' and backslash inside the quotes, or unquoted up to
// the first blank. A literal '%' is written "%%".
std::string firstArgument(std::string_view command)
{
    std::string argument;
    const bool quoted = !command.empty() && command.front() == '"';
    for (std::size_t i = quoted ? 1 : 0; i < command.size(); ++i) {
        char c = command[i];
        if (quoted ? c == '"' : c == ' ' || c == '\t') break;
        if (quoted && c == '\\' && i + 1 < command.size()) c = command[++i];
        else if (c == '%' && i + 1 < command.size() && command[i + 1] == '%') ++i;
        argument += c;
    }
    return argument;
}

} // namespace

std::string desktopEntry(const std::string& name, const std::string& path)
{
    return std::string(entryGroup) + "\nType=Application\nName=" + escapeDesktopEntryValue(name) + "\nExec=" +
           escapeDesktopEntryValue(desktopEntryCommand(path)) + "\n";
}

std::string programOfDesktopEntry(const std::string& entry)
{
    bool inEntryGroup = false;
    for (const std::string& line : splitLines(entry)) {
        const std::string_view text = trimControls(line);
        if (text.starts_with('[')) {
            inEntryGroup = text == entryGroup;
            continue;
        }
        const std::size_t equals = text.find('=');
        if (inEntryGroup && equals != std::string_view::npos && trimControls(text.substr(0, equals)) == "Exec")
            return firstArgument(unescapeValue(trimControls(text.substr(equals + 1))));
    }
    return {};
}

std::string XdgAutostartList::key() const { return configFolder() + "/autostart"; }

bool XdgAutostartList::keyExists() const { return folderExistsOrCanBeMade(key()); }

std::string XdgAutostartList::readValue(const std::string& name) const
{
    const std::optional<std::string> entry = DiskFileSystem().readAll(entryPath(key(), name));
    return entry ? programOfDesktopEntry(*entry) : std::string();
}

bool XdgAutostartList::valueExists(const std::string& name) const
{
    return DiskFileSystem().exists(entryPath(key(), name));
}

bool XdgAutostartList::writeValue(const std::string& name, const std::string& path)
{
    const std::string folder = key();
    if (!makeFolders(folder + "/")) return false;
    return DiskFileSystem().writeAll(entryPath(folder, name), desktopEntry(name, path));
}

void XdgAutostartList::deleteValue(const std::string& name) { DiskFileSystem().remove(entryPath(key(), name)); }

} // namespace verbalia
