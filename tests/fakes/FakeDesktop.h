#pragma once

#include "platform/AutostartList.h"
#include "platform/FileAttributes.h"
#include "platform/TextViewer.h"
#include "platform/WindowManager.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace verbalia {

// Entries in memory under a fixed key. The faults are those of a list that
// does not keep what it is told.
class FakeAutostartList final : public AutostartList {
public:
    std::string key() const override { return "/home/user/.config/autostart"; }
    bool keyExists() const override { return configFolderExists; }
    std::string readValue(const std::string& name) const override;
    bool valueExists(const std::string& name) const override { return entries.count(name) > 0; }
    bool writeValue(const std::string& name, const std::string& path) override;
    void deleteValue(const std::string& name) override;

    std::map<std::string, std::string> entries;
    bool configFolderExists = true;
    bool writesFail = false;    // the service itself fails to write
    bool writesLost = false;    // a write reports success but keeps nothing
    bool deletesIgnored = false;
};

// Attributes as Linux has them (read-only alone is kept) over files on the
// real disk. A read-only file cannot be opened for writing, as for a user
// other than root; files named held are held by another program.
class FakeFileAttributes final : public FileAttributes {
public:
    void setAttributes(const std::string& path, unsigned bits) override { readOnly[path] = bits & readOnlyAttribute; }
    std::optional<unsigned> attributes(const std::string& path) const override;
    ExclusiveOpen probeExclusiveOpen(const std::string& path) const override;

    std::map<std::string, bool> readOnly;
    std::set<std::string> held;
};

class FakeTextViewer final : public TextViewer {
public:
    bool available() const override { return installed; }
    bool open(const std::string& path) override;

    bool installed = true;
    bool starts = true;
    std::vector<std::string> opened;
};

class FakeWindowManager final : public WindowManager {
public:
    void setKeepAbove(bool above) override { keepAbove = above; }
    bool keepAbove = false;
};

} // namespace verbalia
