#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get, and checks the installed programs: ndftool
# answers --help, dishline starts offscreen, and on a virtual display with a window manager
# dishline shows the demo database, its screenshot is not blank, and the window manager's close
# request ends it without a prompt. Usage: scripts/package-check.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}
scripts/install-deps.sh dpkg-dev file xvfb x11-utils xdotool wmctrl openbox imagemagick
# An existing build (CI's test build) is packaged as it is.
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DDISHLINE_TESTS=OFF -DDISHLINE_BENCH=OFF
cmake --build "$build" -j2 --target dishline ndftool
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/dishline_*.deb | head -n 1)
dpkg-deb --info "$deb" | sed -n '/Depends/p'

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "./$deb"

echo "--- ndftool --help"
/usr/bin/ndftool --help | head -n 5
echo "--- dishline starts offscreen"
status=0
QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/dishline samples/demo.NDF || status=$?
[ "$status" -eq 124 ] || { echo "dishline ended early with status $status" >&2; exit 1; }
test -f /usr/share/applications/dishline.desktop
test -f /usr/share/mime/packages/dishline-ndf.xml
grep -q "MIT License" /usr/share/doc/dishline/copyright

echo "--- dishline on a virtual display"
source scripts/xvfb-session.sh
start_x_session
trap stop_x_session EXIT
/usr/bin/dishline samples/demo.NDF &
app=$!
win=$(wait_for_window "demo.NDF")
sleep 1
shot=$(mktemp --suffix=.png)
import -window root "$shot"
check_not_blank "$shot"
wmctrl -c "demo.NDF"
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then
    echo "dishline did not close on the close request" >&2
    kill "$app"
    exit 1
fi
wait "$app"
echo "Package check passed"
