#include "DefinitionWindow.h"

#include "platform/qt/DialogFrame.h"
#include "platform/qt/QtText.h"

#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace verbalia {

DefinitionWindow::DefinitionWindow(std::vector<std::string> folders, const FileSystem& files, QWidget* parent)
    : QDialog(parent)
    , m_files(files)
    , m_folders(std::move(folders))
    , m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("Definition_Window"));
    setWindowTitle(QStringLiteral("Definition"));
    frameAsDialog(*this, TitleButtons::Close);
    m_text->setObjectName(QStringLiteral("Definition_Text"));
    m_text->setAccessibleName(QStringLiteral("Definition"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_text);
    resize(520, 380);
    placeBesideOwner();
}

void DefinitionWindow::placeBesideOwner()
{
    const QWidget* owner = parentWidget();
    const QRect outer = owner->frameGeometry(), inner = owner->geometry();
    // Before it is shown its frame is unknown: taken to be as wide as the owner's.
    const int outerWidth = width() + outer.width() - inner.width();
    const QRect screen = owner->screen()->availableGeometry();
    if (outer.right() + outerWidth <= screen.right())
        move(outer.right() + 1, outer.top());
    else if (outer.left() - outerWidth >= screen.left())
        move(outer.left() - outerWidth, outer.top());
}

void DefinitionWindow::define(const std::string& word)
{
    if (!m_definitions) m_definitions = openDefinitions(m_folders, m_files);
    const std::string text = m_definitions ? definitionText(m_definitions->lookup(word))
                                           : definitionsMissingText(m_folders);
    m_text->setPlainText(toQString(text));
    show();
    raise();
    activateWindow();
    m_text->setFocus();
}

} // namespace verbalia
