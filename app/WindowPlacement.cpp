#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace verbalia {

WindowPlacement::WindowPlacement(QWidget& window, WindowFrame& frame) : m_window(window), m_frame(frame) {}

void WindowPlacement::place(QRect outerBounds)
{
    const QScreen* screen = QGuiApplication::screenAt(outerBounds.center());
    if (!screen) screen = m_window.screen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        outerBounds.setSize(outerBounds.size().boundedTo(available.size()));
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (std::none_of(screens.begin(), screens.end(),
                         [&](const QScreen* each) { return each->geometry().intersects(outerBounds); }))
            outerBounds.moveTo(std::clamp(outerBounds.left(), available.left(), available.right() - outerBounds.width() + 1),
                               std::clamp(outerBounds.top(), available.top(), available.bottom() - outerBounds.height() + 1));
        if (outerBounds.top() < available.top()) outerBounds.moveTop(available.top());
    }

    m_placedBounds = outerBounds;
    m_placedClient = outerBounds.marginsRemoved(normalFrameMargins());
    m_window.setGeometry(m_placedClient);
}

QRect WindowPlacement::outerBounds() const
{
    const QRect client = m_window.isMaximized() ? m_window.normalGeometry() : m_window.geometry();
    if (client == m_placedClient) return m_placedBounds;
    return client.marginsAdded(normalFrameMargins());
}

// Failing a window manager that states it, the frame as Qt knows it.
QMargins WindowPlacement::normalFrameMargins() const
{
    if (!m_normalFrame)
        if (const std::optional<FrameExtents> frame = m_frame.extents(m_window.winId(), true))
            m_normalFrame = QMargins(frame->left, frame->top, frame->right, frame->bottom);
    if (m_normalFrame) return *m_normalFrame;
    const QRect frame = m_window.frameGeometry();
    const QRect client = m_window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

} // namespace verbalia
