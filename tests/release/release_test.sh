#!/usr/bin/env bash
# Tests the release archive as a user gets it: unpacked into a fresh folder
# and started with a bare environment. Where the machine allows a private
# mount namespace, the system's own Qt and ICU libraries are hidden too, as
# on a desktop that has none.
# Usage: release_test.sh ARCHIVE X11_CLOSE
set -euo pipefail
archive=$(realpath "$1")
closer=$(realpath "$2")
libraries=/usr/lib/x86_64-linux-gnu

if [ -z "${VERBALIA_SYSTEM_QT_HIDDEN:-}" ] && unshare --mount --propagation private true 2>/dev/null; then
    exec unshare --mount --propagation private env VERBALIA_SYSTEM_QT_HIDDEN=1 "$0" "$@"
fi
if [ -n "${VERBALIA_SYSTEM_QT_HIDDEN:-}" ]; then
    mount -t tmpfs none "$libraries/qt6"
    for library in "$libraries"/libQt6*.so.* "$libraries"/libicu*.so.*; do
        [ -L "$library" ] || mount --bind /dev/null "$library"
    done
    if [ -d /usr/share/wordnet ]; then mount -t tmpfs none /usr/share/wordnet; fi
    echo "the system's Qt and ICU libraries and its definitions database are hidden"
else
    echo "no mount namespace here: the system's Qt and ICU stay visible, the checks below still tell them apart"
fi

work=$(mktemp -d)
trap 'kill "${program_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

# A folder name with a space, which the run path and the desktop entry must bear.
mkdir "$work/my programs"
tar -xzf "$archive" -C "$work/my programs"
folder=$(echo "$work/my programs"/verbalia-*)
[ -d "$folder" ] || fail "the archive holds no verbalia-<version> folder"
for file in verbalia verbalia-find lib/libverbalia-find-icu.so verbalia.txt catalog.txt qt.conf LICENSE.txt verbalia.svg verbalia.png verbalia.desktop.in \
            plugins/platforms/libqxcb.so wordlist.dat wordlist-levels.txt wordlist-copyright.txt man/man1/verbalia.1 man/man1/verbalia-find.1 \
            share/bash-completion/completions/verbalia-find wordnet/LICENSE.txt wordnet/index.noun wordnet/data.noun wordnet/noun.exc; do
    [ -e "$folder/$file" ] || fail "the release lacks $file"
done

# Every Qt and ICU library the programs need comes from the folder.
env -i ldd "$folder/verbalia" "$folder/verbalia-find" > "$work/ldd"
! grep 'not found' "$work/ldd" || fail "a library is missing"
! grep -E 'lib(Qt6|icu)' "$work/ldd" | grep -v "=> $folder/" || fail "a Qt or ICU library comes from outside the folder"
! readelf -d "$folder/verbalia-find" | grep -q 'NEEDED.*libicu' || fail "verbalia-find needs ICU for a search"

home="$work/home"
mkdir "$home"
bare=(env -i HOME="$home" PATH=/usr/bin:/bin)

# Help and version on standard output, with no display and no file written;
# an unknown option is a usage error.
touch "$work/before"
for program in verbalia verbalia-find; do
    "${bare[@]}" "$folder/$program" --help > "$work/help" || fail "$program --help failed"
    grep -q "^Usage: $program " "$work/help" || fail "$program --help shows no usage"
    [ "$("${bare[@]}" "$folder/$program" --version)" = "$([ $program = verbalia ] && echo Verbalia || echo "verbalia-find (Verbalia)") 1.4f" ] \
        || fail "$program --version"
done
status=0
"${bare[@]}" "$folder/verbalia" --bogus 2> "$work/usage" || status=$?
[ $status = 64 ] && [ "$(head -1 "$work/usage")" = "verbalia: unknown option --bogus" ] || fail "verbalia --bogus is no usage error"
[ -z "$(find "$folder" "$home" -newer "$work/before")" ] || fail "--help, --version or a usage error wrote a file"

# The shipped word list: the whole of Debian's British English list, in the
# layout and the order the program keeps, so that harvesting its own words
# adds none; and its licence.
list="$folder/wordlist.dat"
words=$(wc -l < "$list")
[ "$words" -gt 340000 ] || fail "the word list holds only $words lines"
[ "$(grep -c $'\r$' "$list")" = 0 ] || fail "the word list does not keep Debian's LF line ends"
grep -qx $'Ard\xC3\xA8che' "$list" || fail "the word list is not in UTF-8"
"${bare[@]}" "$folder/verbalia-find" --list "$list" sort > "$work/sorted" || fail "verbalia-find sort failed with status $?"
cmp -s "$work/sorted" "$list" || fail "the word list is not in the program's order"
"${bare[@]}" "$folder/verbalia-find" --list "$list" harvest --allow-numbers --allow-symbols "$list" 2>&1 >/dev/null \
    | grep -qx "0 words were added to the List of Known Words." || fail "harvesting the word list's own words adds some"
