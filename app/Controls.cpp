#include "Controls.h"

#include "LineListModel.h"
#include "app/core/ReadableColours.h"
#include "platform/Clipboard.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSpinBox>
#include <QValidator>

#include <algorithm>
#include <climits>

namespace verbalia {
namespace {

// Keeps a one-line box to one line: of text pasted or dropped into it, what
// follows the first line break is left out, as a one-line edit box does.
class OneLineValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& text, int& cursor) const override
    {
        static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n]"));
        const qsizetype firstBreak = text.indexOf(lineBreak);
        if (firstBreak < 0) return Acceptable;
        // The insertion ends at the cursor; its first line ends at the break.
        text.remove(firstBreak, std::max<qsizetype>(cursor, firstBreak + 1) - firstBreak);
        text.remove(lineBreak);
        cursor = int(firstBreak);
        return Acceptable;
    }
};

// A list view that shows it has the focus even with no row to mark: an
// empty list, or one without a current row, draws a frame in the highlight.
class FocusFramedListView : public QListView {
public:
    using QListView::QListView;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QListView::paintEvent(event);
        if (!hasFocus() || currentIndex().isValid()) return;
        QPainter painter(viewport());
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(viewport()->rect().adjusted(1, 1, -1, -1));
    }
    void focusInEvent(QFocusEvent* event) override
    {
        QListView::focusInEvent(event);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QListView::focusOutEvent(event);
        viewport()->update();
    }
};

LineListModel* modelOf(QListView* view) { return static_cast<LineListModel*>(view->model()); }

} // namespace

QModelIndex rowActedOn(const QAbstractItemView* view)
{
    if (view->currentIndex().isValid()) return view->currentIndex();
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    const auto first = std::min_element(rows.begin(), rows.end(),
                                        [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    return first == rows.end() ? QModelIndex() : *first;
}

// A one-line label grows to fit its caption, as it was sized to at design.
QLabel* label(QWidget* parent, const char* name, int left, int top, int width, int height, const char* caption)
{
    auto* result = make<QLabel>(parent, name, left, top, width, height);
    result->setText(QString::fromLatin1(caption));
    result->resize(std::max(width, result->sizeHint().width()), height);
    return result;
}

QGroupBox* groupBox(QWidget* parent, const char* name, int left, int top, int width, int height, const char* caption)
{
    auto* result = make<QGroupBox>(parent, name, left, top, width, height);
    result->setTitle(QString::fromLatin1(caption));
    return result;
}

// A picture button: a small picture beside its caption, 12 pt unless stated.
QPushButton* pictureButton(QWidget* parent, const char* name, int left, int top, int width, int height,
                           const char* caption, QStyle::StandardPixmap picture, int points)
{
    auto* button = make<QPushButton>(parent, name, left, top, width, height);
    button->setText(QString::fromLatin1(caption));
    button->setIcon(parent->style()->standardIcon(picture));
    button->setFont(QFont(bodyFontFamily, points));
    return button;
}

void buttonColumn(QWidget* parent, int left, std::initializer_list<ColumnButton> buttons)
{
    int top = 252;
    for (const ColumnButton& column : buttons) {
        column.button = pictureButton(parent, column.name, left, top, 200, 27, column.caption, column.picture);
        top += 28;
    }
}

// The small captionless button that empties the box beside it.
QPushButton* resetButton(QWidget* parent, const char* name, int left, int top, const char* hint)
{
    auto* button = make<QPushButton>(parent, name, left, top, 29, 27);
    button->setIcon(parent->style()->standardIcon(QStyle::SP_LineEditClearButton));
    button->setToolTip(QString::fromLatin1(hint));
    button->setAccessibleName(QString::fromLatin1(hint));
    return button;
}

// An editable drop-down box whose list is its search history: Enter runs the
// search and does not add the text to the list by itself. The text is what
// the user typed: no completion from the list, which Enter would take.
QComboBox* criteriaBox(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* box = make<QComboBox>(parent, name, left, top, width, height);
    box->setEditable(true);
    box->setCompleter(nullptr);
    box->setValidator(new OneLineValidator(box));
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxCount(INT_MAX);
    box->setEditText(QString::fromLatin1(name));
    return box;
}

// A length limit, changed by its arrows only.
QSpinBox* lengthSpinBox(QWidget* parent, const char* name, int left, int top, int value)
{
    auto* spin = make<QSpinBox>(parent, name, left, top, 45, 27);
    spin->setRange(1, 50);
    spin->setValue(value);
    spin->setFont(QFont(fixedFontFamily, 11));
    if (auto* edit = spin->findChild<QLineEdit*>()) edit->setReadOnly(true);
    return spin;
}

// A line view in the fixed-pitch font: results and the known word list.
QListView* lineView(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* view = make<FocusFramedListView>(parent, name, left, top, width, height);
    view->setFont(QFont(fixedFontFamily, 10));
    view->setUniformItemSizes(true);
    view->setWordWrap(false);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A new font (the window rescaled) or new lines make the view place every
    // line again; on a 663k-line list that takes some 40 ms, so it is done in
    // steps between events and a live resize stays smooth.
    view->setLayoutMode(QListView::Batched);
    view->setBatchSize(4000);
    // Shift+F10 opens the context menu at the current row, as the menu key
    // does (the window system makes that key a context menu request; Qt does
    // nothing with Shift+F10).
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), view);
    menuKey->setContext(Qt::WidgetShortcut);
    QObject::connect(menuKey, &QShortcut::activated, view, [view] {
        const QPoint at = view->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, at, view->mapToGlobal(at));
        QCoreApplication::sendEvent(view, &request);
    });
    return view;
}

