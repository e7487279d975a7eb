#pragma once

#include "app/core/LayoutBaseline.h"

#include <QSize>

#include <vector>

class QListWidget;
class QMainWindow;
class QWidget;

namespace verbalia {

// The window's proportional rescaling: the layout baseline, taken once per
// process (and shown as lines in a hidden list), and every control and font
// recomputed from it whenever the client area changes size.
class WindowScaling {
public:
    WindowScaling(QMainWindow& window, QListWidget& baselineLines);

    // The design client size and the design geometry of each component.
    void capture(int clientWidth, int clientHeight);

    // Places every control for the present client size; false when there is
    // no baseline to scale from.
    bool scale();

private:
    struct Design {
        QWidget* control;
        ControlGeometry geometry;
    };

    QMainWindow& m_window;
    QListWidget& m_baselineLines; // one line per component in creation order, after the client size
    QSize m_designClient;         // empty until the baseline is taken
    std::vector<Design> m_design; // of the components with a place on the screen
};

} // namespace verbalia
