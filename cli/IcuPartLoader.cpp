#include "IcuPart.h"

#include "platform/ProgramFolder.h"

#include <ostream>

#include <dlfcn.h>

namespace verbalia {

const IcuPart* loadIcuPart(std::ostream& err)
{
    // Found through the program's library path (lib/ beside it, or in the
    // build folder), else in a system install's own library folder.
    static constexpr const char* name = "libverbalia-find-icu.so";
    static std::string problem;
    static const IcuPart* const part = []() -> const IcuPart* {
        void* library = ::dlopen(name, RTLD_NOW | RTLD_LOCAL);
        if (const std::string folder = privateLibraryFolder(); !library && !folder.empty())
            library = ::dlopen((folder + name).c_str(), RTLD_NOW | RTLD_LOCAL);
        const auto entry = library ? reinterpret_cast<decltype(&verbaliaFindIcuPart)>(
                                         ::dlsym(library, "verbaliaFindIcuPart"))
                                   : nullptr;
        if (!entry) problem = ::dlerror();
        return entry ? entry() : nullptr;
    }();
    if (!part) err << "verbalia-find: cannot load " << name << ": " << problem << '\n';
    return part;
}

} // namespace verbalia
