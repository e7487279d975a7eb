#!/usr/bin/env bash
# Makes a word list of about 2 GB (copies of make_large_list.sh's list, whole
# lines, LF) in a temporary folder and measures on it: the window's load and
# save of the list (list_memory_bench: load within 1.5 x the file, a save
# within a few MB), by a temporary file and in place, then the peak resident memory of
# verbalia-find sort (/usr/bin/time; target: at most 3 x the file). The
# folder needs room for the list and its saved copy: with less free space
# the list is made smaller, and the script says so. Sorting 2 GB takes a
# long while: SORT=no leaves it out.
# Usage: [SORT=no] two_gb_list.sh BUILD_DIR [BYTES] [FOLDER]
set -euo pipefail

build=${1:?usage: $0 BUILD_DIR [BYTES] [FOLDER]}
wanted=${2:-2000000000}
folder=${3:-${TMPDIR:-/tmp}}
work=$(mktemp -d "$folder/two_gb_list.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The list and the save's temporary file, with 10% to spare.
free=$(($(df --output=avail -B1 "$work" | tail -1)))
bytes=$wanted
if ((2 * bytes + bytes / 5 > free)); then
    bytes=$((free * 10 / 22))
    echo "only $free bytes free in $folder: the list is made of $bytes bytes, not $wanted"
fi

"$(dirname "$0")"/make_large_list.sh "$work/part.txt" >/dev/null
list=$work/list.txt
: >"$list"
while (($(stat -c %s "$list") + $(stat -c %s "$work/part.txt") <= bytes)); do cat "$work/part.txt" >>"$list"; done
rm "$work/part.txt"
echo "list: $(stat -c %s "$list") bytes, $(wc -l <"$list") lines; load $(cut -d' ' -f1-3 /proc/loadavg)"

"$build/bench/list_memory_bench" "$list"
# A second hard link: the save rewrites the list in place beside its restore copy.
echo "in place (two hard links), load $(cut -d' ' -f1-3 /proc/loadavg):"
ln "$list" "$work/link.txt"
XDG_STATE_HOME=$work/state "$build/bench/list_memory_bench" "$list"
rm "$work/link.txt"

if [[ ${SORT:-yes} != no ]]; then
    /usr/bin/time -v "$build/verbalia-find" --list "$list" sort >/dev/null 2>"$work/time"
    peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
    elapsed=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time")
    awk -v p="$peak" -v s="$(stat -c %s "$list")" -v e="$elapsed" 'BEGIN {
        r = p * 1024 / s
        printf "sort: peak %.2f GB, %.2f x the file (target <= 3: %s), %s\n", p * 1024 / 1e9, r, r <= 3 ? "met" : "MISSED", e }'
fi
