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
for file in verbalia verbalia-find verbalia.txt catalog.txt qt.conf LICENSE.txt verbalia.svg verbalia.png verbalia.desktop.in \
            plugins/platforms/libqxcb.so wordnet/LICENSE.txt wordnet/index.noun wordnet/data.noun wordnet/noun.exc; do
    [ -e "$folder/$file" ] || fail "the release lacks $file"
done

# Every Qt and ICU library the programs need comes from the folder.
env -i ldd "$folder/verbalia" "$folder/verbalia-find" > "$work/ldd"
! grep 'not found' "$work/ldd" || fail "a library is missing"
! grep -E 'lib(Qt6|icu)' "$work/ldd" | grep -v "=> $folder/" || fail "a Qt or ICU library comes from outside the folder"

home="$work/home"
mkdir "$home"
bare=(env -i HOME="$home" PATH=/usr/bin:/bin)

# verbalia-find from the unpacked folder, on a list of its own and on the built-in list.
printf 'cat\ncot\ndog\n' > "$work/list.txt"
[ "$("${bare[@]}" "$folder/verbalia-find" --list "$work/list.txt" wildcard 'c?t')" = $'cat\ncot' ] || fail "verbalia-find's wildcard search"
[ -n "$("${bare[@]}" "$folder/verbalia-find" letters --mode exact tca)" ] || fail "verbalia-find on the built-in list"

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
"${bare[@]}" "$folder/verbalia" --remove-desktop-entry
[ -z "$(find "$home/.local/share" -type f)" ] || fail "--remove-desktop-entry left files"

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
[ "$title" = "Verbalia - v1.4f - 938 words." ] || fail "unexpected title"
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not close"
wait "$program_pid" || fail "the program exited with status $?"
program_pid=
[ -s "$folder/verbalia.ini" ] || fail "no settings file beside the unpacked program"
echo "release test passed: $(basename "$archive")"
