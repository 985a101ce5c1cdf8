#!/usr/bin/env bash
# Installs what is missing, builds, prepares a demo game folder under build/demo/ with a stand-in
# Wine registry that points both editions at it, and starts the program on it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh
tools/install-deps.sh
cmake --preset default
cmake --build --preset default --target zentrimo

demo="$PWD/build/demo"
game="$demo/Half-Life"
prefix="$demo/wineprefix"
mkdir -p "$prefix/dosdevices"
# The player's script is kept from one demo run to the next, so that "Uninstall" has something to restore.
makeDemoGame "$game"

# Wine reaches the Unix root through drive Z:, and writes install paths in that form.
ln -sfn / "$prefix/dosdevices/z:"
winpath="Z:${game//\//\\\\}"
cat >"$prefix/user.reg" <<REG
WINE REGISTRY Version 2
;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000

#arch=win32

[Software\\\\Valve\\\\CounterStrike] 1733650000
#time=1db4a1b2c3d4e5f
"InstallPath"="$winpath"

[Software\\\\Valve\\\\Half-Life] 1733650000
#time=1db4a1b2c3d4e5f
"InstallPath"="$winpath"
REG

echo "Demo game folder: $game"
WINEPREFIX="$prefix" exec build/zentrimo
