#!/usr/bin/env bash
# Builds the parsers' libFuzzer targets (clang, ASan, UBSan) and runs each for a fixed time, by default
# 20 seconds; fails on any finding. Usage: tools/fuzz.sh [seconds]
# What a run finds is kept as build-fuzz/findings/<target>-crash-..., to replay with
# build-fuzz/fuzz/<target>_fuzzer <file>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

# libclang-rt-14-dev holds clang 14's libFuzzer and sanitizer runtimes.
tools/install-deps.sh clang-14 libclang-rt-14-dev
cmake --preset fuzz -DCMAKE_CXX_COMPILER=clang++-14
cmake --build --preset fuzz

mkdir -p build-fuzz/findings
for target in wine_registry steam_keyvalues settings_file saved_values startup_script; do
    # New inputs go to the first folder, so the seed corpus stays as checked in.
    mkdir -p "build-fuzz/corpus/$target"
    echo "== $target: $seconds s"
    "build-fuzz/fuzz/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-" \
        "build-fuzz/corpus/$target" "fuzz/corpus/$target"
done
