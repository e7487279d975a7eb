#include "ResultOrder.h"

#include "platform/CodePage.h"

#include <ostream>

namespace verbalia {

std::string levelsFile(const Invocation& invocation)
{
    return invocation.levelsPath.value_or(invocation.locations.sharedFolder + std::string(levelsFileName));
}

bool loadLevels(const Invocation& invocation, std::optional<CommonnessLevels>& levels, std::ostream& err)
{
    LevelsLoad loaded = CommonnessLevels::load(DiskFileSystem(), levelsFile(invocation));
    if (!loaded.levels) {
        err << codepage::toUtf8(loaded.problem) << '\n';
        return false;
    }
    levels = std::move(loaded.levels);
    return true;
}

bool ResultOrder::load(const Invocation& invocation, std::ostream& err)
{
    m_commonFirst = invocation.commonFirst;
    if (invocation.common) m_limit = *levelOfSize(*invocation.common);
    return (!m_commonFirst && !invocation.common) || loadLevels(invocation, m_levels, err);
}

} // namespace verbalia
