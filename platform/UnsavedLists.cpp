#include "UnsavedLists.h"

#include "text/LineText.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <set>
#include <tuple>

namespace verbalia {
namespace {

constexpr std::string_view prefix = "unsaved-";
constexpr std::string_view ending = ".dat";
constexpr const char* toldName = "unsaved-told.txt";
constexpr std::size_t stampLength = 15; // YYYYMMDD-HHMMSS

std::string timeStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return stamp;
}

} // namespace

std::optional<std::string> UnsavedLists::keep(const FileContent& content)
{
    if (m_folder.empty() || !makeFolders(m_folder)) return std::nullopt;
    const std::string stem = m_folder + std::string(prefix) + timeStamp();
    std::string path = stem + std::string(ending);
    for (int serial = 2; m_files.exists(path); ++serial) path = stem + "-" + std::to_string(serial) + std::string(ending);
    if (!m_files.writeAll(path, content)) return std::nullopt;
    return path;
}

std::vector<std::string> UnsavedLists::takeUntold()
{
    std::error_code error;
    std::vector<std::string> kept;
    if (m_folder.empty()) return kept;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && name.ends_with(ending)) kept.push_back(name);
    }
    if (kept.empty()) return kept;
    // By time stamp, then the first kept within a second (no serial) first.
    std::sort(kept.begin(), kept.end(), [](const std::string& a, const std::string& b) {
        const auto key = [](const std::string& name) {
            return std::tuple(name.substr(prefix.size(), stampLength), name.size(), name);
        };
        return key(a) < key(b);
    });
    const std::string toldPath = m_folder + toldName;
    std::set<std::string> told;
    for (std::string& name : splitLines(m_files.readAll(toldPath).value_or(""))) told.insert(std::move(name));

    std::vector<std::string> untold;
    std::string toldText;
    for (const std::string& name : kept) {
        if (!told.contains(name)) untold.push_back(m_folder + name);
        toldText += name + '\n';
    }
    if (!untold.empty()) m_files.writeAll(toldPath, toldText);
    return untold;
}

} // namespace verbalia
