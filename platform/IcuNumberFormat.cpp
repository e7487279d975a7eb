#include "IcuNumberFormat.h"

#include "CodePage.h"
#include "IcuLocale.h"

#include <unicode/unum.h>

namespace verbalia {

void IcuNumberFormat::Closer::operator()(void** format) const { unum_close(format); }

IcuNumberFormat::IcuNumberFormat()
{
    UErrorCode status = U_ZERO_ERROR;
    m_format.reset(unum_open(UNUM_DECIMAL, nullptr, 0, icuUserLocale(), nullptr, &status));
    if (U_FAILURE(status)) m_format.reset();
}

IcuNumberFormat::~IcuNumberFormat() = default;

std::string IcuNumberFormat::formatCount(std::int64_t count) const
{
    if (!m_format) return std::to_string(count);
    UErrorCode status = U_ZERO_ERROR;
    UChar buffer[64];
    const int32_t length = unum_formatInt64(m_format.get(), count, buffer, 64, nullptr, &status);
    if (U_FAILURE(status)) return std::to_string(count);

    // The narrow no-break space some locales group with is not in the code
    // page; the plain no-break space stands in for it.
    std::u16string text(buffer, buffer + length);
    for (char16_t& c : text)
        if (c == u'\u202F') c = u'\u00A0';
    return codepage::fromUtf16(text, '?');
}

} // namespace verbalia
