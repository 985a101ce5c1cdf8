#!/usr/bin/env bash
# Times the program on a real display: each of the wizard's 35 steps from the key to the next form
# painted (inside the program, beside bare Qt windows doing the same flip), then start-up from launch
# to the first window mapped, beside a bare Qt window with a media player, alternating RUNS times
# (default 40: the ratio of medians of 15 runs still wanders by about 0.08 from one call to the next). Uses $DISPLAY, or a virtual display with a window manager of its own when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh
runs="${1:-40}"
tools/install-deps.sh xvfb openbox x11-utils python3
cmake --preset default -DZENTRIMO_TOOLS=ON >/dev/null
cmake --build --preset default --target zentrimo zentrimo_bare_window zentrimo_flip_benchmark

[ -n "${DISPLAY:-}" ] || startVirtualDisplay openbox

echo "== Flips: the key on one form to the next form painted"
build/tools/gui/zentrimo_flip_benchmark 2>/dev/null | grep -v -e '^PASS' -e '^\*\*\*' -e '^Config' -e '^Totals'
echo
echo "== Start-up: launch to the first window mapped, $runs runs each"
tools/startup-time.py "$runs" build/zentrimo -- build/tools/gui/zentrimo_bare_window build/input.dll
