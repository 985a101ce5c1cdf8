#!/usr/bin/env bash
# Renders the program's icon (assets/pictures/zentrimo.svg) at the sizes Windows shows it and writes
# them as one .ico for the Windows program's resources. Every run writes the same file.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh" librsvg2-bin icoutils
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

bitmaps=()
for size in 16 20 24 32 40 48 64 256; do
    rsvg-convert --width "$size" --height "$size" --output "$work/$size.png" "$root/assets/pictures/zentrimo.svg"
    [ "$size" -lt 256 ] && bitmaps+=("$work/$size.png")
done
# The largest size is kept as a PNG inside the icon, as Windows expects; the others are bitmaps.
mkdir -p "$root/assets/windows"
icotool --create --output="$root/assets/windows/zentrimo.ico" "${bitmaps[@]}" --raw="$work/256.png"
