#!/usr/bin/env bash
# The window's placement round-trips through the settings file under a window
# manager on a busy machine: five starts, each closed through the window
# manager at a random moment 0.3 to 1 s after the window comes on screen,
# store the same outer bounds, those of a fresh start. A stored top above the
# screen keeps the window's client area (its menu) on the screen. Restore
# Factory Defaults from a maximised window puts the frame on the factory
# bounds, as from a normal one.
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

rm "$folder/verbalia.ini"
start_program_window
outer_bounds() {
    local left right top bottom
    read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    xwininfo -id "$window" | awk -v l="$left" -v r="$right" -v t="$top" -v b="$bottom" '
        /Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 }
        END { printf "%d,%d %dx%d\n", x - l, y - t, w + l + r, h + t + b }'
}
maximised() { xprop -id "$window" _NET_WM_STATE | grep -q MAXIMIZED_VERT; }
# Asked again each second: a program still starting (as under the sanitizers)
# may place its window after the first request.
for attempt in $(seq 50); do
    maximised && break
    [ $((attempt % 10)) = 1 ] && wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
    sleep 0.1
done
maximised || { echo "the window was not maximised"; exit 1; }
asked=$(choose_entry_opening alt+f r Warning) || true
[ -n "$asked" ] || { echo "Restore Factory Defaults did not ask"; exit 1; }
xdotool windowactivate --sync "$asked" key Return
for _ in $(seq 50); do [ "$(outer_bounds)" = "5,5 620x508" ] && break; sleep 0.1; done
echo "factory defaults from a maximised window: frame at $(outer_bounds)"
[ "$(outer_bounds)" = "5,5 620x508" ] || { echo "not at the factory bounds"; exit 1; }
"$closer" "Verbalia - v1.4f" 10 --through-window-manager >/dev/null
await_exit "$program_pid"
[ "$(bounds)" = "$expected" ] || { echo "stored $(bounds)"; exit 1; }
echo "placement kept"
