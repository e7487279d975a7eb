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
    setAttribute(Qt::WA_ShowWithoutActivating);
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
    m_lookups.setMaxThreadCount(1);
}

DefinitionWindow::~DefinitionWindow()
{
    m_lookups.clear();
    m_lookups.waitForDone();
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
    m_lookups.clear();
    const std::uint64_t request = ++m_latest;
    m_lookups.start([this, request, word] {
        QMetaObject::invokeMethod(
            this,
            [this, request, word, text = textOf(word)] {
                if (request == m_latest) present(word, text);
            },
            Qt::QueuedConnection);
    });
}

std::string DefinitionWindow::textOf(const std::string& word)
{
    if (!m_definitions) m_definitions = openDefinitions(m_folders, m_files);
    return m_definitions ? definitionText(m_definitions->lookup(word)) : definitionsMissingText(m_folders);
}

void DefinitionWindow::present(const std::string& word, const std::string& text)
{
    setWindowTitle(QStringLiteral("Definition of ") + toQString(word));
    m_text->setPlainText(toQString(text));
    if (isVisible()) {
        raise();
        return;
    }
    show();
    // Where showing a window activates it all the same, the focus goes back.
    parentWidget()->activateWindow();
}

} // namespace verbalia
