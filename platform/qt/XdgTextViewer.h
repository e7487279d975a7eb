#pragma once

#include "platform/TextViewer.h"

namespace verbalia {

// The desktop's opener, xdg-open, found on the PATH and started detached
// without a shell, with the file's path as its one argument.
class XdgTextViewer final : public TextViewer {
public:
    bool available() const override;
    bool open(const std::string& path) override;
};

} // namespace verbalia
