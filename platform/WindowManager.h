#pragma once

namespace verbalia {

// The window manager's treatment of the main window.
class WindowManager {
public:
    virtual ~WindowManager() = default;

    // Keeps the window above all others, or lets it be stacked normally,
    // without moving, resizing or activating it.
    virtual void setKeepAbove(bool above) = 0;
};

} // namespace verbalia
