#pragma once

#include "platform/WindowFrame.h"

#include <QMargins>
#include <QRect>

#include <optional>

class QWidget;

namespace verbalia {

// The main window's outer (frame) bounds as the settings file holds them.
// The window is placed before it is first shown, with the frame that the
// window manager says it will draw, so that the frame lands on the bounds;
// what is stored at close is the bounds placed as long as the window stays
// where it was put, whenever the window manager reports its frame and
// however late its moves arrive.
class WindowPlacement {
public:
    WindowPlacement(QWidget& window, WindowFrame& frame);

    // Places the window so that its frame covers the bounds. A top above the
    // screen comes down to the screen's top, so the title bar and the menu
    // stay within reach; bounds larger than the screen shrink to it, and
    // bounds off every screen move onto the nearest one.
    void place(QRect outerBounds);

    // The outer bounds of the window's normal (not maximised) state.
    QRect outerBounds() const;

private:
    QMargins normalFrameMargins() const;

    QWidget& m_window;
    WindowFrame& m_frame;
    // The frame the window manager gives the window in its normal state, as it
    // stated it when the window was first placed. A maximised window's frame
    // differs, and so does the one stated while a maximised window is being
    // restored, so it is asked for once and kept.
    mutable std::optional<QMargins> m_normalFrame;
    QRect m_placedBounds; // the outer bounds last placed
    QRect m_placedClient; // the client area they gave
};

} // namespace verbalia