for notice in "SCOWL" "Kevin Atkinson" "UK Advanced Cryptics Dictionary" "WordNet 1.6 Copyright" "package scowl"; do
    grep -q "$notice" "$folder/wordlist-copyright.txt" || fail "the word list's notice lacks $notice"
done
# Its words' levels: nearly every word has one.
levels=$(wc -l < "$folder/wordlist-levels.txt")
[ $((levels * 100)) -ge $((words * 99)) ] || fail "only $levels of the list's $words words have a level"
grep -qx $'subtle\t10' "$folder/wordlist-levels.txt" || fail "the levels file does not give subtle its size 10"
[ "$("${bare[@]}" "$folder/verbalia-find" --order common wildcard '?u?t?e' | head -1)" = subtle ] \
    || fail "verbalia-find --order common does not list subtle first"

# The manual pages and the completion, as the release holds them.
"$(dirname "$0")/../packaging/shipped_files_test.sh" "$folder/man/man1" "$folder/share/bash-completion/completions/verbalia-find" \
    "$folder/verbalia-find" || fail "the manual pages or the completion"

# verbalia-find from the unpacked folder, on a list of its own and on the shipped one.
printf 'cat\ncot\ndog\n' > "$work/list.txt"
[ "$("${bare[@]}" "$folder/verbalia-find" --list "$work/list.txt" wildcard 'c?t')" = $'cat\ncot' ] || fail "verbalia-find's wildcard search"
[ -n "$("${bare[@]}" "$folder/verbalia-find" letters --mode exact tca)" ] || fail "verbalia-find on the shipped list"

# verbalia-find define, from the database in the folder.
"${bare[@]}" "$folder/verbalia-find" define geese crossword > "$work/definitions" || fail "verbalia-find define"
grep -qx 'noun, base form goose' "$work/definitions" || fail "define geese does not show goose"
grep -qF 'a puzzle in which words corresponding to numbered clues are to be found and written in to squares in the puzzle' \
    "$work/definitions" || fail "define crossword"

# The desktop entry points at the unpacked program, and goes again.
"${bare[@]}" "$folder/verbalia" --install-desktop-entry
entry="$home/.local/share/applications/verbalia.desktop"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
grep -qxF "Exec=\"$folder/verbalia\"" "$entry" || fail "the desktop entry does not start the unpacked program"
[ -f "$home/.local/share/icons/hicolor/256x256/apps/verbalia.png" ] || fail "the icon was not installed"
cmp -s "$home/.local/share/bash-completion/completions/verbalia-find" "$folder/share/bash-completion/completions/verbalia-find" \
    || fail "the completion was not installed"
[ "$(readlink "$home/.local/bin/verbalia-find")" = "$folder/verbalia-find" ] || fail "verbalia-find was not linked into ~/.local/bin"
"${bare[@]}" "$folder/verbalia" --remove-desktop-entry
[ -z "$(find "$home/.local/share" "$home/.local/bin" -not -type d)" ] || fail "--remove-desktop-entry left files"

# The window, in its own X server.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
display=":$(cat "$work/display")"

"${bare[@]}" DISPLAY="$display" "$folder/verbalia" &
program_pid=$!
# Qt loads the platform and input plugins before it shows the window: by
# then every library of Qt's is mapped.
for _ in $(seq 200); do
    grep -q platforminputcontexts "/proc/$program_pid/maps" 2>/dev/null && break
    sleep 0.1
done
grep -oE '/.*(libQt6|libicu|/plugins/)[^ ]*' "/proc/$program_pid/maps" | sort -u > "$work/mapped" || true
grep -q platforms/libqxcb.so "$work/mapped" || fail "the xcb platform plugin was not loaded"
! grep -v "^$folder/" "$work/mapped" || fail "the program mapped Qt or ICU from outside the folder"

title=$(DISPLAY="$display" "$closer" "Verbalia - v1.4f - " 20) || fail "no window appeared"
echo "window title: $title"
[ "$title" = "Verbalia - v1.4f - $(echo "$words" | sed -E ':a; s/([0-9])([0-9]{3})($|,)/\1,\2\3/; ta') words." ] \
    || fail "the window does not show the shipped list"
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not close"
wait "$program_pid" || fail "the program exited with status $?"
program_pid=
[ -s "$folder/verbalia.ini" ] || fail "no settings file beside the unpacked program"
echo "release test passed: $(basename "$archive")"
