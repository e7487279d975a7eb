#include "WorkAreaEdit.h"

#include "platform/qt/QtText.h"
#include "wordlist/Harvest.h"

#include <QEvent>
#include <QMimeData>
#include <QTextBlock>

namespace verbalia {

WorkAreaEdit::WorkAreaEdit(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(NoWrap);
    setTabChangesFocus(true);
}

std::vector<std::string> WorkAreaEdit::lines() const
{
    std::vector<std::string> lines;
    if (document()->isEmpty()) return lines;
    lines.reserve(std::size_t(document()->blockCount()));
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next())
        lines.push_back(fromQString(block.text(), '?'));
    // A line end at the end of the text starts no line of its own.
    if (lines.back().empty()) lines.pop_back();
    return lines;
}

void WorkAreaEdit::setText(std::string_view text)
{
    setPlainText(toQString(text));
    moveCursor(QTextCursor::End);
}

void WorkAreaEdit::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
}

void WorkAreaEdit::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText()) insertPlainText(toQString(workAreaTextFromClipboard(fromQString(source->text(), '?'))));
}

} // namespace verbalia
