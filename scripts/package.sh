#!/usr/bin/env bash
# Builds the two programs in Release into build-release/ and packs the
# portable release folder as dist/verbalia-<version>-linux-<arch>.tar.gz.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --packages-only

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVERBALIA_TESTS=OFF -DVERBALIA_BENCHMARKS=OFF >/dev/null
cmake --build build-release
rm -rf dist
(cd build-release && cpack -B "$PWD/../dist" >/dev/null)
rm -rf dist/_CPack_Packages
for archive in dist/*.tar.gz; do
    echo "$archive: $(du -h "$archive" | cut -f1) ($(stat -c %s "$archive") bytes)"
done
