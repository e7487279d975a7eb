#!/usr/bin/env bash
# Times verbalia-find against equivalent grep pipelines and the anagram finder
# an on the large word list, alternating the two for each round, and prints
# the best and median times, their ratio and the number of words each found.
# Both sides do the same job: list the matching words into a file. `wc -l`
# on the list is the floor: the cost of reading it. Everything runs on the
# list as Debian ships it (UTF-8) and on a Windows-1252 copy. Each ratio of
# best times is judged against its target: at most 2 x the floor, at most
# 0.7 x grep. First, the whole process of a search against `wc -l` on the
# list the release ships (beside the built program, packaging/wordlist.dat)
# and on the large one: the median of paired runs, at most 1.5 x.
# Usage: find_vs_peers.sh PATH/TO/verbalia-find [ROUNDS]
set -euo pipefail

FIND=${1:?usage: $0 PATH/TO/verbalia-find [ROUNDS]}
ROUNDS=${2:-5}
SHIPPED_LIST=$(dirname "$FIND")/packaging/wordlist.dat
DEBIAN_LIST=/usr/share/dict/british-english-insane
AN=/usr/games/an
if [[ ! -r $DEBIAN_LIST ]]; then
    echo "skipped: $DEBIAN_LIST is missing (package wbritish-insane)"
    exit 0
fi
export LC_ALL=C
OUT=$(mktemp -d /tmp/find_vs_peers.XXXXXX)
trap 'rm -rf "$OUT"' EXIT
iconv -f UTF-8 -t WINDOWS-1252 "$DEBIAN_LIST" >"$OUT/list-1252.txt"
: >"$OUT/empty"

# Elapsed nanoseconds of one run that writes its words to the file $2. A file,
# not /dev/null: GNU grep stops at the first match when writing there. The
# shell's own clock: no process started to read it.
elapsed() {
    local start end
    start=${EPOCHREALTIME/./}
    "$1" >"$2"
    end=${EPOCHREALTIME/./}
    echo $(((end - start) * 1000))
}

# best and median of the numbers on stdin, in milliseconds
summary() {
    sort -n | awk '{ t[NR] = $1 } END { printf "%.2f %.2f\n", t[1] / 1e6, t[int((NR + 1) / 2)] / 1e6 }'
}

vf() { "$FIND" --list "$LIST" "$@"; }

# compare NAME OURS PEER EQUIVALENT [TARGET]
#   OURS, PEER: functions to run, each listing the words it finds;
#   EQUIVALENT: yes when the counts must agree;
#   TARGET: the highest ratio of best times allowed (default 0.7).
failures=0
missed=0
compare() {
    local name=$1 ours=$2 peer=$3 equivalent=$4 target=${5:-0.7}
    local ours_times=() peer_times=()
    for ((round = 0; round < ROUNDS; ++round)); do
        ours_times+=("$(elapsed "$ours" "$OUT/ours")")
        peer_times+=("$(elapsed "$peer" "$OUT/peer")")
    done
    local ours_best ours_median peer_best peer_median
    read -r ours_best ours_median < <(printf '%s\n' "${ours_times[@]}" | summary)
    read -r peer_best peer_median < <(printf '%s\n' "${peer_times[@]}" | summary)
    local ours_count peer_count
    ours_count=$(wc -l <"$OUT/ours")
    peer_count=$(wc -l <"$OUT/peer")
    local verdict
    if awk -v a="$ours_best" -v b="$peer_best" -v t="$target" 'BEGIN { exit !(a / b <= t) }'; then
        verdict="target <= $target met;"
    else
        verdict="target <= $target MISSED;"
        missed=$((missed + 1))
    fi
    if [[ $equivalent == yes ]]; then
        if [[ $ours_count -eq $peer_count ]]; then verdict+=" counts agree"; else verdict+=" COUNTS DIFFER"; failures=$((failures + 1)); fi
    else
        verdict+=" not equivalent: $equivalent"
    fi
    printf '%-24s %9s %9s %9s %9s %7s %7s %8s %8s  %s\n' "$name" "$ours_best" "$ours_median" "$peer_best" \
        "$peer_median" "$(awk -v a="$ours_best" -v b="$peer_best" 'BEGIN { printf "%.2f", a / b }')" \
        "$(awk -v a="$ours_median" -v b="$peer_median" 'BEGIN { printf "%.2f", a / b }')" \
        "$ours_count" "$peer_count" "$verdict"
}

# The pairs. The peers keep to the default length range 1 to 50 as well: the
# list holds a few longer words.
ours_q() { vf wildcard 'a??i?'; }
peer_q() { grep -E '^a..i.$' "$LIST"; }
ours_ac() { vf wildcard 'ac*al'; }
peer_ac() { grep -E '^ac.{0,46}al$' "$LIST"; }
ours_ed() { vf wildcard '*ed'; }
peer_ed() { grep -E '^.{0,48}ed$' "$LIST"; }
ours_all() { vf wildcard '*'; }
peer_all() { grep -E '^.{1,50}$' "$LIST"; }
ours_contains() { vf letters --mode contains pot; }
peer_contains() { grep -x -E '.{1,50}' "$LIST" | grep p | grep o | grep t; }
ours_only() { vf letters --mode only pot; }
peer_only() { grep -E '^[pot]{1,50}$' "$LIST" | grep p | grep o | grep t; }
ours_exact() { vf letters --mode exact pot; }
peer_exact() { grep -E '^[pot]{3}$' "$LIST" | grep p | grep o | grep t; }
ours_stop() { vf letters --mode exact stop; }
peer_stop() { grep -E '^[stop]{4}$' "$LIST" | grep s | grep t | grep o | grep p; }
peer_an() { "$AN" -d "$LIST" -l 1 stop; }
# an ignores case and punctuation; its words made of lower-case letters only
# are the anagrams verbalia-find lists.
peer_an_lower() { "$AN" -d "$LIST" -l 1 stop | grep -x '[a-z]*'; }
floor() { wc -l "$LIST"; }

