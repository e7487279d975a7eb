#!/usr/bin/env bash
# Makes the Debian package from a build configured with VERBALIA_SYSTEM_INSTALL
# (scripts/package.sh deb): the install staged under /usr, its manual pages
# and changelog gzipped, its copyright, and a control file whose dependencies
# dpkg-shlibdeps finds; dpkg-deb packs it and lintian checks it (an error
# fails the script).
# Usage: make_deb.sh BUILD_FOLDER DIST_FOLDER
set -euo pipefail
build=$(realpath "$1")
mkdir -p "$2"
dist=$(realpath "$2")
source=$(realpath "$(dirname "$0")/..")
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
version=$(cached CMAKE_PROJECT_VERSION)
maintainer="The Verbalia developers <$(cached VERBALIA_MAILBOX)>"
arch=$(dpkg --print-architecture)
deb=$dist/verbalia_${version}_${arch}.deb

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/stage
DESTDIR=$stage cmake --install "$build" --strip >/dev/null
chmod 0644 "$stage"/usr/lib/verbalia/*.so
strip --remove-section=.comment --remove-section=.note "$stage"/usr/bin/* "$stage"/usr/lib/verbalia/*.so
gzip -9n "$stage"/usr/share/man/man1/*.1

doc=$stage/usr/share/doc/verbalia
mkdir -p "$doc"
{
    echo "Verbalia $version, a word finder for crosswords and word games."
    echo "Homepage: $(cached VERBALIA_WEB_PAGE)"
    echo
    sed '/^The release folder also carries/,$d' "$source/packaging/LICENSE.txt"
    echo "The words and the levels in /usr/share/verbalia:"
    echo
    cat "$build/packaging/wordlist-copyright.txt"
} > "$doc/copyright"
date=$(date -R -u -d "@${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct 2>/dev/null || date +%s)}")
printf 'verbalia (%s) stable; urgency=medium\n\n  * Verbalia %s.\n\n -- %s  %s\n' \
    "$version" "$version" "$maintainer" "$date" | gzip -9n > "$doc/changelog.gz"

# The libraries the programs need, as Debian's packages provide them.
mkdir -p "$work/debian" "$stage/DEBIAN"
printf 'Source: verbalia\n\nPackage: verbalia\nArchitecture: any\n' > "$work/debian/control"
libraries=$(cd "$work" && dpkg-shlibdeps -O -e stage/usr/bin/verbalia -e stage/usr/bin/verbalia-find \
    -e stage/usr/lib/verbalia/libverbalia-find-icu.so 2> >(grep -v 'should already be installed' >&2) \
    | sed -n 's/^shlibs:Depends=//p')
rm -r "$work/debian"
cat > "$stage/DEBIAN/control" <<CONTROL
Package: verbalia
Version: $version
Architecture: $arch
Maintainer: $maintainer
Installed-Size: $(du -sk "$stage/usr" | cut -f1)
Depends: $libraries, wordnet-base
Section: utils
Priority: optional
Homepage: $(cached VERBALIA_WEB_PAGE)
Description: word finder for crosswords and word games
 Verbalia keeps a list of known words and finds those that fit a wildcard
 pattern, those made of given letters or holding them, and those that sound
 like a given word, narrowed by length and by letters to leave out. It tells
 what a word means from the WordNet database, and grows its list from any
 text. The command verbalia-find does the same from the shell.
CONTROL
(cd "$stage" && find usr -type f -print0 | sort -z | xargs -0 md5sum) > "$stage/DEBIAN/md5sums"

rm -f "$dist"/verbalia_*.deb
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" >/dev/null
echo "$deb: $(du -h "$deb" | cut -f1) ($(stat -c %s "$deb") bytes)"
lintian "$deb" 2>&1 | grep -v '^running with root privileges' > "$work/lintian" || true
echo "lintian: $(grep -c . "$work/lintian") tags"
cat "$work/lintian"
! grep -q '^E:' "$work/lintian" || { echo "FAILED: lintian reports an error"; exit 1; }
