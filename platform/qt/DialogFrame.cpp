#include "DialogFrame.h"

#include "Xcb.h"

#include <QDialog>
#include <QEvent>
#include <QTimer>

#include <array>

namespace verbalia {
namespace {

// The Motif window-manager hints: flags, functions, decorations, input mode,
// status.
constexpr std::uint32_t hintFunctions = 1, hintDecorations = 2;
constexpr std::uint32_t functionMove = 4;
constexpr std::uint32_t decorationBorder = 2, decorationTitle = 8;

// Qt writes no decorations for a title bar without buttons, which leaves the
// manager's default frame; this asks for the title and border alone.
void askForTitleAlone(QDialog& dialog)
{
    xcb_connection_t* connection = xcb::connection();
    if (!connection) return;
    const xcb_atom_t hints = xcb::atom(connection, "_MOTIF_WM_HINTS");
    const std::array<std::uint32_t, 5> value{hintFunctions | hintDecorations, functionMove,
                                             decorationBorder | decorationTitle, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(dialog.winId()), hints, hints, 32,
                        value.size(), value.data());
    xcb_flush(connection);
}

class DialogFrameKeeper final : public QObject {
public:
    DialogFrameKeeper(QDialog& dialog, TitleButtons buttons) : QObject(&dialog), m_dialog(dialog), m_buttons(buttons)
    {
        dialog.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        // A show event comes before the window is mapped, when the manager
        // reads the hints.
        if (event->type() == QEvent::Show && m_buttons == TitleButtons::None) askForTitleAlone(m_dialog);
        if (event->type() == QEvent::WindowStateChange && m_dialog.isMinimized())
            QTimer::singleShot(0, &m_dialog, [this] { showAgain(); });
        return false;
    }

private:
    void showAgain()
    {
        if (QWidget* owner = m_dialog.parentWidget(); owner && owner->window()->isMinimized())
            owner->window()->showNormal();
        if (m_dialog.isMinimized()) m_dialog.showNormal();
        m_dialog.activateWindow();
    }

    QDialog& m_dialog;
    TitleButtons m_buttons;
};

} // namespace

void frameAsDialog(QDialog& dialog, TitleButtons buttons)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (buttons == TitleButtons::Close) flags |= Qt::WindowCloseButtonHint;
    dialog.setWindowFlags(flags);
    new DialogFrameKeeper(dialog, buttons);
}

} // namespace verbalia
