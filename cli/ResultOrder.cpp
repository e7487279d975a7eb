#include "ResultOrder.h"

#include "platform/CodePage.h"

#include <ostream>

namespace verbalia {

bool ResultOrder::load(const Invocation& invocation, std::ostream& err)
{
    m_commonFirst = invocation.commonFirst;
    if (invocation.common) m_limit = *levelOfSize(*invocation.common);
    if (!m_commonFirst && !invocation.common) return true;
    const std::string path = invocation.levelsPath.value_or(invocation.locations.sharedFolder + std::string(levelsFileName));
    LevelsLoad loaded = CommonnessLevels::load(DiskFileSystem(), path);
    if (!loaded.levels) {
        err << codepage::toUtf8(loaded.problem) << '\n';
        return false;
    }
    m_levels = std::move(loaded.levels);
    return true;
}

} // namespace verbalia
