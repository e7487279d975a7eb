// The window's proportional rescaling: the layout baseline taken once at
// start-up, and every control and font recomputed from it whenever the
// client area changes size.

#include "WindowScaling.h"

#include "app/core/LayoutBaseline.h"
#include "platform/qt/QtText.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

#include <algorithm>

namespace verbalia {
namespace {

bool isComponent(const QObject* object)
{
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// The components in a container, in the order they were made: each named
// control, a container before what it holds, the pages of a page control in
// the order of their tabs, a menu's entries in menu order. The inner parts of
// a control (a combo box's edit field, the tab bar's arrows) are not
// components, nor is a window of its own such as the about box, which
// belongs to the application.
void collectComponents(const QObject* container, std::vector<QObject*>& components)
{
    const auto add = [&components](QObject* component) {
        if (isComponent(component)) components.push_back(component);
        collectComponents(component, components);
    };
    if (const auto* pages = qobject_cast<const QTabWidget*>(container)) {
        for (int i = 0; i < pages->count(); ++i) add(pages->widget(i));
        return;
    }
    if (qobject_cast<const QMenuBar*>(container) || qobject_cast<const QMenu*>(container)) {
        for (QAction* entry : static_cast<const QWidget*>(container)->actions()) {
            if (QMenu* menu = entry->menu())
                add(menu);
            else if (isComponent(entry))
                components.push_back(entry);
        }
        return;
    }
    const bool holdsControls =
        container->inherits("QGroupBox") || container->metaObject() == &QWidget::staticMetaObject;
    if (!holdsControls) return;
    for (QObject* child : container->children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget && !widget->isWindow()) add(child);
    }
}

// A control with a place on the screen: the menu bar, its menus and entries
// and anything that is not a widget have none.
QWidget* placedControl(QObject* component)
{
    auto* widget = qobject_cast<QWidget*>(component);
    if (!widget || qobject_cast<QMenuBar*>(widget) || qobject_cast<QMenu*>(widget)) return nullptr;
    return widget;
}

// A page of the page control is placed by its container; only its font follows the baseline.
bool placedByItsContainer(const QWidget* control)
{
    const QWidget* container = control->parentWidget();
    return container && container->layout() && container->layout()->indexOf(control) >= 0;
}

} // namespace

WindowScaling::WindowScaling(QMainWindow& window, QListWidget& baselineLines)
    : m_window(window)
    , m_baselineLines(baselineLines)
{
}

void WindowScaling::capture(int clientWidth, int clientHeight)
{
    if (!m_designClient.isEmpty()) return;
    // The controls of the client area, then the menu.
    std::vector<QObject*> components;
    collectComponents(m_window.centralWidget(), components);
    components.push_back(m_window.menuBar());
    collectComponents(m_window.menuBar(), components);
    m_designClient = QSize(clientWidth, clientHeight);
    QStringList lines{toQString(baselineHeader(clientWidth, clientHeight))};
    for (QObject* component : components) {
        QWidget* control = placedControl(component);
        if (!control) {
            lines.append(toQString(placelessLine));
            continue;
        }
        const ControlGeometry geometry{control->x(), control->width(), control->y(), control->height(),
                                       control->font().pointSize()};
        m_design.push_back({control, geometry});
        lines.append(toQString(baselineLine(geometry, fromQString(control->objectName()))));
    }
    m_baselineLines.addItems(lines);
}

bool WindowScaling::scale()
{
    const QSize client = m_window.centralWidget()->size();
    const std::optional<ScaleFactors> factors =
        scaleFactors(m_designClient.width(), m_designClient.height(), client.width(), client.height());
    if (!factors) return false;
    for (const auto& [control, design] : m_design) {
        const ControlGeometry now = scaled(design, *factors);
        if (!placedByItsContainer(control)) control->setGeometry(now.left, now.top, now.width, now.height);
        // Qt has no font of 0 points: a window shrunk that far shows its text at 1 point.
        const int points = std::max(now.fontSize, 1);
        if (design.fontSize > 0 && control->font().pointSize() != points) {
            QFont font = control->font();
            font.setPointSize(points);
            control->setFont(font);
        }
        // A one-line label keeps its whole caption, as it was sized to at
        // design: a count longer than the design width stays readable.
        if (auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap())
            label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    }
    return true;
}

} // namespace verbalia
