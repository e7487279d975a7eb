# Sourced by the smoke tests with the program as $1: a fresh program folder
# holding a copy of the program, an X server of its own on DISPLAY, and a
# configuration folder of its own (so no autostart entry of the user's asks a
# question). When the test ends, every process listed in started_pids is
# ended and waited for (the program writes its settings as it closes), then
# the folder goes.
folder=$(mktemp -d)
started_pids=()
trap 'kill "${started_pids[@]}" 2>/dev/null || true; wait "${started_pids[@]}" 2>/dev/null || true; rm -rf "$folder"' EXIT
cp "$1" "$folder/verbalia"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$folder/display" 2>/dev/null &
started_pids+=($!)
for _ in $(seq 50); do [ -s "$folder/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$folder/display")" XDG_CONFIG_HOME="$folder/config"

# Gives the program 10 s to end after its window was asked to close; fails
# the test when it does not.
await_exit() {
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$1" 2>/dev/null; then
        kill "$1"
        echo "the program did not close" >&2
        exit 1
    fi
    wait "$1"
}

# Starts openbox and waits until it manages windows: a program started before
# the window manager is ready waits long for its frame.
start_window_manager() {
    openbox >/dev/null 2>&1 &
    started_pids+=($!)
    for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
}

# Starts the program and waits for its framed main window: sets program_pid
# and window.
start_program_window() {
    QT_QPA_PLATFORM=xcb "$folder/verbalia" 2>/dev/null &
    program_pid=$!
    started_pids+=($program_pid)
    window=
    for _ in $(seq 600); do
        window=$(xdotool search --pid "$program_pid" --name '^Verbalia - v1.4f - ' 2>/dev/null | head -1) || true
        [ -n "$window" ] && xprop -id "$window" _NET_FRAME_EXTENTS | grep -q = && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "no window appeared"; exit 1; }
}

# Prints the program's framed window whose title begins with $1, waiting up to 10 s.
framed_window() {
    for _ in $(seq 100); do
        for id in $(xdotool search --pid "$program_pid" --name "^$1" 2>/dev/null); do
            xprop -id "$id" WM_NAME | grep -q "= \"$1" && xprop -id "$id" _NET_FRAME_EXTENTS | grep -q = &&
                { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}
# Chooses a menu entry by its keys (alt+f, then r) and prints the window the
# choice opens, found by the start of its title. On a busy machine the menu may
# open too late for the entry's key, so the choice is tried again after a while,
# with the menu closed first.
choose_entry_opening() {
    local opened
    for _ in 1 2 3; do
        xdotool windowactivate --sync "$window" 2>/dev/null
        xdotool key "$1"
        sleep 1
        xdotool key "$2"
        opened=$(framed_window "$3") && { echo "$opened"; return 0; }
        xdotool key Escape Escape
    done
    return 1
}
