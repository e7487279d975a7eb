#pragma once

#include "platform/MessageBoxes.h"

class QWidget;

namespace verbalia {

// Modal QMessageBox boxes over the given parent window.
class QtMessageBoxes final : public MessageBoxes {
public:
    void setParent(QWidget* parent) { m_parent = parent; }
    // Boxes kept above every window, those kept above the others included.
    void setKeepAbove(bool above) { m_keepAbove = above; }
    void show(MessageKind kind, const std::string& text) override;
    Answer ask(MessageKind kind, const std::string& text, Answer defaultAnswer) override;
    Answer askOrCancel(MessageKind kind, const std::string& text) override;

private:
    // A question with Yes and No, and Cancel when offered (then Escape's answer).
    Answer question(MessageKind kind, const std::string& text, Answer defaultAnswer, bool cancellable);

    QWidget* m_parent = nullptr;
    bool m_keepAbove = false;
};

} // namespace verbalia
