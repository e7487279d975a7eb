#pragma once

#include <QObject>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>

class QCheckBox;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QThread;
class QWidget;

namespace verbalia {

// On a worker: true at most once a frame, so that what it sends the window
// (progress, a batch of results) comes no oftener than a screen can show it.
class FrameClock {
public:
    bool due();

private:
    std::chrono::steady_clock::time_point m_last = std::chrono::steady_clock::now();
};

// The protocol of every run, a search, a harvest or a save: the window lock, the
// progress bar, the halt flag, the worker thread the run's work goes on, the
// focus held on the halt button and given back, and a close request during
// a run, which halts it and is carried out once the run has finished.
class RunController final : public QObject {
    Q_OBJECT

public:
    explicit RunController(QWidget& window);
    // Halts a run still going and waits for its worker.
    ~RunController() override;

    // The halt button, the hidden box that mirrors the halt flag and the bar
    // the searches share; made after the pages, which hold this controller.
    void attach(QPushButton& halt, QCheckBox& haltMirror, QProgressBar& searchBar);
    // What the lock disables, once the window has all its controls: each
    // named control but the halt button (not the containers, so that what
    // they show stays readable), the tab bar and the menu bar.
    void lockControlsOf(QMainWindow& window, QTabWidget& pages);
    QProgressBar& searchBar() const { return *m_searchBar; }

    bool running() const { return m_running; }
    // Any thread: whether Halt (or a close request) asked the run to stop.
    bool halted() const { return m_halted.load(std::memory_order_relaxed); }
    void halt();

    // A close request: during a run it halts the run and is remembered (true);
    // otherwise the window may close at once (false).
    bool deferClose();

    // The start of a run: the focus goes to the halt button, the window is
    // locked but for it, and the run's bar stands over its items at 0.
    void begin(QProgressBar& bar, std::size_t itemCount);
    // The run's work on a worker thread; workFinished follows on the
    // window's thread, after every signal the work sent.
    void startWorker(std::function<void()> work);
    // From the worker, at most once a frame: the bar shows the item reached.
    void reportProgress(std::size_t index) { emit progressed(qsizetype(index)); }
    // Hides the bar, ends the lock, puts the focus on `focus` and then
    // disables the halt button (so the focus goes there straight from the
    // halt button).
    void unlock(QWidget* focus);
    // The very end of a run: the window closes if asked to meanwhile.
    void finish();
    // For a close that cannot wait: halts a run still going and waits for
    // its worker, whose end then leads nowhere.
    void abandon();

signals:
    void workFinished();
    void progressed(qsizetype index);

private:
    // The window lock (Set_Controls_Enabled): the named controls, the tab
    // bar and the menu bar, with the wait cursor while locked.
    void Set_Controls_Enabled(bool enabled);
    void setHalted(bool halted);

    QWidget& m_window;
    QPushButton* m_halt = nullptr;
    QCheckBox* m_haltMirror = nullptr; // shows m_halted
    QProgressBar* m_searchBar = nullptr;
    QProgressBar* m_bar = nullptr; // the running one's
    QThread* m_worker = nullptr;
    std::vector<QWidget*> m_locked;
    std::atomic<bool> m_halted = false;
    bool m_running = false;
    bool m_closeRequested = false;
};

} // namespace verbalia
