#include "QtWindowManager.h"

#include <QWidget>
#include <QWindow>

namespace verbalia {

void QtWindowManager::setKeepAbove(bool above)
{
    if (!m_window) return;
    // The widget's record of its flags follows without recreating the window.
    m_window->overrideWindowFlags(above ? m_window->windowFlags() | Qt::WindowStaysOnTopHint
                                        : m_window->windowFlags() & ~Qt::WindowStaysOnTopHint);
    if (QWindow* handle = m_window->windowHandle()) handle->setFlag(Qt::WindowStaysOnTopHint, above);
}

void QtWindowManager::bringToFront()
{
    if (!m_window) return;
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->raise();
    m_window->activateWindow();
}

} // namespace verbalia
