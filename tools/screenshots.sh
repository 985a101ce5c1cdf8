#!/usr/bin/env bash
# Renders every form and every message box to PNG files under build/screenshots/ (offscreen), at the
# desktop's default font, and at each font size in pixels given as an argument under
# build/screenshots/<size>px/. ZENTRIMO_TEST_LANGUAGE=ru (or another code) renders them in that language.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset default -DZENTRIMO_TOOLS=ON >/dev/null
cmake --build --preset default --target zentrimo_screenshots

render() {
    rm -rf "$1"
    SCREENSHOT_DIR="$1" SCREENSHOT_FONT_PIXELS="${2:-0}" QT_QPA_PLATFORM=offscreen \
        build/tools/gui/zentrimo_screenshots -silent >/dev/null
    echo "$(ls "$1"/*.png | wc -l) pictures in $1"
}

render build/screenshots
for pixels in "$@"; do
    render "build/screenshots/${pixels}px" "$pixels"
done
