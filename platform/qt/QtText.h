#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace verbalia {

// The edge between the program's 8-bit text and Qt's strings.
QString toQString(std::string_view text);
std::string fromQString(const QString& text);

} // namespace verbalia
