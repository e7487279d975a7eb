#!/usr/bin/env bash
# Starts the real program in its own X server from a fresh program folder,
# checks the window's title and closes it as the close box would.
set -euo pipefail
program=$1
closer=$2

. "$(dirname "$0")/x_server.sh" "$program"

QT_QPA_PLATFORM=xcb "$folder/verbalia" &
program_pid=$!
title=$("$closer" "Verbalia - v1.4f - " 20)
echo "window title: $title"
await_exit "$program_pid"
[ "$title" = "Verbalia - v1.4f - 938 words." ] || { echo "unexpected title"; exit 1; }
echo "closed cleanly"

# SIGTERM closes the window without a question, its settings saved.
rm "$folder/verbalia.ini"
QT_QPA_PLATFORM=xcb "$folder/verbalia" &
program_pid=$!
for _ in $(seq 200); do
    xdotool search --pid "$program_pid" --name '^Verbalia - v1.4f - ' >/dev/null 2>&1 && break
    sleep 0.1
done
kill -TERM "$program_pid"
await_exit "$program_pid"
[ -s "$folder/verbalia.ini" ] || { echo "no settings saved at SIGTERM"; exit 1; }
echo "ended by SIGTERM cleanly"
