#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <cstddef>
#include <functional>
#include <vector>

class QCheckBox;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QWidget;

namespace verbalia {

// The protocol of every run, a search or a harvest: the window lock, the
// progress bar, the halt flag, the cadence at which events get through, the
// focus held on the halt button and given back, and a close request during
// a run, which halts it and is carried out once the run has finished.
class RunController final : public QObject {
    Q_OBJECT

public:
    explicit RunController(QWidget& window);

    // The halt button, the hidden box that mirrors the halt flag and the bar
    // the searches share; made after the pages, which hold this controller.
    void attach(QPushButton& halt, QCheckBox& haltMirror, QProgressBar& searchBar);
    // What the lock disables, once the window has all its controls: each
    // named control but the halt button (not the containers, so that what
    // they show stays readable), the tab bar and the menu bar.
    void lockControlsOf(QMainWindow& window, QTabWidget& pages);
    QProgressBar& searchBar() const { return *m_searchBar; }

    bool running() const { return m_running; }
    void halt();

    // A close request: during a run it halts the run and is remembered (true);
    // otherwise the window may close at once (false).
    bool deferClose();

    // One run: the window is locked but for the halt button, and the run's
    // progress bar stands over its items; events get through at each progress step.
    class Run {
    public:
        Run(RunController& controller, QProgressBar& bar, std::size_t itemCount);
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

        // Events get through, and the bar moves, once every this many items.
        std::size_t step() const { return m_step; }
        bool halted() const { return m_controller.m_halted; }

        // At an item whose index is a multiple of the step.
        void showProgress(std::size_t index);

        // What changes far more often than a screen can show, such as the count
        // and the window's title after every added word, is refreshed at most
        // once a frame, when events get through (letEventsThrough), and once
        // more as the run unlocks, so that it ends showing the final state.
        // A title changed per word would also flood the window manager.
        void refreshOncePerFrame(std::function<void()> refresh);
        void letEventsThrough();

        // Hides the bar, ends the lock, puts the focus on `focus` and then
        // disables the halt button (so the focus goes there straight from the
        // halt button).
        void unlock(QWidget* focus);

        // The very end of the run's handler: the window closes if asked to meanwhile.
        void finish();

    private:
        RunController& m_controller;
        QProgressBar& m_bar;
        std::size_t m_step;
        std::function<void()> m_refresh;
        QElapsedTimer m_sinceFrame;
    };

private:
    // The window lock (Set_Controls_Enabled): the named controls, the tab
    // bar and the menu bar, with the wait cursor while locked.
    void Set_Controls_Enabled(bool enabled);
    void setHalted(bool halted);

    QWidget& m_window;
    QPushButton* m_halt = nullptr;
    QCheckBox* m_haltMirror = nullptr; // shows m_halted
    QProgressBar* m_searchBar = nullptr;
    std::vector<QWidget*> m_locked;
    bool m_halted = false;
    bool m_running = false;
    bool m_closeRequested = false;
};

} // namespace verbalia