QRadioButton* radioButton(QWidget* parent, const char* name, int top, const char* caption)
{
    auto* button = make<QRadioButton>(parent, name, 10, top, 570, 20);
    button->setText(QString::fromLatin1(caption));
    return button;
}

QCheckBox* hiddenCheckBox(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* box = make<QCheckBox>(parent, name, left, top, width, height);
    box->hide();
    return box;
}

QLabel* hintLine(QWidget* parent, const char* name, int top, int height, const char* text)
{
    auto* line = make<QLabel>(parent, name, 7, top, 574, height);
    line->setText(QString::fromLatin1(text));
    line->setFont(QFont(bodyFontFamily, 10));
    line->setWordWrap(true);
    return line;
}

// A status label keeps its design width and wraps a long count onto a second line.
QLabel* statusLabel(QWidget* parent, const char* name)
{
    auto* status = make<QLabel>(parent, name, 388, 350, 200, 20);
    status->setText(QString::fromLatin1(name));
    status->setWordWrap(true);
    return status;
}

// An input without a caption of its own is named by its label.
void nameByLabel(QWidget* input, QLabel* caption)
{
    caption->setBuddy(input);
    input->setAccessibleName(caption->text());
}

QProgressBar* progressBar(QWidget* parent, const char* name, int left, int top, int width, int height,
                          Qt::Orientation orientation)
{
    auto* bar = make<QProgressBar>(parent, name, left, top, width, height);
    bar->setOrientation(orientation);
    bar->setRange(0, 100);
    bar->setTextVisible(false);
    bar->hide();
    return bar;
}

QColor readableColour(const QColor& colour, const QColor& other)
{
    const Rgb readable = readableAgainst({colour.red(), colour.green(), colour.blue()},
                                         {other.red(), other.green(), other.blue()});
    return QColor(readable.red, readable.green, readable.blue);
}

void useReadableHighlight(QWidget& window)
{
    QPalette palette = window.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Highlight,
                         readableColour(palette.color(group, QPalette::Highlight),
                                        palette.color(group, QPalette::HighlightedText)));
    window.setPalette(palette);
    for (QMenu* menu : window.findChildren<QMenu*>()) menu->setPalette(palette);
}

void keepToOneLine(QLineEdit* edit) { edit->setValidator(new OneLineValidator(edit)); }

void Copy_View_To_Clipboard(QListView* view, Clipboard& clipboard)
{
    const LineListModel* model = modelOf(view);
    if (model->rowCount() == 0) return;
    clipboard.setText(model->text());
    view->clearSelection();
}

void addCopySelectionCommand(QListView* view, Clipboard& clipboard)
{
    auto* copy = new QAction(QStringLiteral("&Copy"), view);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    view->addAction(copy);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(copy, &QAction::triggered, view, [view, &clipboard] {
        const QModelIndexList rows = view->selectionModel()->selectedRows();
        if (!rows.isEmpty()) clipboard.setText(modelOf(view)->text(rows));
    });
}

void addDefinitionCommand(QListView* view, std::function<void(const std::string&)> define)
{
    auto* definition = new QAction(QStringLiteral("&Definition"), view);
    definition->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    definition->setShortcutContext(Qt::WidgetShortcut);
    view->addAction(definition);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(definition, &QAction::triggered, view, [view, define = std::move(define)] {
        const QModelIndex row = rowActedOn(view);
        if (row.isValid()) define(modelOf(view)->text({row}));
    });
    // A new list (a model reset) leaves no current row and says nothing of it
    // through the selection model.
    const auto updateEnabled = [view, definition] { definition->setEnabled(rowActedOn(view).isValid()); };
    QItemSelectionModel* selection = view->selectionModel();
    QObject::connect(selection, &QItemSelectionModel::currentChanged, definition, updateEnabled);
    QObject::connect(selection, &QItemSelectionModel::selectionChanged, definition, updateEnabled);
    QObject::connect(view->model(), &QAbstractItemModel::modelReset, definition, updateEnabled);
    updateEnabled();
}

} // namespace verbalia
