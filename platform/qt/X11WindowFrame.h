#pragma once

#include "platform/WindowFrame.h"

namespace verbalia {

// The frame as an X11 window manager states it (_NET_FRAME_EXTENTS), asked
// for with _NET_REQUEST_FRAME_EXTENTS; nothing on other window systems and
// under managers that do not take part.
class X11WindowFrame final : public WindowFrame {
public:
    std::optional<FrameExtents> extents(std::uintptr_t window, bool ask) override;
};

} // namespace verbalia
