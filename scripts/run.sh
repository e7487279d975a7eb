#!/usr/bin/env bash
# Sets up, builds the programs alone and starts Verbalia.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --programs
# The release's word list and its levels, unless the program already has them (the user's own are never replaced).
for file in wordlist.dat wordlist-levels.txt; do
    [ -e "build/$file" ] || [ -L "build/$file" ] || cp "build/packaging/$file" "build/$file"
done
exec build/verbalia "$@"
