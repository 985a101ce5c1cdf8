#!/usr/bin/env bash
# Installs what is missing, builds the Windows program against Qt for MinGW-w64 (../shared/qt6-mingw, or
# $ZENTRIMO_WINDOWS_QT) and
# makes the zip a player unpacks and runs: build-windows/zentrimo-windows.zip, one folder with the
# program, its music, Qt's DLLs and plugins, MinGW's runtime, a readme and the licences.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh
tools/install-deps.sh g++-mingw-w64-x86-64-posix
configureWindows
cmake --build --preset windows --target zentrimo
rm -f build-windows/zentrimo-windows.zip
(cd build-windows && cpack -G ZIP)
echo "Windows zip: build-windows/zentrimo-windows.zip, $(stat -c %s build-windows/zentrimo-windows.zip) bytes"
