#!/usr/bin/env bash
# Under a window manager the about box asks for a title bar alone and belongs
# to the main window; a link that no program opens brings an error box. Each
# of the two comes back with the main window when the manager minimises it
# anyway, so they never vanish from the screen together.
set -euo pipefail
program=$1

. "$(dirname "$0")/x_server.sh" "$program"
start_window_manager
start_program_window

state() { xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'; }
# Minimises window $1 (called $2) and fails unless it and the main window come back.
minimise_and_expect_back() {
    xdotool windowminimize "$1"
    for _ in $(seq 50); do
        [ "$(state "$1")" = Normal ] && [ "$(state "$window")" = Normal ] && break
        sleep 0.1
    done
    echo "$2 after minimising: $(state "$1"), main window $(state "$window")"
    [ "$(state "$1")" = Normal ] && [ "$(state "$window")" = Normal ] || { echo "left minimised"; exit 1; }
}

about=$(choose_entry_opening alt+h a "About Verbalia") || true
[ -n "$about" ] || { echo "the about box did not open"; exit 1; }

hints=$(xprop -id "$about" _MOTIF_WM_HINTS)
echo "$hints"
[ "$hints" = "_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = 0x3, 0x4, 0xa, 0x0, 0x0" ] || { echo "not a title bar alone"; exit 1; }
xprop -id "$about" WM_TRANSIENT_FOR | grep -q "window id" || { echo "not transient for the main window"; exit 1; }
minimise_and_expect_back "$about" "about box"

# No browser answers here: the donation picture's address brings an error box.
xdotool mousemove --window "$about" 584 224 click 1
error=$(framed_window Error) || { echo "no error box for an address that no program opens"; exit 1; }
minimise_and_expect_back "$error" "error box"
echo "the about box and its error box keep their frames and stay on screen"
