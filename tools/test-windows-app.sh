#!/usr/bin/env bash
# Installs what is missing, builds the Windows program and its window tests against Qt for MinGW-w64
# (../shared/qt6-mingw, or $ZENTRIMO_WINDOWS_QT), and in a fresh Wine prefix without a display:
#  - runs the window tests through CTest, offscreen;
#  - makes the zip (tools/package-windows.sh), unpacks it into a fresh folder and starts the program
#    there under Xvfb with Qt's windows platform, on a demo game folder that the prefix's registry
#    names: its first window shows, the keyboard walks it to the wizard's first form, and closing that
#    ends the program with exit code 0;
#  - starts a copy without input.dll: the error box shows with its text and icon, and OK ends the
#    program with exit code 1.
# Screenshots go to build-windows/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh
started=$SECONDS
tools/install-deps.sh g++-mingw-w64-x86-64-posix wine wine64 fonts-wine fonts-dejavu-core xvfb x11-utils xdotool imagemagick
configureWindows
cmake --build --preset windows
tools/package-windows.sh

build=$PWD/build-windows
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
rm -rf "$build/screenshots" && mkdir -p "$build/screenshots"
onExit stopWine
startWine
ctest --preset windows
stopWine

# The program itself in a fresh prefix, on a screen, which Wine's services start on too.
startVirtualDisplay
# The music plays to ALSA's null device, silent and in time, on a machine with or without sound.
export ALSA_CONFIG_PATH="$build/tests/gui/null-sound.conf" WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winepulse.drv=d"
# Qt's messages reach the console (Wine gives QT_X to the program as WINEQT_X).
export WINEQT_FORCE_STDERR_LOGGING=1
startWine

# A fresh folder of its own for every start of the unpacked program.
unpack() {
    rm -rf "$build/$1" && mkdir -p "$build/$1"
    (cd "$build/$1" && cmake -E tar xf "$build/zentrimo-windows.zip")
    program="$build/$1/zentrimo-windows/zentrimo.exe"
}

# The game's own files in the prefix's C: drive, and the Steam edition's registry value naming them.
game="$WINEPREFIX/drive_c/Games/Half-Life"
makeDemoGame "$game"
wine reg add 'HKCU\Software\valve\half-life' /v InstallPath /t REG_SZ /d 'C:\Games\Half-Life' /f >/dev/null

# The program's windows on screen, all titled "Zentrimo", one id a line.
windows() { xdotool search --onlyvisible --name '^Zentrimo$' 2>/dev/null | sort || true; }
# Waits until the windows on screen differ from $1 and have stayed so for two seconds (the next form
# shows before the last one goes); leaves them in $shown and the one that came last in $new.
awaitChange() {
    local deadline=$((SECONDS + 60)) settled=
    shown=$(windows)
    while [ "$shown" = "$1" ] || [ -z "$shown" ] || [ "$shown" != "$settled" ]; do
        ((SECONDS < deadline)) || { echo "No window change after: ${2}" >&2 && exit 1; }
        settled=$shown
        sleep 2
        shown=$(windows)
    done
    new=$(comm -13 <(echo "$1") <(echo "$shown") | tail -n 1)
    [ -n "$new" ] || { echo "No new window after: ${2}" >&2 && exit 1; }
}
keys() {
    xdotool windowfocus "$1"
    sleep 0.5
    xdotool key --clearmodifiers "${@:2}"
}
screenshot() { import -window root "$build/screenshots/$1.png"; }
awaitExit() {
    local status=0
    timeout 60 tail --pid="$1" -f /dev/null || { echo "The program did not end." >&2 && exit 1; }
    wait "$1" || status=$?
    [ "$status" -eq "$2" ] || { echo "The program ended with $status, not $2." >&2 && exit 1; }
}

echo "The zipped program on the demo game folder:"
unpack unpacked
grep -q 'GNU GENERAL PUBLIC LICENSE' "$(dirname "$program")/LICENSE.txt" || { echo "The zip holds no licence." >&2 && exit 1; }
wine "$program" >"$build/program.log" 2>&1 &
pid=$!
awaitChange "" "the start"
startWindow=$shown
echo "  shows its first window"
# The edition frame slides in and reveals its options and Next one after another.
sleep 8
screenshot start-window
keys "$new" Down alt+n
awaitChange "$startWindow" "Next on the start window"
directoryPage=$shown
screenshot directory-page
keys "$new" alt+n
awaitChange "$directoryPage" "Next on the folder page"
screenshot first-form
# The folder page went away for a form of its own, not for a box over it ("couldn't find").
[ "$shown" = "$new" ] || { echo "The folder from the registry was refused." >&2 && exit 1; }
echo "  walks to the wizard's first form on the folder that the registry names"
keys "$new" alt+F4
awaitExit "$pid" 0
echo "  ends with exit code 0 when its window is closed"

echo "The zipped program without input.dll:"
unpack unpacked-missing
rm "$(dirname "$program")/input.dll"
wine "$program" >"$build/missing.log" 2>&1 &
pid=$!
awaitChange "" "the start without input.dll"
box=$new
sleep 2
screenshot missing-music
grep -q 'input.dll is missing!' "$build/missing.log" || { echo "No word of the missing piece." >&2 && exit 1; }
# The error icon: a red disc in the box.
red=$(import -window "$box" png:- | convert - -fx 'r > 0.7 && g < 0.3 && b < 0.3 ? 1 : 0' -format '%[fx:round(mean * w * h)]' info:)
((red > 50)) || { echo "The box has no error icon ($red red pixels)." >&2 && exit 1; }
echo "  shows \"input.dll is missing!\" with the error icon"
keys "$box" Return
awaitExit "$pid" 1
echo "  ends with exit code 1 when the box is closed"
echo "Windows program: checked in $((SECONDS - started)) seconds; zip $(stat -c %s "$build/zentrimo-windows.zip") bytes"
