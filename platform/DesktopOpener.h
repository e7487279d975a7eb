#pragma once

#include <functional>
#include <string>

namespace verbalia {

// Hands an address (a web page, a "mailto:" link) to the desktop, which opens
// it in the user's browser or mail program.
class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;

    // The address is a URL in its encoded form. The desktop answers later:
    // `failed` runs on the window's thread when no program could open it.
    virtual void open(const std::string& address, std::function<void()> failed) = 0;
};

} // namespace verbalia
