#include "QtMessageBoxes.h"

#include "DialogFrame.h"
#include "QtText.h"

#include <QMessageBox>
#include <QPushButton>

namespace verbalia {
namespace {

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Confirm: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtMessageBoxes::show(MessageKind kind, const std::string& text)
{
    QMessageBox box(iconOf(kind), messageTitle(kind), toQString(text), QMessageBox::Ok, m_parent);
    frameAsDialog(box, TitleButtons::Close);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, m_keepAbove);
    box.exec();
}

Answer QtMessageBoxes::question(MessageKind kind, const std::string& text, Answer defaultAnswer, bool cancellable)
{
    QMessageBox box(iconOf(kind), messageTitle(kind), toQString(text), QMessageBox::NoButton, m_parent);
    frameAsDialog(box, TitleButtons::Close);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, m_keepAbove);
    QPushButton* yes = box.addButton(QObject::tr("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QObject::tr("&No"), QMessageBox::NoRole);
    QPushButton* cancel = cancellable ? box.addButton(QObject::tr("Cancel"), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(defaultAnswer == Answer::Yes ? yes : no);
    box.setEscapeButton(cancel ? cancel : no);
    box.exec();
    if (box.clickedButton() == yes) return Answer::Yes;
    return cancel && box.clickedButton() != no ? Answer::Cancel : Answer::No;
}

Answer QtMessageBoxes::ask(MessageKind kind, const std::string& text, Answer defaultAnswer)
{
    return question(kind, text, defaultAnswer, false);
}

Answer QtMessageBoxes::askOrCancel(MessageKind kind, const std::string& text)
{
    return question(kind, text, Answer::Yes, true);
}

} // namespace verbalia
