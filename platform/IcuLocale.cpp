#include "IcuLocale.h"

#include <unicode/uloc.h>

#include <cstring>

namespace verbalia {

const char* icuUserLocale()
{
    const char* locale = uloc_getDefault();
    if (locale == nullptr || *locale == '\0' || std::strcmp(locale, "root") == 0 ||
        std::strcmp(locale, "en_US_POSIX") == 0)
        return "en_US";
    return locale;
}

} // namespace verbalia
