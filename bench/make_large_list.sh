#!/usr/bin/env bash
# Writes the large word list of the scale benchmarks: Debian's
# british-english-insane and american-english-insane, one after the other,
# four times over (5,304,200 lines, 55 MB, UTF-8, LF), and prints its line
# count, size and checksum so that runs on other machines can be compared.
#
# Usage: bench/make_large_list.sh OUTPUT
set -euo pipefail

out=${1:?usage: $0 OUTPUT}
lists=(/usr/share/dict/british-english-insane /usr/share/dict/american-english-insane)
for list in "${lists[@]}"; do
    [ -r "$list" ] || { echo "$list is missing (packages wbritish-insane, wamerican-insane)" >&2; exit 1; }
done
: >"$out"
for _ in 1 2 3 4; do cat "${lists[@]}" >>"$out"; done
echo "list: $out, $(wc -l <"$out") lines, $(stat -c %s "$out") bytes, sha256 $(sha256sum "$out" | cut -d' ' -f1)"
