#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need, and any named as arguments,
# when any is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libgtest-dev googletest
    nettle-dev
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
