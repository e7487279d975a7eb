#!/usr/bin/env bash
# An empty entry in a program's library search path (DT_RPATH or DT_RUNPATH)
# is the current folder, whose libraries would be loaded before the system's.
set -euo pipefail
for program in "$@"; do
    paths=$(readelf -d "$program" | sed -n 's/.*R\(UN\)\{0,1\}PATH).*\[\(.*\)\]/\2/p')
    echo "$program: ${paths:-no search path}"
    [ -n "$paths" ] || continue
    case ":$paths:" in
    *::*) echo "an empty entry: the current folder" >&2; exit 1 ;;
    esac
done
