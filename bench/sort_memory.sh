#!/usr/bin/env bash
# Peak memory of verbalia-find sort, whole process (/usr/bin/time's maximum
# resident set), against the size of the list it sorts: Debian's 663k-word
# list and the 5.3M-line one of make_large_list.sh (made in a temporary
# folder unless given). Target: at most 3 x the file's size.
# Usage: sort_memory.sh PATH/TO/verbalia-find [LARGE_LIST]
set -euo pipefail

FIND=${1:?usage: $0 PATH/TO/verbalia-find [LARGE_LIST]}
work=$(mktemp -d /tmp/sort_memory.XXXXXX)
trap 'rm -rf "$work"' EXIT
large=${2:-}
if [[ -z $large ]]; then
    large=$work/large.txt
    "$(dirname "$0")"/make_large_list.sh "$large" >/dev/null
fi

missed=0
for list in /usr/share/dict/british-english-insane "$large"; do
    /usr/bin/time -v "$FIND" --list "$list" sort >"$work/sorted" 2>"$work/time"
    peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
    size=$(stat -c %s "$list")
    ratio=$(awk -v p="$peak" -v s="$size" 'BEGIN { printf "%.2f", p * 1024 / s }')
    if awk -v r="$ratio" 'BEGIN { exit !(r <= 3) }'; then verdict="target <= 3 met"; else
        verdict="target <= 3 MISSED"; missed=$((missed + 1)); fi
    printf 'sort %s (%d bytes, %d lines): peak %d KiB, %s x the file; %s\n' "$list" "$size" \
        "$(wc -l <"$list")" "$peak" "$ratio" "$verdict"
done
echo "$missed list(s) missed the target"
