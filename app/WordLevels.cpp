#include "WordLevels.h"

#include "platform/FileSystem.h"
#include "platform/qt/QtText.h"

namespace verbalia {

WordLevels::WordLevels(const FileSystem& files, std::string path)
    : m_files(files)
    , m_path(std::move(path))
{
}

WordLevels::~WordLevels()
{
    if (m_loaded.valid()) m_loaded.wait();
}

std::string WordLevels::startLoading()
{
    if (!m_files.exists(m_path)) return CommonnessLevels::load(m_files, m_path).problem;
    m_loaded = std::async(std::launch::async, [this] {
                   LevelsLoad loaded = CommonnessLevels::load(m_files, m_path);
                   if (!loaded.levels)
                       QMetaObject::invokeMethod(
                           this, [this, problem = toQString(loaded.problem)] { emit unavailable(problem); },
                           Qt::QueuedConnection);
                   return loaded;
               }).share();
    return {};
}

const CommonnessLevels* WordLevels::levels() const
{
    if (!m_loaded.valid()) return nullptr;
    const std::optional<CommonnessLevels>& levels = m_loaded.get().levels;
    return levels ? &*levels : nullptr;
}

} // namespace verbalia
