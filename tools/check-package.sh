#!/usr/bin/env bash
# Builds the Debian package, checks its desktop entry and AppStream file, unpacks it into a fresh root
# and checks that the program installed there answers --version and finds its music.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh dpkg-dev desktop-file-utils appstream

desktop-file-validate assets/zentrimo.desktop

cmake --preset default
cmake --build --preset default --target zentrimo
appstreamcli validate --no-net build/assets/*.metainfo.xml
rm -f build/zentrimo_*.deb
(cd build && cpack -G DEB)
package=$(echo build/zentrimo_*.deb)
depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
# dpkg-shlibdeps found the Qt libraries the program links; the MP3 decoder comes with GStreamer's -good.
grep -q 'libqt6widgets6' <<<"$depends"
grep -q 'gstreamer1.0-plugins-good' <<<"$depends"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$package" "$root"
program="$root/usr/bin/zentrimo"

version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version)
echo "$version"
[ "$version" = "Zentrimo $(dpkg-deb -f "$package" Version)" ]
# The licence, and the AppStream file naming it and the package's version.
cmp LICENSE "$root/usr/share/doc/zentrimo/copyright"
metainfo=$(echo "$root"/usr/share/metainfo/*.metainfo.xml)
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo"
grep -q "<release version=\"$(dpkg-deb -f "$package" Version)\"" "$metainfo"

# Started without a screen, the program runs until it is stopped when its music is where it looks,
# and says on the console which piece is missing otherwise (its error box then waits for a click).
runFor3Seconds() {
    local status=0
    HOME="$root" XDG_RUNTIME_DIR="$root" QT_QPA_PLATFORM=offscreen timeout 3 "$program" 2>"$root/console" || status=$?
    [ "$status" -eq 124 ] || { echo "The program ended with $status:"; cat "$root/console"; exit 1; }
}
runFor3Seconds
if grep 'is missing!' "$root/console"; then
    exit 1
fi
mv "$root/usr/lib/zentrimo/input.dll" "$root/input.dll"
runFor3Seconds
grep -q 'input.dll is missing!' "$root/console" || { echo "A missing piece went unnoticed."; exit 1; }

echo "The package installs under /usr, starts and finds its music: $package"
