#!/usr/bin/env bash
# Tests the Debian package as a user gets it (Debian 12, as root): installed
# with dpkg -i (its dependencies from apt), its programs run with a private
# home, then purged, also when a step fails; nothing of it may stay.
# Usage: package_test.sh DEB X11_CLOSE
set -euo pipefail
deb=$(realpath "$1")
closer=$(realpath "$2")
fail() { echo "FAILED: $*"; exit 1; }
installed() { dpkg-query -W -f='${Status}' verbalia 2>/dev/null | grep -q 'ok installed'; }
installed && fail "verbalia is installed on this machine already: purge it before the test"

work=$(mktemp -d)
purge() { dpkg --purge verbalia >/dev/null 2>&1 || true; }
trap 'kill "${program_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; purge; rm -rf "$work"' EXIT
dpkg-deb -c "$deb" | awk '{print substr($6, 2)}' | sed 's|/$||' > "$work/contents"
for file in /usr/bin/verbalia /usr/bin/verbalia-find /usr/lib/verbalia/libverbalia-find-icu.so \
            /usr/share/verbalia/wordlist.dat /usr/share/verbalia/wordlist-levels.txt /usr/share/verbalia/wordlist-copyright.txt \
            /usr/share/verbalia/verbalia.txt /usr/share/verbalia/catalog.txt /usr/share/applications/verbalia.desktop \
            /usr/share/icons/hicolor/scalable/apps/verbalia.svg /usr/share/icons/hicolor/256x256/apps/verbalia.png \
            /usr/share/metainfo/org.example.verbalia.metainfo.xml /usr/share/man/man1/verbalia.1.gz \
            /usr/share/man/man1/verbalia-find.1.gz /usr/share/bash-completion/completions/verbalia-find \
            /usr/share/doc/verbalia/copyright /usr/share/doc/verbalia/changelog.gz; do
    grep -qxF "$file" "$work/contents" || fail "the package lacks $file"
done
! grep -E 'qt\.conf|/wordnet/|libQt6|libicu' "$work/contents" || fail "the package carries what Debian's packages provide"
dpkg-deb -f "$deb" Depends | grep -q 'wordnet-base' || fail "the package does not depend on wordnet-base"

export DEBIAN_FRONTEND=noninteractive
dpkg -i "$deb" >/dev/null 2>&1 || apt-get install -f -y -qq >/dev/null
installed || fail "the package did not install"
for program in /usr/bin/verbalia /usr/bin/verbalia-find /usr/lib/verbalia/libverbalia-find-icu.so; do
    ! readelf -d "$program" | grep -qE 'RPATH|RUNPATH' || fail "$program carries a library path"
done
desktop-file-validate /usr/share/applications/verbalia.desktop || fail "the desktop entry is not valid"
appstreamcli validate --no-net /usr/share/metainfo/org.example.verbalia.metainfo.xml >/dev/null \
    || fail "the metainfo file is not valid"

touch "$work/before"
sleep 1 # a file written from now on is newer than the mark
home="$work/home"
mkdir "$home"
bare=(env -i HOME="$home" PATH=/usr/bin:/bin)
[ "$("${bare[@]}" verbalia-find --version)" = "verbalia-find (Verbalia) 1.4f" ] || fail "verbalia-find --version"
# A search on the installed list, the commonest first from the installed levels.
[ "$("${bare[@]}" verbalia-find --order common wildcard '?u?t?e' | head -1)" = subtle ] || fail "verbalia-find's search"
cmp -s "$home/.local/share/verbalia/wordlist.dat" /usr/share/verbalia/wordlist.dat \
    || fail "verbalia-find did not copy the list into the user's data folder"
"${bare[@]}" verbalia-find define geese > "$work/definitions" || fail "verbalia-find define"
grep -qx 'noun, base form goose' "$work/definitions" || fail "define geese does not show goose"
said=$("${bare[@]}" verbalia --install-desktop-entry) || fail "--install-desktop-entry failed"
[[ $said == *package* ]] || fail "--install-desktop-entry says '$said', not that the package did it"
[ ! -e "$home/.local/share/applications" ] && [ ! -e "$home/.local/bin" ] || fail "--install-desktop-entry wrote files"

# The window with a home of its own, each folder made at its first start.
rm -rf "$home"
mkdir "$home"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
"${bare[@]}" DISPLAY=":$(cat "$work/display")" verbalia &
program_pid=$!
words=$(wc -l < /usr/share/verbalia/wordlist.dat)
title=$(DISPLAY=":$(cat "$work/display")" "$closer" "Verbalia - v1.4f - " 20) || fail "no window appeared"
[ "$title" = "Verbalia - v1.4f - $(echo "$words" | sed -E ':a; s/([0-9])([0-9]{3})($|,)/\1,\2\3/; ta') words." ] \
    || fail "the window shows '$title', not the installed list"
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
wait "$program_pid" || fail "the program exited with status $?"
program_pid=
cmp -s "$home/.local/share/verbalia/wordlist.dat" /usr/share/verbalia/wordlist.dat || fail "no word list in the data folder"
[ -s "$home/.config/verbalia/verbalia.ini" ] || fail "no settings in the configuration folder"
for history in verbalia.wcs verbalia.wwt verbalia.phs; do
    [ -e "$home/.local/state/verbalia/$history" ] || fail "no $history in the state folder"
done
written=$(find /usr -xdev -newer "$work/before" -not -type d)
[ -z "$written" ] || fail "the programs wrote under /usr: $written"

purge
! installed || fail "the package was not purged"
while read -r path; do
    [ "${path%/*}" = "" ] || [ ! -e "$path" ] || [ -d "$path" ] || fail "$path stays after the purge"
done < "$work/contents"
for folder in /usr/share/verbalia /usr/lib/verbalia /usr/share/doc/verbalia; do
    [ ! -e "$folder" ] || fail "$folder stays after the purge"
done
echo "package test passed: $(basename "$deb")"
