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

void QtClipboard::setText(std::string_view text)
{
    QGuiApplication::clipboard()->setText(toQString(text));
}

} // namespace verbalia
