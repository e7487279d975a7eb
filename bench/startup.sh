#!/usr/bin/env bash
# Start-up of the real program in a real X window: the time from launch to
# the window title showing the word count, and the memory the process holds
# then, (a) with a large list as wordlist.dat and (b) with no wordlist.dat,
# so on the built-in list. Each run closes the window as the close box would
# and waits for the program to end. The load, (a) beyond (b), is judged
# against verbalia-find listing every word of the list (at most 2.5 x) and
# its peak memory against the list's size (at most 3 x).
#
# Usage: bench/startup.sh [BUILD-FOLDER [LIST]]   (default: build/ in the
# repository and Debian's 663k list; bench/make_large_list.sh makes a 5.3M one)
# RUNS=N sets the measured runs of each case (default 7); one warm-up run
# before them, not counted, fills the file cache and writes the settings.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
runs=${RUNS:-7}
program=$build/verbalia
waiter=$build/bench/x11_title_wait
list=${2:-/usr/share/dict/british-english-insane}
title_prefix="Verbalia - v1.4f - "
target_seconds=0.3
target_extra_mib=100

for tool in "$program" "$waiter" "$build/verbalia-find"; do
    [ -x "$tool" ] || { echo "missing $tool: build the targets verbalia, verbalia-find and x11_title_wait" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "Xvfb is missing (package xvfb)" >&2; exit 1; }
if [ ! -f "$list" ]; then
    sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get install -y wbritish-insane || { $sudo apt-get update && $sudo apt-get install -y wbritish-insane; }
fi

work=$(mktemp -d)
xvfb_pid= program_pid= waiter_pid=
cleanup() {
    for pid in $program_pid $waiter_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb

# One start and close in FOLDER; appends the times to the title and to the
# window on screen in microseconds, VmHWM and VmRSS in kB (read as the title
# appeared) to $work/NAME.{time,mapped,hwm,rss}.
run_once() {
    local folder=$1 name=$2 events=$work/events
    rm -f "$events"
    mkfifo "$events"
    "$waiter" "$title_prefix" 30 >"$events" &
    waiter_pid=$!
    exec 4<"$events"
    local ready
    read -r -t 10 ready <&4 && [ "$ready" = ready ] || { echo "x11_title_wait did not start" >&2; return 1; }

    local started=${EPOCHREALTIME/[.,]/}
    "$folder/verbalia" >>"$work/program.log" 2>&1 &
    program_pid=$!

    local titled mapped window_pid peak resident
    read -r -t 30 titled mapped window_pid peak resident title <&4 || { echo "no window titled '$title_prefix...'" >&2; return 1; }
    exec 4<&-
    wait "$waiter_pid"
    waiter_pid=
    [ "$window_pid" = "$program_pid" ] || { echo "the window belongs to $window_pid, not $program_pid" >&2; return 1; }

    # The window was asked to close; the program must end by itself.
    for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.05; done
    if kill -0 "$program_pid" 2>/dev/null; then
        echo "the program did not close" >&2
        return 1
    fi
    wait "$program_pid" || { echo "the program ended with status $?" >&2; return 1; }
    program_pid=
    echo "$((titled - started))" >>"$work/$name.time"
    echo "$((mapped - started))" >>"$work/$name.mapped"
    echo "$peak" >>"$work/$name.hwm"
    echo "$resident" >>"$work/$name.rss"
}

# "MEDIAN BEST" of the numbers in a file, divided by SCALE; best is the smallest.
stats() {
    sort -n "$1" | awk -v scale="$2" '{ v[NR] = $1 / scale }
        END { printf "%.3f %.3f\n", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2, v[1] }'
}

measure() {
    local name=$1 with_list=$2 folder=$work/$1
    mkdir "$folder"
    cp "$program" "$folder/verbalia"
    [ "$with_list" = yes ] && cp "$list" "$folder/wordlist.dat"
    run_once "$folder" warmup || exit 1
    for _ in $(seq "$runs"); do run_once "$folder" "$name" || exit 1; done

    local median best
    printf '%s: title "%s"\n' "$name" "$title"
    read -r median best < <(stats "$work/$name.time" 1000000)
    printf '  time to title  median %6.3f s    best %6.3f s    (target < %s s: %s)\n' "$median" "$best" \
        "$target_seconds" "$(awk -v m="$median" -v t="$target_seconds" 'BEGIN { print m < t ? "met" : "MISSED" }')"
    read -r median best < <(stats "$work/$name.mapped" 1000000)
    printf '  window shown   median %6.3f s    best %6.3f s\n' "$median" "$best"
    read -r median best < <(stats "$work/$name.hwm" 1024)
    printf '  VmHWM          median %6.1f MiB  best %6.1f MiB\n' "$median" "$best"
    read -r median best < <(stats "$work/$name.rss" 1024)
    printf '  VmRSS          median %6.1f MiB  best %6.1f MiB\n' "$median" "$best"
}

title=
echo "start-up of $program: $runs runs per case after one warm-up run, display $DISPLAY"
measure a_large_list yes
measure b_builtin_list no

read -r hwm_a _ < <(stats "$work/a_large_list.hwm" 1024)
read -r hwm_b _ < <(stats "$work/b_builtin_list.hwm" 1024)
read -r rss_a _ < <(stats "$work/a_large_list.rss" 1024)
read -r rss_b _ < <(stats "$work/b_builtin_list.rss" 1024)
awk -v ha="$hwm_a" -v hb="$hwm_b" -v ra="$rss_a" -v rb="$rss_b" -v t="$target_extra_mib" 'BEGIN {
    printf "memory (a) - (b), medians: VmHWM %+.1f MiB  VmRSS %+.1f MiB  (target < %d MiB above an empty start: %s)\n",
        ha - hb, ra - rb, t, ha - hb < t ? "met" : "MISSED" }'

# verbalia-find listing every word of the list into a file: the best of the runs.
for _ in $(seq "$runs"); do
    started=${EPOCHREALTIME/[.,]/}
    "$build/verbalia-find" --list "$list" wildcard '*' >"$work/listed"
    echo "$((${EPOCHREALTIME/[.,]/} - started))" >>"$work/listing.time"
done
read -r time_a _ < <(stats "$work/a_large_list.time" 1000000)
read -r time_b _ < <(stats "$work/b_builtin_list.time" 1000000)
read -r _ listing < <(stats "$work/listing.time" 1000000)
awk -v a="$time_a" -v b="$time_b" -v l="$listing" -v ha="$hwm_a" -v hb="$hwm_b" -v size="$(stat -c %s "$list")" 'BEGIN {
    load = a - b; peak = (ha - hb) * 1048576 / size
    printf "load (a) - (b), medians: %.3f s; verbalia-find listing every word, best: %.3f s; ratio %.2f (target <= 2.5: %s)\n",
        load, l, load / l, load / l <= 2.5 ? "met" : "MISSED"
    printf "peak memory above an empty start: %.2f x the list'"'"'s %d bytes (target <= 3, goal 2: %s)\n",
        peak, size, peak <= 3 ? "met" : "MISSED" }'
