#include "IcuPart.h"

#include <ostream>

#include <dlfcn.h>

namespace verbalia {

const IcuPart* loadIcuPart(std::ostream& err)
{
    // Found through the program's library path: lib/ beside it.
    static constexpr const char* name = "libverbalia-find-icu.so";
    static std::string problem;
    static const IcuPart* const part = []() -> const IcuPart* {
        void* library = ::dlopen(name, RTLD_NOW | RTLD_LOCAL);
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
