#!/usr/bin/env bash
# The window's placement round-trips through the settings file under a window
# manager on a busy machine: five starts, each closed through the window
# manager at a random moment 0.3 to 1 s after the window comes on screen,
# store the same outer bounds, those of a fresh start. A stored top above the
# screen keeps the window's client area (its menu) on the screen.
set -euo pipefail
program=$1
closer=$2

. "$(dirname "$0")/x_server.sh" "$program"
openbox --sm-disable >/dev/null 2>&1 &
started_pids+=($!)
"$closer" --await-window-manager 20

# Two CPU-bound processes beside the program.
for _ in 1 2; do
    sh -c 'while :; do :; done' &
    started_pids+=($!)
done

bounds() { grep -E '^window_(top_posn|left_posn|Width|Height)=' "$folder/verbalia.ini" | tr -d '\r' | tr '\n' ' '; }

# Starts the program, closes it through the window manager after the given
# milliseconds on screen and waits for it to end; prints what the closer printed.
run() {
    QT_QPA_PLATFORM=xcb "$folder/verbalia" 2>/dev/null &
    local program_pid=$!
    "$closer" "Verbalia - v1.4f" 30 --shown-for "$1" --through-window-manager "${@:2}"
    await_exit "$program_pid"
}

expected="window_top_posn=5 window_left_posn=5 window_Width=620 window_Height=508 "
for start in 1 2 3 4 5; do
    shown=$((300 + RANDOM % 701))
    run "$shown" >/dev/null
    stored=$(bounds)
    echo "start $start, closed after $shown ms: $stored"
    [ "$stored" = "$expected" ] || { echo "the placement changed"; exit 1; }
done

printf '[verbalia]\r\nwindow_top_posn=-300\r\n' >"$folder/verbalia.ini"
read -r client_left client_top _ < <(run 500 --print-client-area | tail -n 1)
echo "stored top -300: client area at $client_left, $client_top; stored $(bounds)"
[ "$client_top" -ge 0 ] || { echo "the menu is above the screen"; exit 1; }
echo "placement kept"
