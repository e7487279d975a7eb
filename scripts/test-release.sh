#!/usr/bin/env bash
# Makes the release archive and the Debian package and tests each as a user
# gets it (Debian 12, as root).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/package.sh
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target x11_close >/dev/null
tests/release/release_test.sh dist/verbalia-*-linux-*.tar.gz build/tests/x11_close
scripts/package.sh deb
tests/release/package_test.sh dist/verbalia_*_"$(dpkg --print-architecture)".deb build/tests/x11_close
