#pragma once

// The about box's pictures: drawings of the project's own (about.qrc),
// rendered at the size of the control that shows them, and the labels that
// show them and answer a click.

#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include <vector>

namespace verbalia {

// A label that reports a click of the left mouse button.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A picture that plays its frames in a loop while it is started.
class AnimatedPicture final : public ClickLabel {
    Q_OBJECT

public:
    AnimatedPicture(std::vector<QPixmap> frames, int frameMilliseconds, QWidget* parent);

    void start();
    void stop();
    bool isRunning() const { return m_timer.isActive(); }
    int frameCount() const { return int(m_frames.size()); }
    int currentFrame() const { return m_frame; }
    int frameMilliseconds() const { return m_timer.interval(); }

public slots:
    void showNextFrame();

private:
    std::vector<QPixmap> m_frames;
    int m_frame = 0;
    QTimer m_timer;
};

// The drawing at the resource path, rendered to fill the size.
QPixmap renderPicture(const QString& path, QSize size);

// The logo's frames: its lit lamp goes once round the ring of eight.
std::vector<QPixmap> logoFrames(QSize size);

} // namespace verbalia
