#pragma once

#include <QObject>

#include <vector>

class QListWidget;
class QMainWindow;

namespace verbalia {

// The window's proportional rescaling: the layout baseline, taken once per
// process into a hidden list, and every control and font recomputed from it
// whenever the client area changes size.
class WindowScaling {
public:
    WindowScaling(QMainWindow& window, QListWidget& baseline);

    // The design client size, then one line per component in creation order.
    void capture(int clientWidth, int clientHeight);

    // Places every control for the present client size; false when there is
    // no baseline to scale from.
    bool scale();

private:
    QMainWindow& m_window;
    QListWidget& m_baseline;
    std::vector<QObject*> m_components; // in the order of the baseline
};

} // namespace verbalia
