#!/usr/bin/env bash
# Installs what is missing, cross-compiles the core and its tests for 64-bit Windows into
# build-windows-core/ and runs them through CTest under Wine, in a fresh prefix without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh
tools/install-deps.sh g++-mingw-w64-x86-64-posix wine wine64 locales
cmake --preset windows-core
cmake --build --preset windows-core

export WINEPREFIX="$PWD/build-windows-core/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine names files outside ASCII in the locale's character set: UTF-8, whatever this machine's is.
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
onExit stopWine
startWine
ctest --preset windows-core
