#include "QtDesktopOpener.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QUrl>

namespace verbalia {

void QtDesktopOpener::open(const std::string& address)
{
    QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(address), QUrl::TolerantMode));
}

} // namespace verbalia
