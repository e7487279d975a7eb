#include "QtText.h"


namespace verbalia {

QString toQString(std::string_view text)
{
    const std::u16string wide = codepage::toUtf16(text);
    return QString::fromUtf16(wide.data(), qsizetype(wide.size()));
}

std::string fromQString(const QString& text, char unmappable)
{
    return codepage::fromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())),
                               unmappable);
}

} // namespace verbalia
