#!/usr/bin/env bash
# Times verbalia-find against equivalent grep pipelines and the anagram finder
# an on the large word list, alternating the two for each round, and prints
# the best and median times, their ratio and the number of words each found.
# Usage: find_vs_peers.sh PATH/TO/verbalia-find [ROUNDS]
set -euo pipefail

FIND=${1:?usage: $0 PATH/TO/verbalia-find [ROUNDS]}
ROUNDS=${2:-5}
LIST=/usr/share/dict/british-english-insane
AN=/usr/games/an
if [[ ! -r $LIST ]]; then
    echo "skipped: $LIST is missing (package wbritish-insane)"
    exit 0
fi
export LC_ALL=C

# Elapsed nanoseconds of one run, its output discarded. grep -c is used on the
# peer side because GNU grep stops at the first match when writing to /dev/null.
elapsed() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $((end - start))
}

# best and median of the numbers on stdin, in milliseconds
summary() {
    sort -n | awk '{ t[NR] = $1 } END { printf "%.2f %.2f\n", t[1] / 1e6, t[int((NR + 1) / 2)] / 1e6 }'
}

vf() { "$FIND" --list "$LIST" "$@"; }

# compare NAME OURS PEER PEER_OUTPUT EQUIVALENT
#   OURS, PEER: functions to run; PEER_OUTPUT: "count" when the peer prints a
#   count, "lines" when it lists words; EQUIVALENT: yes when the counts must agree.
failures=0
compare() {
    local name=$1 ours=$2 peer=$3 peer_output=$4 equivalent=$5
    local ours_times=() peer_times=()
    for ((round = 0; round < ROUNDS; ++round)); do
        ours_times+=("$(elapsed "$ours")")
        peer_times+=("$(elapsed "$peer")")
    done
    local ours_best ours_median peer_best peer_median
    read -r ours_best ours_median < <(printf '%s\n' "${ours_times[@]}" | summary)
    read -r peer_best peer_median < <(printf '%s\n' "${peer_times[@]}" | summary)
    local ours_count peer_count
    ours_count=$("$ours" | wc -l)
    if [[ $peer_output == count ]]; then peer_count=$("$peer"); else peer_count=$("$peer" | wc -l); fi
    local verdict=
    if [[ $equivalent == yes ]]; then
        if [[ $ours_count -eq $peer_count ]]; then verdict="counts agree"; else verdict="COUNTS DIFFER"; failures=$((failures + 1)); fi
    else
        verdict="not equivalent: $equivalent"
    fi
    printf '%-24s %9s %9s %9s %9s %7s %7s %8s %8s  %s\n' "$name" "$ours_best" "$ours_median" "$peer_best" \
        "$peer_median" "$(awk -v a="$ours_best" -v b="$peer_best" 'BEGIN { printf "%.2f", a / b }')" \
        "$(awk -v a="$ours_median" -v b="$peer_median" 'BEGIN { printf "%.2f", a / b }')" \
        "$ours_count" "$peer_count" "$verdict"
}

# The pairs. The peers keep to the default length range 1 to 50 as well: the
# list holds a few longer words.
ours_q() { vf wildcard 'a??i?'; }
peer_q() { grep -c -E '^a..i.$' "$LIST"; }
ours_ac() { vf wildcard 'ac*al'; }
peer_ac() { grep -c -E '^ac.{0,46}al$' "$LIST"; }
ours_ed() { vf wildcard '*ed'; }
peer_ed() { grep -c -E '^.{0,48}ed$' "$LIST"; }
ours_all() { vf wildcard '*'; }
peer_all() { grep -c -E '^.{1,50}$' "$LIST"; }
ours_contains() { vf letters --mode contains pot; }
peer_contains() { grep -x -E '.{1,50}' "$LIST" | grep p | grep o | grep -c t; }
ours_only() { vf letters --mode only pot; }
peer_only() { grep -E '^[pot]{1,50}$' "$LIST" | grep p | grep o | grep -c t; }
ours_exact() { vf letters --mode exact pot; }
peer_exact() { grep -E '^[pot]{3}$' "$LIST" | grep p | grep o | grep -c t; }
ours_stop() { vf letters --mode exact stop; }
peer_stop() { grep -E '^[stop]{4}$' "$LIST" | grep s | grep t | grep o | grep -c p; }
peer_an() { "$AN" -d "$LIST" -l 1 stop; }
# an ignores case and punctuation; its words made of lower-case letters only
# are the anagrams verbalia-find lists.
peer_an_lower() { "$AN" -d "$LIST" -l 1 stop | grep -c -x '[a-z]*'; }

echo "verbalia-find against its peers on $LIST, $ROUNDS rounds each (times in ms)"
printf '%-24s %9s %9s %9s %9s %7s %7s %8s %8s  %s\n' search "ours-best" "ours-med" "peer-best" "peer-med" \
    "ratio-b" "ratio-m" "ours-n" "peer-n" ""
compare "wildcard a??i?" ours_q peer_q count yes
compare "wildcard ac*al" ours_ac peer_ac count yes
compare "wildcard *ed" ours_ed peer_ed count yes
compare "wildcard *" ours_all peer_all count yes
compare "letters contains pot" ours_contains peer_contains count yes
compare "letters only pot" ours_only peer_only count yes
compare "letters exact pot" ours_exact peer_exact count yes
compare "letters exact stop" ours_stop peer_stop count yes
if [[ -x $AN ]]; then
    compare "exact stop vs an" ours_stop peer_an lines "an ignores case and apostrophes"
    compare "exact stop vs an [a-z]" ours_stop peer_an_lower count yes
else
    echo "$AN is missing (package an): anagram comparison skipped"
fi
if ((failures > 0)); then
    echo "$failures comparison(s) found different counts"
    exit 1
fi
