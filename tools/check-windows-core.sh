#!/usr/bin/env bash
# Cross-compiles the core for Windows, so that its Windows-only code keeps compiling although nothing
# here can run it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh g++-mingw-w64-x86-64-posix
cmake --preset windows-core
cmake --build --preset windows-core
