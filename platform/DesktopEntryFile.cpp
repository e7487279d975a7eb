#include "DesktopEntryFile.h"

namespace verbalia {

std::optional<std::string> xdgBaseFolder(const char* value, const char* home, std::string_view underHome)
{
    auto withoutSlash = [](std::string path) {
        while (path.size() > 1 && path.back() == '/') path.pop_back();
        return path;
    };
    if (value && value[0] == '/') return withoutSlash(value);
    if (home && home[0] == '/') return withoutSlash(home) + "/" + std::string(underHome);
    return std::nullopt;
}

std::string escapeDesktopEntryValue(std::string_view text)
{
    std::string value;
    for (const char c : text) {
        switch (c) {
        case '\\': value += "\\\\"; break;
        case '\n': value += "\\n"; break;
        case '\t': value += "\\t"; break;
        case '\r': value += "\\r"; break;
        default: value += c;
        }
    }
    return value;
}

std::string desktopEntryCommand(std::string_view program)
{
    std::string command = "\"";
    for (const char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') command += '\\';
        if (c == '%') command += '%';
        command += c;
    }
    return command + '"';
}

} // namespace verbalia
