#include "WindowRun.h"

#include "LineListModel.h"
#include "text/ProgressStep.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>

namespace verbalia {

TMainForm1::Run::Run(TMainForm1& window, QListView* filled, QProgressBar* bar, std::size_t itemCount)
    : m_window(window)
    , m_filled(filled)
    , m_bar(bar)
    , m_step(progressStep(itemCount))
{
    // The view shows its lines as they were until the update ends: it is
    // neither told of each change nor repainted from lines that changed
    // under it.
    m_filled->setUpdatesEnabled(false);
    m_window.modelOf(m_filled)->beginBulkUpdate();
    // The focus goes straight to the halt button, before the lock, so it
    // does not pass through each control as the lock disables it.
    m_window.Halt_Processing_BitBtn->setEnabled(true);
    m_window.Halt_Processing_BitBtn->setFocus();
    m_window.Set_Controls_Enabled(false);
    m_bar->setRange(0, int(itemCount));
    m_bar->setValue(0);
    m_bar->show();
    m_bar->raise();
    m_window.Halt_Search_CheckBox->setChecked(false);
}

bool TMainForm1::Run::halted() const { return m_window.Halt_Search_CheckBox->isChecked(); }

void TMainForm1::Run::showProgress(std::size_t index)
{
    m_bar->setValue(int(index));
    QCoreApplication::processEvents();
}

void TMainForm1::Run::repaintOncePerFrame(QWidget* widget)
{
    m_framed = widget;
    m_framed->setUpdatesEnabled(false);
    m_sinceFrame.start();
}

void TMainForm1::Run::letEventsThrough()
{
    constexpr qint64 frameMs = 16;
    const bool newFrame = m_framed && m_sinceFrame.elapsed() >= frameMs;
    if (newFrame) {
        m_framed->setUpdatesEnabled(true); // asks for a repaint
        m_sinceFrame.start();
    }
    QCoreApplication::processEvents();
    if (newFrame) m_framed->setUpdatesEnabled(false);
}

void TMainForm1::Run::unlock(QWidget* focus)
{
    if (m_framed) m_framed->setUpdatesEnabled(true);
    m_bar->hide();
    m_window.modelOf(m_filled)->endBulkUpdate();
    m_filled->setUpdatesEnabled(true);
    m_window.Set_Controls_Enabled(true);
    focus->setFocus();
    m_window.Halt_Processing_BitBtn->setEnabled(false);
}

void TMainForm1::Run::finish()
{
    if (m_window.m_closeRequested) m_window.close();
}

} // namespace verbalia
