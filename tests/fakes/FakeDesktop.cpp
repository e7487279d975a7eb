#include "FakeDesktop.h"

#include <filesystem>

namespace verbalia {

std::string FakeAutostartList::readValue(const std::string& name) const
{
    const auto entry = entries.find(name);
    return entry == entries.end() ? std::string() : entry->second;
}

bool FakeAutostartList::writeValue(const std::string& name, const std::string& path)
{
    if (writesFail) return false;
    if (!writesLost) entries[name] = path;
    return true;
}

void FakeAutostartList::deleteValue(const std::string& name)
{
    if (!deletesIgnored) entries.erase(name);
}

std::optional<unsigned> FakeFileAttributes::attributes(const std::string& path) const
{
    const auto found = readOnly.find(path);
    return found != readOnly.end() && found->second ? unsigned(readOnlyAttribute) : 0u;
}

ExclusiveOpen FakeFileAttributes::probeExclusiveOpen(const std::string& path) const
{
    if (!std::filesystem::exists(path)) return ExclusiveOpen::NotFound;
    if (held.count(path)) return ExclusiveOpen::HeldElsewhere;
    return *attributes(path) ? ExclusiveOpen::Failed : ExclusiveOpen::Opened;
}

bool FakeTextViewer::open(const std::string& path)
{
    if (starts) opened.push_back(path);
    return starts;
}

} // namespace verbalia
