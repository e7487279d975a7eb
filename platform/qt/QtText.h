#pragma once

#include "platform/CodePage.h"

#include <QString>

#include <string>
#include <string_view>

namespace verbalia {

// The edge between the program's 8-bit text and Qt's strings. Characters
// that the code page cannot hold become the given substitute.
QString toQString(std::string_view text);
std::string fromQString(const QString& text, char unmappable = codepage::substitute);

} // namespace verbalia