# Mean CPU time (user + system, ms) of 31 runs of the function $1: unlike the
# elapsed time, hardly moved by the machine's load.
cpu_time() {
    local TIMEFORMAT='%3U %3S'
    { time for ((i = 0; i < 31; ++i)); do "$1" >"$OUT/cpu"; done; } 2>&1 | awk '{ printf "%.2f", ($1 + $2) * 1000 / 31 }'
}
ours_empty() { "$FIND" --list "$OUT/empty" wildcard 'a??i?'; }
ours_unscanned() { vf wildcard 'aaaaa' 2>/dev/null || true; }

# floor_ratio LIST: a search's whole process against wc -l, in 31 pairs of
# runs (one of each, in turn); the median of the pairs' ratios. Then the CPU
# time of each and the search's split: start-up (an empty list), reading and
# converting (a pattern refused once the list is read), the scan (the rest).
floor_ratio() {
    LIST=$1
    local ratios=() ours_times=() floor_times=() ours floor
    for ((round = 0; round < 31; ++round)); do
        ours=$(elapsed ours_q "$OUT/ours")
        floor=$(elapsed floor "$OUT/peer")
        ours_times+=("$ours")
        floor_times+=("$floor")
        ratios+=("$(awk -v a="$ours" -v b="$floor" 'BEGIN { printf "%.4f", a / b }')")
    done
    local ratio ours_median floor_median verdict
    ratio=$(printf '%s\n' "${ratios[@]}" | sort -g | awk '{ r[NR] = $1 } END { printf "%.2f", r[int((NR + 1) / 2)] }')
    read -r _ ours_median < <(printf '%s\n' "${ours_times[@]}" | summary)
    read -r _ floor_median < <(printf '%s\n' "${floor_times[@]}" | summary)
    if awk -v r="$ratio" 'BEGIN { exit !(r <= 1.5) }'; then verdict="target <= 1.5 met"; else
        verdict="target <= 1.5 MISSED"; missed=$((missed + 1)); fi
    printf "wildcard 'a??i?' / wc -l on %s: %s (medians %s ms / %s ms, 31 pairs); %s\n" "$LIST" "$ratio" \
        "$ours_median" "$floor_median" "$verdict"
    local ours_cpu floor_cpu start_cpu read_cpu
    ours_cpu=$(cpu_time ours_q)
    floor_cpu=$(cpu_time floor)
    start_cpu=$(cpu_time ours_empty)
    read_cpu=$(cpu_time ours_unscanned)
    printf "  CPU ms per run: search %s, wc -l %s (ratio %s); the search's start-up %s, read %s, scan %s\n" \
        "$ours_cpu" "$floor_cpu" "$(awk -v a="$ours_cpu" -v b="$floor_cpu" 'BEGIN { printf "%.2f", a / b }')" \
        "$start_cpu" "$(awk -v a="$read_cpu" -v b="$start_cpu" 'BEGIN { printf "%.2f", a - b }')" \
        "$(awk -v a="$ours_cpu" -v b="$read_cpu" 'BEGIN { printf "%.2f", a - b }')"
}
echo "verbalia-find's whole process against wc -l"
if [[ -r $SHIPPED_LIST ]]; then floor_ratio "$SHIPPED_LIST"; else
    echo "skipped: $SHIPPED_LIST is missing (built with the programs)"; fi
floor_ratio "$DEBIAN_LIST"

for LIST in "$DEBIAN_LIST" "$OUT/list-1252.txt"; do
echo
echo "verbalia-find against its peers on $LIST, $ROUNDS rounds each (times in ms)"
printf '%-24s %9s %9s %9s %9s %7s %7s %8s %8s  %s\n' search "ours-best" "ours-med" "peer-best" "peer-med" \
    "ratio-b" "ratio-m" "ours-n" "peer-n" ""
compare "a??i? vs wc -l (floor)" ours_q floor "the floor lists nothing" 2
compare "wildcard a??i?" ours_q peer_q yes
compare "wildcard ac*al" ours_ac peer_ac yes
compare "wildcard *ed" ours_ed peer_ed yes
compare "wildcard *" ours_all peer_all yes
compare "letters contains pot" ours_contains peer_contains yes
compare "letters only pot" ours_only peer_only yes
compare "letters exact pot" ours_exact peer_exact yes
compare "letters exact stop" ours_stop peer_stop yes
if [[ -x $AN ]]; then
    compare "exact stop vs an" ours_stop peer_an "an ignores case and apostrophes"
    compare "exact stop vs an [a-z]" ours_stop peer_an_lower yes
else
    echo "$AN is missing (package an): anagram comparison skipped"
fi
done
echo
echo "$missed comparison(s) missed their target (ratios of best times; the machine's load moves them)"
if ((failures > 0)); then
    echo "$failures comparison(s) found different counts"
    exit 1
fi
