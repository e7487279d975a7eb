// The settings file: any file reads without harm, and a value written is
// read back as written while the file's other keys keep their values.

#include "FuzzSupport.h"
#include "platform/IniFile.h"

#include <map>

using namespace verbalia;

namespace {

// Files held in memory.
class MemoryFiles final : public FileSystem {
public:
    bool exists(const std::string& path) const override { return files.count(path) > 0; }
    std::optional<std::string> readAll(const std::string& path) const override
    {
        const auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        return found->second;
    }
    bool writeAll(const std::string& path, const FileContent& content) override
    {
        std::string& bytes = files[path];
        bytes.clear();
        return content.forEachSlice([&bytes](std::string_view slice) {
            bytes += slice;
            return true;
        });
    }
    bool remove(const std::string& path) override { return files.erase(path), true; }

    std::map<std::string, std::string> files;
};

bool hasLineBreakOrNul(std::string_view text) { return text.find_first_of(std::string_view("\r\n\0", 3)) != text.npos; }

bool isTrimmed(std::string_view text)
{
    return !text.empty() && static_cast<unsigned char>(text.front()) > 32 && static_cast<unsigned char>(text.back()) > 32;
}

// Names and values that the file's layout can hold as they are.
bool isPlainSection(std::string_view name) { return isTrimmed(name) && !hasLineBreakOrNul(name) && name.find(']') == name.npos; }

bool isPlainKey(std::string_view key)
{
    return isTrimmed(key) && !hasLineBreakOrNul(key) && key.find('=') == key.npos && key.front() != ';' &&
           key.front() != '[';
}

bool isPlainValue(std::string_view value)
{
    if (value.empty()) return true;
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    return isTrimmed(value) && !hasLineBreakOrNul(value) && !quoted && value.size() <= 2047;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::InputReader input(data, size);
    const std::string section(input.piece());
    const std::string key(input.piece());
    const std::string value(input.piece());
    const std::string otherKey = key + "_other";
    MemoryFiles files;
    files.files["verbalia.ini"] = std::string(input.rest());

    IniFile settings(files, "verbalia.ini");
    const std::string otherBefore = settings.readString(section, otherKey, "missing");
    const int number = settings.readInteger(section, key, 7);
    settings.readBool(section, key, true);
    fuzz::check(parseIniInteger(std::to_string(number), 0) == number);

    if (!settings.writeString(section, key, value)) return 0;
    const IniFile reread(files, "verbalia.ini");
    if (isPlainSection(section) && isPlainKey(key) && isPlainValue(value)) {
        fuzz::check(reread.readString(section, key, "missing") == value);
        fuzz::check(reread.readString(section, otherKey, "missing") == otherBefore);
    }
    return 0;
}
