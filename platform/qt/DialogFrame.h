#pragma once

class QDialog;

namespace verbalia {

// The buttons a dialog's title bar offers.
enum class TitleButtons { Close, None };

// Frames a dialog as a dialog, without minimise or maximise (and with
// TitleButtons::None, a title bar alone), in the hints a window manager reads.
// Some managers still let the user minimise it (openbox keeps minimise on
// every dialog with a title bar); that would hide the dialog together with the
// window it belongs to and leave nothing on screen to bring them back, so a
// minimised dialog is shown again at once, with its window.
void frameAsDialog(QDialog& dialog, TitleButtons buttons);

} // namespace verbalia
