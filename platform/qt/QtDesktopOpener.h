#pragma once

#include "platform/DesktopOpener.h"

namespace verbalia {

// Runs the desktop's opener, xdg-open, with the address as its one argument,
// without a shell. It fails when xdg-open cannot be started or ends with an
// error (no browser or mail program answers); while a program it started
// keeps it waiting, nothing is said.
class QtDesktopOpener final : public DesktopOpener {
public:
    void open(const std::string& address, std::function<void()> failed) override;
};

} // namespace verbalia
