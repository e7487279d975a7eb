#pragma once

#include <cstdint>
#include <optional>

namespace verbalia {

// The widths of the frame that the window manager draws around a window.
struct FrameExtents {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The window manager's frame around the main window.
class WindowFrame {
public:
    virtual ~WindowFrame() = default;

    // The frame of the native window as the window manager last stated it.
    // With ask, a manager that has not stated it yet is asked for the frame
    // the window gets (also before the window is first shown), and its answer
    // is awaited for a moment. Nothing when the frame is not known.
    virtual std::optional<FrameExtents> extents(std::uintptr_t window, bool ask) = 0;
};

} // namespace verbalia
