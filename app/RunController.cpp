#include "RunController.h"

#include <QApplication>
#include <QCheckBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QThread>

#include <utility>

namespace verbalia {

bool FrameClock::due()
{
    constexpr std::chrono::milliseconds frame(16);
    const auto now = std::chrono::steady_clock::now();
    if (now - m_last < frame) return false;
    m_last = now;
    return true;
}

RunController::RunController(QWidget& window)
    : m_window(window)
{
    connect(this, &RunController::progressed, this, [this](qsizetype index) { m_bar->setValue(int(index)); },
            Qt::QueuedConnection);
}

RunController::~RunController()
{
    if (!m_worker) return;
    m_halted = true;
    m_worker->wait();
    delete m_worker;
}

void RunController::attach(QPushButton& halt, QCheckBox& haltMirror, QProgressBar& searchBar)
{
    m_halt = &halt;
    m_haltMirror = &haltMirror;
    m_searchBar = &searchBar;
    connect(m_halt, &QPushButton::clicked, this, &RunController::halt);
    // Escape halts a run: the shortcut belongs to the halt button and works
    // only while that is enabled.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), m_halt), &QShortcut::activated, m_halt, &QPushButton::click);
}

void RunController::lockControlsOf(QMainWindow& window, QTabWidget& pages)
{
    m_locked.clear();
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        const bool container = control == window.centralWidget() || control == &pages || pages.indexOf(control) >= 0 ||
                               control->inherits("QGroupBox") || control->inherits("QMenuBar") ||
                               control->inherits("QMenu");
        // A run enables the halt button before it locks the window and
        // disables it after, so the focus can wait there for the run's end.
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !container && control != m_halt)
            m_locked.push_back(control);
    }
    // The page stays as it is, and no menu command may touch the list or the
    // window while a run reads them.
    m_locked.insert(m_locked.end(), {pages.tabBar(), window.menuBar()});
}

void RunController::setHalted(bool halted)
{
    m_halted = halted;
    m_haltMirror->setChecked(halted);
}

void RunController::halt() { setHalted(true); }

bool RunController::deferClose()
{
    if (!m_running) return false;
    m_closeRequested = true;
    halt();
    return true;
}

void RunController::Set_Controls_Enabled(bool enabled)
{
    if (enabled)
        QApplication::restoreOverrideCursor();
    else
        QApplication::setOverrideCursor(Qt::WaitCursor);
    for (QWidget* control : m_locked) control->setEnabled(enabled);
    m_running = !enabled;
}

void RunController::begin(QProgressBar& bar, std::size_t itemCount)
{
    // The focus goes straight to the halt button, before the lock, so it
    // does not pass through each control as the lock disables it.
    m_halt->setEnabled(true);
    m_halt->setFocus();
    Set_Controls_Enabled(false);
    m_bar = &bar;
    m_bar->setRange(0, int(itemCount));
    m_bar->setValue(0);
    m_bar->show();
    m_bar->raise();
    setHalted(false);
}

void RunController::startWorker(std::function<void()> work)
{
    m_worker = QThread::create(std::move(work));
    // Queued: the signals the work sent are delivered first.
    connect(m_worker, &QThread::finished, this, [this] {
        m_worker->wait();
        delete m_worker;
        m_worker = nullptr;
        emit workFinished();
    }, Qt::QueuedConnection);
    m_worker->start();
}

void RunController::unlock(QWidget* focus)
{
    m_bar->hide();
    Set_Controls_Enabled(true);
    focus->setFocus();
    m_halt->setEnabled(false);
}

void RunController::finish()
{
    if (std::exchange(m_closeRequested, false)) m_window.close();
}

void RunController::abandon()
{
    disconnect(this, &RunController::workFinished, nullptr, nullptr);
    if (!m_worker) return;
    halt();
    m_worker->wait();
}

} // namespace verbalia
