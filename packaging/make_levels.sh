#!/bin/sh
# Writes the word levels file of a word list to standard output: for each
# word of the list that SCOWL holds, one line with the word, a tab and the
# smallest SCOWL size (10, 20, 35, 40, 50, 55, 60, 70 or 80) of the given
# categories' files that holds it, in the list's order; UTF-8 with LF line ends.
# A list or a SCOWL file that is not UTF-8 is read as Windows-1252 or
# ISO-8859-1 respectively. The default categories suit a British English list;
# for an American one name english american variant_1 variant_2 special.
#
# Usage: make_levels.sh LIST [SCOWL_FOLDER [CATEGORY...]] > wordlist-levels.txt
set -eu

list=${1:?usage: make_levels.sh LIST [SCOWL_FOLDER [CATEGORY...]]}
folder=${2:-/usr/share/dict/scowl}
shift
[ $# -eq 0 ] || shift
[ $# -gt 0 ] || set -- english british british_z british_variant_1 british_variant_2 special

# The file as UTF-8, converted from the given encoding when it is not.
utf8() {
    if iconv -f UTF-8 -t UTF-8 "$1" >/dev/null 2>&1; then cat "$1"; else iconv -f "$2" -t UTF-8 "$1"; fi
}

[ -r "$list" ] || { echo "make_levels.sh: cannot read the list $list" >&2; exit 1; }
sizes=$(mktemp)
trap 'rm -f "$sizes"' EXIT
for category in "$@"; do
    for file in "$folder/$category"-*; do
        size=${file##*.}
        case $size in 10 | 20 | 35 | 40 | 50 | 55 | 60 | 70 | 80) ;; *) continue ;; esac
        utf8 "$file" ISO-8859-1 | awk -v size="$size" '{ sub(/\r$/, ""); print size "\t" $0 }'
    done
done >"$sizes"
[ -s "$sizes" ] || { echo "make_levels.sh: no SCOWL file of $* in $folder (package scowl)" >&2; exit 1; }

# The list's words as the program reads them: no tabs, no CR, no byte-order mark.
utf8 "$list" WINDOWS-1252 | tr -d '\r\t' | awk -F '\t' '
    NR == FNR { if (!($2 in level) || $1 + 0 < level[$2] + 0) level[$2] = $1; next }
    FNR == 1 { sub(/^\357\273\277/, "") }
    $0 in level && !seen[$0]++ { print $0 "\t" level[$0] }' "$sizes" -
