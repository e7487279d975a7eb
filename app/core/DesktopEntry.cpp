#include "app/core/DesktopEntry.h"

#include "platform/DesktopEntryFile.h"
#include "text/TextHelpers.h"

#include <unicode/ustring.h>

#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace verbalia {

namespace {

// The shipped desktop entry template, with @PROGRAM@ and @COMMAND@ to fill in.
constexpr std::string_view entryTemplate =
#include "DesktopEntryTemplate.inc"
    ;

constexpr std::string_view entryFile = "applications/verbalia.desktop";

// The files shipped with the executable (relative to its folder) that go into
// the user's data folder with the entry: the icons where the icon theme wants
// them, and verbalia-find's completion where bash looks for a user's own.
struct ShippedFile {
    std::string_view shipped;
    std::string_view installed;
};
constexpr ShippedFile shippedFiles[] = {
    {"verbalia.svg", "icons/hicolor/scalable/apps/verbalia.svg"},
    {"verbalia.png", "icons/hicolor/256x256/apps/verbalia.png"},
    {"share/bash-completion/completions/verbalia-find", "bash-completion/completions/verbalia-find"},
};

bool isUtf8(std::string_view text)
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, text.data(), int32_t(text.size()), &status);
    return status != U_INVALID_CHAR_FOUND && status != U_ILLEGAL_CHAR_FOUND;
}

bool holdsControl(std::string_view text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

std::string parentFolder(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }

bool createFolder(const std::string& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

// verbalia-find beside the program, and the link to it in the user's bin folder.
struct FinderLink {
    std::string target;
    std::string path;
    enum { absent, ours, foreign } state;
};

FinderLink finderLink(const std::string& program, const std::string& binFolder)
{
    FinderLink link{parentFolder(program) + "verbalia-find", binFolder + "verbalia-find", FinderLink::foreign};
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(link.path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        link.state = FinderLink::absent;
    } else if (std::filesystem::is_symlink(status)) {
        if (std::filesystem::read_symlink(link.path, error) == link.target && !error) link.state = FinderLink::ours;
    }
    return link;
}

} // namespace

std::optional<std::string> desktopEntryText(const std::string& program)
{
    if (program.empty() || program[0] != '/' || !isUtf8(program) || holdsControl(program)) return std::nullopt;
    std::string text = Replace_All_Occurrences(std::string(entryTemplate), "@PROGRAM@", escapeDesktopEntryValue(program));
    return Replace_All_Occurrences(std::move(text), "@COMMAND@", escapeDesktopEntryValue(desktopEntryCommand(program)));
}

int installDesktopEntry(FileSystem& files, const std::string& program, const std::string& dataFolder,
                        const std::string& binFolder, std::ostream& out, std::ostream& err)
{
    const std::optional<std::string> entry = desktopEntryText(program);
    if (!entry) {
        err << "A desktop entry cannot name this program's path (it must be UTF-8 without control characters): "
            << program << '\n';
        return 1;
    }

    // Read every file first, so a missing one stops the command before it writes anything.
    std::vector<std::pair<std::string, std::string>> writes; // path, bytes
    for (const ShippedFile& file : shippedFiles) {
        const std::string shipped = parentFolder(program) + std::string(file.shipped);
        std::optional<std::string> bytes = files.readAll(shipped);
        if (!bytes) {
            err << "Cannot read " << shipped << '\n';
            return 1;
        }
        writes.emplace_back(dataFolder + std::string(file.installed), std::move(*bytes));
    }
    // The entry comes last: once it is in the menu, its icon is in place.
    const std::string entryPath = dataFolder + std::string(entryFile);
    writes.emplace_back(entryPath, *entry);

    for (const auto& [path, bytes] : writes) {
        if (!createFolder(parentFolder(path)) || !files.writeAll(path, bytes)) {
            err << "Cannot write " << path << '\n';
            return 1;
        }
    }
    out << "Verbalia is in the desktop's menu: " << entryPath << '\n';

    const FinderLink link = finderLink(program, binFolder);
    if (link.state == FinderLink::foreign) {
        err << link.path << " is not a link to " << link.target << ", so it was left as it is.\n";
        return 0;
    }
    std::error_code error;
    if (link.state == FinderLink::absent &&
        (!createFolder(binFolder) || (std::filesystem::create_symlink(link.target, link.path, error), error))) {
        err << "Cannot make the link " << link.path << '\n';
        return 1;
    }
    out << "verbalia-find is linked from " << link.path << "; the folder " << binFolder
        << " must be on the PATH for the command to be found by its name.\n";
    return 0;
}

int removeDesktopEntry(FileSystem& files, const std::string& program, const std::string& dataFolder,
                       const std::string& binFolder, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> paths{dataFolder + std::string(entryFile)};
    for (const ShippedFile& file : shippedFiles) paths.push_back(dataFolder + std::string(file.installed));
    std::erase_if(paths, [&](const std::string& path) { return !files.exists(path); });
    // The link goes even when what it leads to has gone.
    if (const FinderLink link = finderLink(program, binFolder); link.state == FinderLink::ours) paths.push_back(link.path);

    for (const std::string& path : paths) {
        if (!files.remove(path)) {
            err << "Cannot remove " << path << '\n';
            return 1;
        }
    }
    out << (paths.empty() ? "Verbalia was not in the desktop's menu.\n" : "Verbalia is no longer in the desktop's menu.\n");
    return 0;
}

} // namespace verbalia
