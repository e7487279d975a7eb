#pragma once

#include "platform/FileDialog.h"

class QWidget;

namespace verbalia {

// QFileDialog over the given parent window.
class QtFileDialog final : public FileDialog {
public:
    void setParent(QWidget* parent) { m_parent = parent; }
    std::optional<std::string> chooseFileToOpen(const std::string& filter) override;
    std::optional<std::string> chooseFileToSave(const std::string& filter) override;

private:
    QWidget* m_parent = nullptr;
};

} // namespace verbalia
