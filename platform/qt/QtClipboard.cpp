#include "QtClipboard.h"

#include "QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace verbalia {

std::optional<std::string> QtClipboard::text() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) return std::nullopt;
    // Pasted text may hold anything; what the code page lacks reads as '?'.
    return fromQString(data->text(), '?');
}

// The program joins lines with CR LF; the desktop's text ends lines with LF
// alone, and a CR would show in terminals and editors.
void QtClipboard::setText(std::string_view text)
{
    QString desktopText = toQString(text);
    desktopText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QGuiApplication::clipboard()->setText(desktopText);
}

} // namespace verbalia
