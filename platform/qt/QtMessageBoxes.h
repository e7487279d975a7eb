#pragma once

#include "platform/MessageBoxes.h"

class QWidget;

namespace verbalia {

// Modal QMessageBox boxes over the given parent window.
class QtMessageBoxes final : public MessageBoxes {
public:
    void setParent(QWidget* parent) { m_parent = parent; }
    void show(MessageKind kind, const std::string& text) override;
    Answer ask(MessageKind kind, const std::string& text, Answer defaultAnswer) override;
    Answer askOrCancel(MessageKind kind, const std::string& text) override;

private:
    QWidget* m_parent = nullptr;
};

} // namespace verbalia
