#include "AboutPictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace verbalia {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

AnimatedPicture::AnimatedPicture(std::vector<QPixmap> frames, int frameMilliseconds, QWidget* parent)
    : ClickLabel(parent)
    , m_frames(std::move(frames))
{
    m_timer.setInterval(frameMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &AnimatedPicture::showNextFrame);
    if (!m_frames.empty()) setPixmap(m_frames.front());
}

void AnimatedPicture::start() { m_timer.start(); }

void AnimatedPicture::stop() { m_timer.stop(); }

void AnimatedPicture::showNextFrame()
{
    if (m_frames.empty()) return;
    m_frame = (m_frame + 1) % frameCount();
    setPixmap(m_frames[std::size_t(m_frame)]);
}

namespace {

void paintDrawing(QPainter& painter, const QString& path, QSize size)
{
    QSvgRenderer drawing(path);
    drawing.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
}

QPixmap blankPixmap(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap renderPicture(const QString& path, QSize size)
{
    QPixmap pixmap = blankPixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintDrawing(painter, path, size);
    return pixmap;
}

std::vector<QPixmap> logoFrames(QSize size)
{
    constexpr int lamps = 8;
    const QPixmap logo = renderPicture(QStringLiteral(":/about/logo.svg"), size);
    std::vector<QPixmap> frames;
    for (int frame = 0; frame < lamps; ++frame) {
        QPixmap pixmap = logo;
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(size.width() / 2.0, size.height() / 2.0);
        painter.rotate(360.0 / lamps * frame);
        painter.translate(-size.width() / 2.0, -size.height() / 2.0);
        paintDrawing(painter, QStringLiteral(":/about/logo-lamp.svg"), size);
        painter.end();
        frames.push_back(pixmap);
    }
    return frames;
}

} // namespace verbalia
