#pragma once

#include <QElapsedTimer>

#include <cstddef>
#include <functional>

class QCheckBox;
class QListView;
class QProgressBar;
class QPushButton;
class QWidget;

namespace verbalia {

// The protocol of every run, a search or a harvest: the window lock, the
// progress bar, the halt flag, the cadence at which events get through, the
// focus held on the halt button and given back, and a close request during
// a run, which halts it and is carried out once the run has finished.
class RunController {
public:
    // `lock(false)` locks the window but for the halt button, `lock(true)` unlocks it.
    RunController(QWidget& window, QPushButton& halt, QCheckBox& haltFlag, std::function<void(bool enabled)> lock);

    bool running() const { return m_running; }
    void halt();

    // A close request: during a run it halts the run and is remembered (true);
    // otherwise the window may close at once (false).
    bool deferClose();

    // One run: from its start the view it fills is in a bulk update, the
    // window is locked but for the halt button, and the run's progress bar
    // stands over its items; events get through at each progress step.
    class Run {
    public:
        Run(RunController& controller, QListView* filled, QProgressBar* bar, std::size_t itemCount);
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

        // Events get through, and the bar moves, once every this many items.
        std::size_t step() const { return m_step; }
        bool halted() const;

        // At an item whose index is a multiple of the step.
        void showProgress(std::size_t index);

        // What changes far more often than a screen can show, such as the count
        // and the window's title after every added word, is refreshed at most
        // once a frame, when events get through (letEventsThrough), and once
        // more as the run unlocks, so that it ends showing the final state.
        // A title changed per word would also flood the window manager.
        void refreshOncePerFrame(std::function<void()> refresh);
        void letEventsThrough();

        // Hides the bar, ends the bulk update and the lock, puts the focus on
        // `focus` and then disables the halt button (so the focus goes there
        // straight from the halt button).
        void unlock(QWidget* focus);

        // The very end of the run's handler: the window closes if asked to meanwhile.
        void finish();

    private:
        RunController& m_controller;
        QListView* m_filled;
        QProgressBar* m_bar;
        std::size_t m_step;
        std::function<void()> m_refresh;
        QElapsedTimer m_sinceFrame;
    };

private:
    void setLocked(bool locked);

    QWidget& m_window;
    QPushButton& m_halt;
    QCheckBox& m_haltFlag;
    std::function<void(bool)> m_lock;
    bool m_running = false;
    bool m_closeRequested = false;
};

} // namespace verbalia
