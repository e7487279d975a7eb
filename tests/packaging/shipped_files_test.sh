#!/usr/bin/env bash
# Checks the manual pages and the bash completion that the release ships:
# each page formats without a warning, shows under man -l and names every
# command that verbalia-find --help lists; the completion answers as a user
# at the prompt would expect.
# Usage: shipped_files_test.sh MAN1_FOLDER COMPLETION_FILE VERBALIA_FIND
set -euo pipefail
pages=$1
completion=$(realpath "$2")
fail() { echo "FAILED: $*"; exit 1; }

# The commands: the names that start the lines of --help's list of them.
commands=$("$3" --help | awk '/^[A-Za-z]*ommands:$/ { listed = 1; next } /^[^ ]/ { listed = 0 }
                             listed && /^  [a-z]/ { print $1 }')
[ -n "$commands" ] || fail "verbalia-find --help lists no command"

for page in verbalia verbalia-find; do
    file="$pages/$page.1"
    warnings=$(groff -man -ww -z "$file" 2>&1) || fail "groff cannot format $file"
    [ -z "$warnings" ] || fail "groff warns about $file: $warnings"
    MANWIDTH=80 MANPAGER=cat man -l "$file" 2>/dev/null | grep -qE "^ *$page +- " || fail "man -l does not show $file"
    # Each command in bold at the start of a line of its own, as a heading or in the synopsis.
    for command in $commands; do
        grep -qE "^\.(B|BI|BR) +\"?(verbalia\\\\-find )?$command( |\"|$)" "$file" || fail "$file does not describe $command"
    done
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
touch "$work/words one.txt" "$work/words two.txt" "$work/text.txt"
# The words typed, the last one being completed, and what Tab must offer.
while IFS='|' read -r typed expected; do
    read -ra words <<<"$typed"
    [[ $typed == *' ' ]] && words+=('')
    offered=$(cd "$work" && bash -c '. "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _verbalia_find
                                      printf "%s\n" "${COMPREPLY[@]}" | sort | paste -sd " "' - "$completion" "${words[@]}")
    [ "$offered" = "$expected" ] || fail "after '$typed' the completion offers '$offered', not '$expected'"
done <<'TABLE'
verbalia-find letters --mo|--mode
verbalia-find letters --mode only --m|--max --min
verbalia-find wildcard a??i? --mi|--min
verbalia-find wildcard -- |
verbalia-find letters --mode o|only
verbalia-find --min 3 letters --mode |contains exact only
verbalia-find s|solve sort sounds
verbalia-find solve --me|--meaning
verbalia-find solve --meaning |
verbalia-find --ver|--version
verbalia-find --list w|words one.txt words two.txt
verbalia-find --list words.txt harvest --allow-n|--allow-numbers
verbalia-find harvest --allow-symbols t|text.txt
verbalia-find wildcard |
verbalia-find --order |common list
verbalia-find --order common --common 3|35
verbalia-find --levels w|words one.txt words two.txt
verbalia-find --common 10 r|remove
TABLE
echo "manual pages and completion checked"
