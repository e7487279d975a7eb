#include "CodePage.h"

#include <unicode/ustring.h>

// Apart from the rest of the code page: of the conversions only this one
// needs ICU, which verbalia-find's searches do without.

namespace verbalia::codepage {

std::string fromUtf8(std::string_view utf8)
{
    std::u16string wide(utf8.size(), u'\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(reinterpret_cast<UChar*>(wide.data()), int32_t(wide.size()), &length, utf8.data(),
                         int32_t(utf8.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status)) return std::string(utf8);
    wide.resize(std::size_t(length));
    return fromUtf16(wide, '?');
}

} // namespace verbalia::codepage
