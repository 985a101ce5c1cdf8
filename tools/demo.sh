#!/usr/bin/env bash
# Installs what is missing, builds, prepares a demo game folder under build/demo/ with a stand-in
# Wine registry that points both editions at it, and starts the program on it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset default
cmake --build --preset default --target zentrimo

demo="$PWD/build/demo"
game="$demo/Half-Life"
prefix="$demo/wineprefix"
mkdir -p "$game/cstrike" "$prefix/dosdevices"

# The game's own files; a player's script is kept as it is from one demo run to the next, so that
# "Uninstall" has something to restore.
[ -f "$game/cstrike/config.cfg" ] || printf 'unbindall\r\nbind "w" "+forward"\r\nname "Player"\r\n' \
    >"$game/cstrike/config.cfg"
[ -f "$game/cstrike/autoexec.cfg" ] || printf '// my own settings\r\nbind "F1" "buy m4a1"\r\nfps_max "100"\r\n' \
    >"$game/cstrike/autoexec.cfg"

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
