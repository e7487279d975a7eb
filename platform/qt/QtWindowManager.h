#pragma once

#include "platform/WindowManager.h"

class QWidget;

namespace verbalia {

// Keep-above through the window's own handle: on X11 the window manager is
// asked to change the window's state (_NET_WM_STATE_ABOVE), so the window
// stays mapped where it is. Changing the widget's window flags instead would
// hide the window and show it again, possibly at another place.
class QtWindowManager final : public WindowManager {
public:
    void setWindow(QWidget* window) { m_window = window; }
    void setKeepAbove(bool above) override;
    // Brings the window to the front, out of a minimised state, and gives it the focus.
    void bringToFront();

private:
    QWidget* m_window = nullptr;
};

} // namespace verbalia
