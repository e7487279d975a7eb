#!/usr/bin/env bash
# A second start on a program folder hands over to the window running from
# it and ends at once with exit 0, showing nothing; a socket left by a killed
# window is taken over by the next one; a window that does not answer gets
# the "already running" message (which, offscreen, waits for ever).
set -euo pipefail
program=$1

folder=$(mktemp -d)
started_pids=()
trap 'kill -CONT "${started_pids[@]}" 2>/dev/null || true; kill "${started_pids[@]}" 2>/dev/null || true; rm -rf "$folder"' EXIT
cp "$program" "$folder/verbalia"
mkdir -m 700 "$folder/run"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$folder/run" XDG_CONFIG_HOME="$folder/config" \
    XDG_STATE_HOME="$folder/state"

# Starts a window and waits until it listens (a socket file alone may be a
# killed window's: the system lists only sockets bound by a live process).
start_window() {
    "$folder/verbalia" >/dev/null 2>&1 &
    window_pid=$!
    started_pids+=("$window_pid")
    for _ in $(seq 300); do
        grep -q " $folder/run/" /proc/net/unix && return 0
        sleep 0.1
    done
    echo "the window never listened"
    exit 1
}

# Starts the program again: prints its exit status, 124 when it has not
# ended within $1 seconds.
second_start() {
    local status=0
    timeout "$1" "$folder/verbalia" >/dev/null 2>&1 || status=$?
    echo "$status"
}

start_window
[ "$(second_start 10)" = 0 ] || { echo "the second start did not end with 0"; exit 1; }
kill -0 "$window_pid" || { echo "the running window ended"; exit 1; }

kill -KILL "$window_pid"
wait "$window_pid" 2>/dev/null || true
[ -S "$folder"/run/verbalia-* ] || { echo "the killed window left no socket"; exit 1; }
start_window
[ "$(second_start 10)" = 0 ] || { echo "the start after a killed window did not hand over"; exit 1; }

kill -STOP "$window_pid"
[ "$(second_start 5)" = 124 ] || { echo "a window that cannot answer was taken to have answered"; exit 1; }
kill -CONT "$window_pid"
echo "handed over, took over a stale socket, and told of a silent window"
