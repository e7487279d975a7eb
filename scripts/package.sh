#!/usr/bin/env bash
# Makes a release into dist/ (Debian 12):
#   scripts/package.sh       the portable folder, built in Release into
#                            build-release/: verbalia-<version>-linux-<arch>.tar.gz
#   scripts/package.sh deb   the Debian package, built for a system install
#                            into build-deb/: verbalia_<version>_<arch>.deb
# With VERBALIA_WARNINGS_AS_ERRORS=ON (as CI runs it) a compiler warning fails the build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --packages-only
kind=${1:-tgz}
release_options=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DVERBALIA_TESTS=OFF -DVERBALIA_BENCHMARKS=OFF
                 -DCMAKE_COMPILE_WARNING_AS_ERROR="${VERBALIA_WARNINGS_AS_ERRORS:-OFF}")
mkdir -p dist

report() { echo "$1: $(du -h "$1" | cut -f1) ($(stat -c %s "$1") bytes)"; }

case $kind in
tgz)
    cmake -S . -B build-release "${release_options[@]}" >/dev/null
    cmake --build build-release
    rm -f dist/*.tar.gz
    (cd build-release && cpack -B "$PWD/../dist" >/dev/null)
    rm -rf dist/_CPack_Packages
    for archive in dist/*.tar.gz; do report "$archive"; done
    ;;
deb)
    # Debian's hardening flags, as a package built by dpkg-buildpackage gets them.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    cmake -S . -B build-deb "${release_options[@]}" -DVERBALIA_SYSTEM_INSTALL=ON -DCMAKE_INSTALL_PREFIX=/usr \
        -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
        -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
        -DCMAKE_SHARED_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
    cmake --build build-deb
    packaging/make_deb.sh build-deb dist
    ;;
*)
    echo "Usage: scripts/package.sh [tgz|deb]" >&2
    exit 64
    ;;
esac
