#pragma once

// The window's kinds of control, each made at its design bounds under its
// system name (objectName), as the shell and its pages make them.

#include <QColor>
#include <QModelIndex>
#include <QString>
#include <QStyle>

#include <functional>
#include <initializer_list>
#include <string>

class QAbstractItemView;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace verbalia {

class Clipboard;

inline const QString bodyFontFamily = QStringLiteral("Times New Roman");
inline const QString fixedFontFamily = QStringLiteral("Courier New");

template <class Widget>
Widget* place(Widget* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

template <class Widget>
Widget* make(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    return place(new Widget(parent), name, left, top, width, height);
}

// A one-line label grows to fit its caption, as it was sized to at design.
QLabel* label(QWidget* parent, const char* name, int left, int top, int width, int height, const char* caption);
QGroupBox* groupBox(QWidget* parent, const char* name, int left, int top, int width, int height, const char* caption);
// A picture button: a small picture beside its caption, 12 pt unless stated.
QPushButton* pictureButton(QWidget* parent, const char* name, int left, int top, int width, int height,
                           const char* caption, QStyle::StandardPixmap picture, int points = 12);
// The column of 200 x 27 picture buttons under a list of the maintenance
// page, from the top down, each made into the pointer it names.
struct ColumnButton {
    QPushButton*& button;
    const char* name;
    const char* caption;
    QStyle::StandardPixmap picture;
};
void buttonColumn(QWidget* parent, int left, std::initializer_list<ColumnButton> buttons);
// The small captionless button that empties the box beside it.
QPushButton* resetButton(QWidget* parent, const char* name, int left, int top, const char* hint);
// A one-line box: of text pasted or dropped into it, only the first line stays.
void keepToOneLine(QLineEdit* edit);
// An editable drop-down box whose list is its search history.
QComboBox* criteriaBox(QWidget* parent, const char* name, int left, int top, int width, int height);
// A length limit, changed by its arrows only.
QSpinBox* lengthSpinBox(QWidget* parent, const char* name, int left, int top, int value);
// A line view in the fixed-pitch font: results and the known word list.
QListView* lineView(QWidget* parent, const char* name, int left, int top, int width, int height);
QRadioButton* radioButton(QWidget* parent, const char* name, int top, const char* caption);
QCheckBox* hiddenCheckBox(QWidget* parent, const char* name, int left, int top, int width, int height);
QLabel* hintLine(QWidget* parent, const char* name, int top, int height, const char* text);
// A status label keeps its design width and wraps a long count onto a second line.
QLabel* statusLabel(QWidget* parent, const char* name);
// An input without a caption of its own is named by its label.
void nameByLabel(QWidget* input, QLabel* caption);
QProgressBar* progressBar(QWidget* parent, const char* name, int left, int top, int width, int height,
                          Qt::Orientation orientation);

// The colour moved away from the other until text in one reads well on the other.
QColor readableColour(const QColor& colour, const QColor& other);
// Selected rows and highlighted menu entries of the window and its menus:
// the highlight moved away from its text until the text reads well on it.
void useReadableHighlight(QWidget& window);

// The lines of a view (results, known words) on the clipboard: all of them
// (then the selection is cleared), or with Ctrl+C and the view's context
// menu the selected ones, in list order.
void Copy_View_To_Clipboard(QListView* view, Clipboard& clipboard);
void addCopySelectionCommand(QListView* view, Clipboard& clipboard);
// The view's context menu and Ctrl+D hand `define` the line of the current
// row (with none, of the first selected row); with neither, the entry is disabled.
void addDefinitionCommand(QListView* view, std::function<void(const std::string&)> define);
// The row a command on "this line" acts on: the current row, or with none the
// first selected row in list order.
QModelIndex rowActedOn(const QAbstractItemView* view);

} // namespace verbalia
