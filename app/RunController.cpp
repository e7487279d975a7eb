#include "RunController.h"

#include "LineListModel.h"
#include "text/ProgressStep.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>

namespace verbalia {
namespace {

LineListModel* modelOf(QListView* view) { return static_cast<LineListModel*>(view->model()); }

} // namespace

RunController::RunController(QWidget& window, QPushButton& halt, QCheckBox& haltFlag,
                             std::function<void(bool)> lock)
    : m_window(window)
    , m_halt(halt)
    , m_haltFlag(haltFlag)
    , m_lock(std::move(lock))
{
}

void RunController::halt() { m_haltFlag.setChecked(true); }

bool RunController::deferClose()
{
    if (!m_running) return false;
    m_closeRequested = true;
    halt();
    return true;
}

void RunController::setLocked(bool locked)
{
    m_lock(!locked);
    m_running = locked;
}

RunController::Run::Run(RunController& controller, QListView* filled, QProgressBar* bar, std::size_t itemCount)
    : m_controller(controller)
    , m_filled(filled)
    , m_bar(bar)
    , m_step(progressStep(itemCount))
{
    // The view shows its lines as they were until the update ends: it is
    // neither told of each change nor repainted from lines that changed
    // under it.
    m_filled->setUpdatesEnabled(false);
    modelOf(m_filled)->beginBulkUpdate();
    // The focus goes straight to the halt button, before the lock, so it
    // does not pass through each control as the lock disables it.
    m_controller.m_halt.setEnabled(true);
    m_controller.m_halt.setFocus();
    m_controller.setLocked(true);
    m_bar->setRange(0, int(itemCount));
    m_bar->setValue(0);
    m_bar->show();
    m_bar->raise();
    m_controller.m_haltFlag.setChecked(false);
}

bool RunController::Run::halted() const { return m_controller.m_haltFlag.isChecked(); }

void RunController::Run::showProgress(std::size_t index)
{
    m_bar->setValue(int(index));
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
    m_bar->hide();
    modelOf(m_filled)->endBulkUpdate();
    m_filled->setUpdatesEnabled(true);
    m_controller.setLocked(false);
    focus->setFocus();
    m_controller.m_halt.setEnabled(false);
}

void RunController::Run::finish()
{
    if (m_controller.m_closeRequested) m_controller.m_window.close();
}

} // namespace verbalia
