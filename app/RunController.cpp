#include "RunController.h"

#include "text/ProgressStep.h"

#include <QApplication>
#include <QCheckBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

namespace verbalia {

RunController::RunController(QWidget& window)
    : m_window(window)
{
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

RunController::Run::Run(RunController& controller, QProgressBar& bar, std::size_t itemCount)
    : m_controller(controller)
    , m_bar(bar)
    , m_step(progressStep(itemCount))
{
    // The focus goes straight to the halt button, before the lock, so it
    // does not pass through each control as the lock disables it.
    m_controller.m_halt->setEnabled(true);
    m_controller.m_halt->setFocus();
    m_controller.Set_Controls_Enabled(false);
    m_bar.setRange(0, int(itemCount));
    m_bar.setValue(0);
    m_bar.show();
    m_bar.raise();
    m_controller.setHalted(false);
}

void RunController::Run::showProgress(std::size_t index)
{
    m_bar.setValue(int(index));
    QCoreApplication::processEvents();
}

void RunController::Run::refreshOncePerFrame(std::function<void()> refresh)
{
    m_refresh = std::move(refresh);
    m_sinceFrame.start();
}

void RunController::Run::letEventsThrough()
{
    constexpr qint64 frameMs = 16;
    if (m_refresh && m_sinceFrame.elapsed() >= frameMs) {
        m_refresh();
        m_sinceFrame.start();
    }
    QCoreApplication::processEvents();
}

void RunController::Run::unlock(QWidget* focus)
{
    if (m_refresh) m_refresh();
    m_bar.hide();
    m_controller.Set_Controls_Enabled(true);
    focus->setFocus();
    m_controller.m_halt->setEnabled(false);
}

void RunController::Run::finish()
{
    if (m_controller.m_closeRequested) m_controller.m_window.close();
}

} // namespace verbalia
