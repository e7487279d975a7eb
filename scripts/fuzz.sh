#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, and runs each for SECONDS
# (default 60) from its checked-in seed corpus in fuzz/corpus/. Fails on the
# first finding; the input that caused it is kept in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

if ! command -v clang++ >/dev/null; then
    echo "fuzz.sh: clang++ is missing (scripts/setup.sh installs it)" >&2
    exit 1
fi
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERBALIA_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-fuzz --target fuzzers

mkdir -p build-fuzz/findings
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for harness in fuzz/*_fuzz.cpp; do
    name=$(basename "$harness" .cpp)
    # New inputs go to a working corpus; the checked-in seeds stay as they are.
    work=build-fuzz/corpus/$name
    mkdir -p "$work"
    build-fuzz/fuzz/"$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/findings/"$name"- "$work" fuzz/corpus/"$name" >build-fuzz/"$name".log 2>&1 || {
        tail -n 60 build-fuzz/"$name".log
        echo "fuzz.sh: $name found a fault; see build-fuzz/findings/" >&2
        exit 1
    }
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' build-fuzz/"$name".log)
    echo "$name: $runs inputs in ${seconds}s, no findings"
done
