#pragma once

#include "MainForm.h"

#include <QElapsedTimer>

namespace verbalia {

// One run of the window, a search or a harvest: from its start the view it
// fills is in a bulk update, the window is locked but for the halt button,
// and the run's progress bar stands over its items; events get through at
// each progress step. A close request during the run halts it and is carried
// out once the run has finished.
class TMainForm1::Run {
public:
    Run(TMainForm1& window, QListView* filled, QProgressBar* bar, std::size_t itemCount);
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    // Events get through, and the bar moves, once every this many items.
    std::size_t step() const { return m_step; }
    bool halted() const;

    // At an item whose index is a multiple of the step.
    void showProgress(std::size_t index);

    // A widget that changes far more often than a screen can show, such as
    // a count after every added word, is repainted at most once a frame,
    // when events get through (letEventsThrough); its state is always current.
    void repaintOncePerFrame(QWidget* widget);
    void letEventsThrough();

    // Hides the bar, ends the bulk update and the lock, puts the focus on
    // `focus` and then disables the halt button (so the focus goes there
    // straight from the halt button).
    void unlock(QWidget* focus);

    // The very end of the run's handler: the window closes if asked to meanwhile.
    void finish();

private:
    TMainForm1& m_window;
    QListView* m_filled;
    QProgressBar* m_bar;
    std::size_t m_step;
    QWidget* m_framed = nullptr;
    QElapsedTimer m_sinceFrame;
};

} // namespace verbalia
