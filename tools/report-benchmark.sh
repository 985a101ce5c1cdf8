#!/usr/bin/env bash
# Times reading the game's start-up into a report: a typical folder and a 64 MiB script, each the median
# of several runs. Builds the core alone, optimised, into build-bench/. Fails when a target is missed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENTRIMO_GUI=OFF -DZENTRIMO_BENCHMARKS=ON >/dev/null
cmake --build build-bench -j 2 --target zentrimo_startup_benchmark
build-bench/tools/bench/zentrimo_startup_benchmark
