#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ and runs every test there. Any report from any process the
# tests start (the real window included) fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERBALIA_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-sanitize

reports=$PWD/build-sanitize/reports
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:suppressions=$PWD/scripts/asan.supp:log_path=$reports/asan"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"
status=0
ctest --test-dir build-sanitize --output-on-failure || status=$?

if compgen -G "$reports/*" >/dev/null; then
    cat "$reports"/*
    echo "sanitize.sh: sanitizer reports above" >&2
    exit 1
fi
exit $status
