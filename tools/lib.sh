# What the scripts under tools/ share; each sources it after changing to the project's folder.

# Commands run when the script ends, last added first.
exitCommands=()
onExit() {
    exitCommands=("$1" "${exitCommands[@]}")
    trap 'for command in "${exitCommands[@]}"; do eval "$command"; done' EXIT
}

# Qt for Windows (MinGW-w64) beside the project, unless ZENTRIMO_WINDOWS_QT names another.
windowsQt="${ZENTRIMO_WINDOWS_QT:-$(cd .. && pwd)/shared/qt6-mingw}"

# The windows preset against that Qt.
configureWindows() {
    cmake --preset windows -DZENTRIMO_WINDOWS_QT="$windowsQt"
}

# A virtual display of its own on the first free number from 90, with openbox managing its windows
# when "openbox" is given; exports DISPLAY and stops them when the script ends.
startVirtualDisplay() {
    local display=90
    while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    onExit "kill $! 2>/dev/null || true"
    export DISPLAY=":$display"
    for _ in {1..60}; do xdpyinfo >/dev/null 2>&1 && break || sleep 0.5; done
    if [ "${1:-}" = openbox ]; then
        openbox >/dev/null 2>&1 &
        onExit "kill $! 2>/dev/null || true"
        sleep 1
    fi
}

# Wine's services outlive the programs that start them and would hold CTest's output open: one server,
# started first and stopped last, owns them. Uses $WINEPREFIX, made afresh.
startWine() {
    rm -rf "$WINEPREFIX" && mkdir -p "$WINEPREFIX"
    wineserver -p >/dev/null 2>&1
    wine wineboot --init >/dev/null 2>&1
}
stopWine() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

# The files of a game that has been started once, in FOLDER/cstrike, each written only when missing so
# that a player's script is kept from one run to the next.
makeDemoGame() {
    mkdir -p "$1/cstrike"
    [ -f "$1/cstrike/config.cfg" ] || printf 'unbindall\r\nbind "w" "+forward"\r\nname "Player"\r\n' \
        >"$1/cstrike/config.cfg"
    [ -f "$1/cstrike/autoexec.cfg" ] || printf '// my own settings\r\nbind "F1" "buy m4a1"\r\nfps_max "100"\r\n' \
        >"$1/cstrike/autoexec.cfg"
}
