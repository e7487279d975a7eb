// Keyboard and screen-reader use of the window: the Tab order of each page,
// the keys that switch pages, Return on a focused button, colours that read
// well, and the outcome a screen reader hears when focus comes back after a
// run or a refusal.

#include "MainForm.h"

#include "app/core/ReadableColours.h"
#include "WorkAreaEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include <utility>

namespace verbalia {
namespace {

Rgb rgbOf(const QColor& colour) { return {colour.red(), colour.green(), colour.blue()}; }

QColor readableColour(const QColor& colour, const QColor& other)
{
    const Rgb readable = readableAgainst(rgbOf(colour), rgbOf(other));
    return QColor(readable.red, readable.green, readable.blue);
}

// Selected rows and highlighted menu entries: the highlight moved away from
// its text until the text reads well on it.
QPalette withReadableHighlight(QPalette palette)
{
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Highlight,
                         readableColour(palette.color(group, QPalette::Highlight),
                                        palette.color(group, QPalette::HighlightedText)));
    return palette;
}

} // namespace

void TMainForm1::setUpKeyboardAccess()
{
    // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp switch pages
    // wherever the focus is, not only inside the page control.
    const std::pair<QList<QKeySequence>, int> pageKeys[] = {
        {{QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1},
        {{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
          QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
         -1},
    };
    for (const auto& [keys, step] : pageKeys) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { switchPage(step); });
    }

    // Escape halts a run: the shortcut belongs to the halt button and works
    // only while that is enabled.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), Halt_Processing_BitBtn), &QShortcut::activated,
            Halt_Processing_BitBtn, &QPushButton::click);

    // Return presses a focused button, as Space does.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);

    const QPalette readable = withReadableHighlight(palette());
    setPalette(readable);
    for (QMenu* menu : findChildren<QMenu*>()) menu->setPalette(readable);
}

// Next or previous page, round the end; the lock keeps the page during a run.
void TMainForm1::switchPage(int step)
{
    if (!PageControl1->tabBar()->isEnabled()) return;
    const int count = PageControl1->count();
    const int current = activePageIndex();
    const int next = current < 0 ? (step > 0 ? 0 : count - 1) : (current + step + count) % count;
    const bool changes = next != PageControl1->currentIndex();
    // Focus inside the outgoing page goes straight to the incoming page's
    // first control, not through the shared ones as the page hides.
    QWidget* const focus = QApplication::focusWidget();
    const bool focusInPage = focus && PageControl1->currentWidget()->isAncestorOf(focus);
    if (focusInPage) focus->clearFocus();
    selectPage(next);
    if (!changes) PageControl1Change();
    if (focusInPage) tabOrder(next)[1]->setFocus();
}

// The page's controls as they stand on screen, top to bottom and left to
// right, with the shared ones in their places. Controls of the other pages
// are hidden and drop out of the chain by themselves.
std::vector<QWidget*> TMainForm1::tabOrder(int page) const
{
    std::vector<QWidget*> order{PageControl1->tabBar()};
    const auto append = [&order](std::initializer_list<QWidget*> controls) {
        order.insert(order.end(), controls);
    };
    if (page == maintenancePage) {
        append({Known_Words_MemoEx, Copy_Word_List_To_Clipboard_BitBtn, Reset_Word_List_BitBtn, Save_Word_List_BitBtn,
                Load_Word_List_BitBtn, Ignore_Words_With_Numbers_CheckBox, Ignore_All_Non_Alphanumeric_Chars_CheckBox,
                Temp_Work_Area_Paste_MemoEx, Temp_Work_Area_Reset_BitBtn, Temp_Work_Area_Paste_BitBtn,
                Temp_Work_Area_Load_From_File_BitBtn, Add_Unique_Words_BitBtn});
    } else {
        const SearchPage* search = page >= 0 ? &m_searchPages[std::size_t(page)] : nullptr;
        if (search) {
            append({search->criteria, search->reset});
            for (QRadioButton* mode : search->sheet->findChildren<QRadioButton*>()) order.push_back(mode);
        }
        append({Lower_Length_SpinEdit, Upper_Length_SpinEdit, Excluded_Letters_Edit, Reset_Excluded_Letters_Edit_BitBtn});
        if (search) append({search->run, search->copy, search->results});
    }
    append({Halt_Processing_BitBtn, Exit_BitBtn});
    return order;
}

void TMainForm1::orderTabs()
{
    const std::vector<QWidget*> order = tabOrder(activePageIndex());
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

// An input out of use: the button-face background, its text still legible.
QPalette TMainForm1::outOfUsePalette(QPalette palette)
{
    const QColor face = palette.color(QPalette::Inactive, QPalette::Mid);
    palette.setColor(QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     readableColour(palette.color(QPalette::Disabled, QPalette::Text), face));
    return palette;
}

// A screen reader reads a control's description with it when focus arrives:
// the criteria box carries the outcome of the page's last run or refusal,
// set just before the focus returns to it.
void TMainForm1::tellOutcome(QComboBox* criteria, const QString& outcome)
{
    criteria->setAccessibleDescription(outcome.trimmed());
}

} // namespace verbalia
