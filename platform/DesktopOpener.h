#pragma once

#include <string>

namespace verbalia {

// Hands an address (a web page, a "mailto:" link) to the desktop, which opens
// it in the user's browser or mail program. Whether that worked is not told.
class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;

    // The address is a URL in its encoded form.
    virtual void open(const std::string& address) = 0;
};

} // namespace verbalia
