#pragma once

#include <string>

namespace verbalia {

// The programs the desktop starts when the user logs in: named entries, each
// holding a program's full path, kept under one key (a place the messages
// show).
class AutostartList {
public:
    virtual ~AutostartList() = default;

    // Where the entries are kept, as the messages show it.
    virtual std::string key() const = 0;

    // True when the list can hold entries; the key and any missing parents
    // are created when an entry is written.
    virtual bool keyExists() const = 0;

    // The program path of the entry, or empty when there is none.
    virtual std::string readValue(const std::string& name) const = 0;

    virtual bool valueExists(const std::string& name) const = 0;

    // Writes the entry; false when the service itself failed to.
    virtual bool writeValue(const std::string& name, const std::string& path) = 0;

    // Removes the entry if there is one.
    virtual void deleteValue(const std::string& name) = 0;
};

// The freedesktop autostart folder: the key is $XDG_CONFIG_HOME/autostart
// (~/.config/autostart without it), made with its parents when first
// needed; an entry is the desktop entry "<name>.desktop" there, whose
// Exec line holds the path quoted.
class XdgAutostartList final : public AutostartList {
public:
    std::string key() const override;
    bool keyExists() const override;
    std::string readValue(const std::string& name) const override;
    bool valueExists(const std::string& name) const override;
    bool writeValue(const std::string& name, const std::string& path) override;
    void deleteValue(const std::string& name) override;
};

// The desktop entry that starts the program at the path, and the program
// path that an entry's Exec line gives back (empty when it has none).
std::string desktopEntry(const std::string& name, const std::string& path);
std::string programOfDesktopEntry(const std::string& entry);

} // namespace verbalia
