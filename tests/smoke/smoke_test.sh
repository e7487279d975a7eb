#!/usr/bin/env bash
# Starts the real program in its own X server from a fresh program folder,
# checks the window's title and closes it as the close box would.
set -euo pipefail
program=$1
closer=$2

folder=$(mktemp -d)
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$folder"' EXIT
cp "$program" "$folder/verbalia"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$folder/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$folder/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$folder/display")"

QT_QPA_PLATFORM=xcb "$folder/verbalia" &
program_pid=$!
title=$("$closer" "Verbalia - v1.4f - " 20)
echo "window title: $title"
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
    kill "$program_pid"
    echo "the program did not close"
    exit 1
fi
wait "$program_pid"
[ "$title" = "Verbalia - v1.4f - 938 words." ] || { echo "unexpected title"; exit 1; }
echo "closed cleanly"
