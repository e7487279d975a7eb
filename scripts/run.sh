#!/usr/bin/env bash
# Sets up, builds the programs alone and starts Verbalia.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --programs
# The release's word list, unless the program already has one (the user's own is never replaced).
[ -e build/wordlist.dat ] || [ -L build/wordlist.dat ] || cp build/packaging/wordlist.dat build/wordlist.dat
exec build/verbalia "$@"
