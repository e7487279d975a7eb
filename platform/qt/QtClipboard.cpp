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
    return fromQString(data->text());
}

void QtClipboard::setText(std::string_view text)
{
    QGuiApplication::clipboard()->setText(toQString(text));
}

} // namespace verbalia
