#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace verbalia {

// A freedesktop base folder, without a trailing '/': `value` (the variable
// that names it, such as XDG_DATA_HOME) when it is an absolute path, else
// `underHome` in the home folder; nothing when neither gives one.
std::optional<std::string> xdgBaseFolder(const char* value, const char* home, std::string_view underHome);

// A string value of a desktop entry, with its escapes.
std::string escapeDesktopEntryValue(std::string_view text);

// The Exec command that starts the program at the path: the path in double
// quotes, with a backslash before each '"', '`', '$' and backslash inside
// them, and '%' doubled. A value still to escape.
std::string desktopEntryCommand(std::string_view program);

} // namespace verbalia
