#!/usr/bin/env bash
# Times what a restore point adds to an apply of a typical game folder, and listing 30 points, each the
# median of several runs. Builds the core alone, optimised, into build-bench/. Fails when a target is missed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENTRIMO_GUI=OFF -DZENTRIMO_BENCHMARKS=ON >/dev/null
cmake --build build-bench -j 2 --target zentrimo_restore_points_benchmark
build-bench/tools/bench/zentrimo_restore_points_benchmark
