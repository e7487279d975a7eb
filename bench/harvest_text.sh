#!/usr/bin/env bash
# Writes the English text that the harvest benchmarks read: the common
# licences, then the distinct package copyright files, then the unpacked
# package change logs, each group in byte order of its paths, cut at 4 MiB.
# Every Debian system has such files, so the text can be made anywhere; its
# size and checksum are printed, as it differs with the packages installed.
#
# Usage: bench/harvest_text.sh OUTPUT
set -euo pipefail

out=${1:?usage: $0 OUTPUT}
size=4194304
export LC_ALL=C

licences=(/usr/share/common-licenses/*)
copyrights=(/usr/share/doc/*/copyright)
changelogs=(/usr/share/doc/*/changelog*.gz)

# A file whose bytes were already taken (a licence under two names, a
# package's copyright shared with another) is taken once.
sha256sum "${licences[@]}" "${copyrights[@]}" 2>/dev/null | awk '!seen[$1]++ { print $2 }' |
    xargs -d '\n' cat >"$out"
for log in "${changelogs[@]}"; do
    [ "$(stat -c %s "$out")" -ge "$size" ] && break
    gzip -dc "$log" >>"$out"
done

if [ "$(stat -c %s "$out")" -lt "$size" ]; then
    echo "only $(stat -c %s "$out") bytes of text found; $size needed" >&2
    exit 1
fi
truncate -s "$size" "$out"
echo "text: $out, $(stat -c %s "$out") bytes, sha256 $(sha256sum "$out" | cut -d' ' -f1)"
