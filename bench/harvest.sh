#!/usr/bin/env bash
# Harvest of a 4 MiB English text (harvest_text.sh) into Debian's 663k-word
# list: the core alone (harvest_bench), the window on the offscreen platform
# (window_harvest_bench), the window under openbox, and verbalia-find harvest,
# each with the words added and the time; the window's saved list must equal
# verbalia-find's.
#
# Usage: bench/harvest.sh [BUILD-FOLDER]   (default: build/ in the repository)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
list=/usr/share/dict/british-english-insane
[ -f "$list" ] || { echo "skipped: $list is missing (package wbritish-insane)"; exit 0; }
for tool in "$build/bench/harvest_bench" "$build/bench/window_harvest_bench" "$build/verbalia-find"; do
    [ -x "$tool" ] || { echo "missing $tool: build the benchmarks and verbalia-find" >&2; exit 1; }
done

command -v /usr/bin/time >/dev/null || { echo "/usr/bin/time is missing (package time)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
text=$work/text.txt
"$repo/bench/harvest_text.sh" "$text"

echo "== core"
"$build/bench/harvest_bench" "$text" --benchmark_counters_tabular=true

echo "== verbalia-find harvest (list read, harvest, list written)"
/usr/bin/time -f "%e s elapsed, %U s user, %M KiB peak" \
    "$build/verbalia-find" --list "$list" harvest "$text" >"$work/list.txt"
echo "$(wc -l <"$work/list.txt") lines written"

echo "== window (from the click, answered Yes, to the closing message)"
QT_QPA_PLATFORM=offscreen "$build/bench/window_harvest_bench" "$text" 3 "$work/window-list.txt" 2>/dev/null
if cmp -s "$work/list.txt" "$work/window-list.txt"; then
    echo "the window saved the list verbalia-find wrote"
else
    echo "the window's list differs from verbalia-find's" >&2
    exit 1
fi

# The same in a real window under a window manager, which hears of every
# change of the window's title.
if command -v Xvfb >/dev/null && command -v openbox >/dev/null; then
    echo "== window under openbox on Xvfb"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    DISPLAY=":$(cat "$work/display")" openbox >/dev/null 2>&1 &
    openbox=$!
    sleep 1
    DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb "$build/bench/window_harvest_bench" "$text" 3 2>/dev/null
    kill "$openbox" "$xvfb"
fi
