#pragma once

namespace verbalia {

enum class ShowState { Normal, Minimized, Maximized };

// The show state that whoever started the program asked for its first window.
class LaunchShowState {
public:
    virtual ~LaunchShowState() = default;
    virtual ShowState requested() const = 0;
};

} // namespace verbalia

namespace verbalia {

// X11 and Wayland launchers pass no show state to a program's first window,
// so the program opens in its normal state.
class DesktopLaunchShowState final : public LaunchShowState {
public:
    ShowState requested() const override { return ShowState::Normal; }
};

} // namespace verbalia
