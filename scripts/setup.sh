#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root) and builds into build/;
# with --packages-only it stops once the packages are installed, with
# --programs it builds only what the window needs to start. With
# VERBALIA_WARNINGS_AS_ERRORS=ON (as CI runs it) a compiler warning fails the build.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgl-dev libicu-dev libxcb1-dev
          libgtest-dev libbenchmark-dev xvfb fonts-liberation desktop-file-utils wbritish-huge wbritish-insane
          wamerican-insane openbox xdotool x11-utils xdg-utils wmctrl clang libclang-rt-14-dev groff-base man-db
          wordnet-base libcap2-bin lintian appstream libacl1-dev acl attr scowl libcli11-dev hyperfine)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}"
fi
[ "${1:-}" = --packages-only ] && exit 0

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_COMPILE_WARNING_AS_ERROR="${VERBALIA_WARNINGS_AS_ERRORS:-OFF}" >/dev/null
if [ "${1:-}" = --programs ]; then
    cmake --build build --target programs
else
    cmake --build build
fi
