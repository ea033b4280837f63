#!/usr/bin/env bash
# Builds the Debian package (hardened, stripped, with its debug symbols in dishline-dbgsym), checks it
# as a distribution would, installs it with apt-get, and checks the installed programs: ndftool
# answers --help, the manual pages are there, dishline starts offscreen, and on a virtual display
# with a window manager dishline shows the demo database, its screenshot is not blank, and the window
# manager's close request ends it without a prompt. Usage: scripts/package-check.sh [build-dir]
#
# The package check fails on any lintian error or warning (lintian --pedantic shows every tag; the
# ones that stay are justified in resources/debian/lintian-overrides), on an error of appstreamcli
# validate for the metainfo file, and on an error of desktop-file-validate for the desktop entry.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}
# The installed editor offers unsaved work from its recovery folder at start-up: a folder of its own
# keeps any left there by other runs out of the check.
XDG_STATE_HOME=$(mktemp -d)
export XDG_STATE_HOME
scripts/install-deps.sh dpkg-dev file binutils xvfb x11-utils xdotool wmctrl openbox imagemagick \
    scdoc lintian appstream desktop-file-utils man-db
# An existing build (CI's test build) is packaged as it is. The package takes its debug symbols from
# a build with debug information.
[ -f "$build/CMakeCache.txt" ] ||
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDISHLINE_TESTS=OFF -DDISHLINE_BENCH=OFF
cmake --build "$build" -j2 --target dishline ndftool man_pages changelogs
rm -f "$build"/dishline_*.deb "$build"/dishline-dbgsym_*.ddeb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/dishline_*.deb | head -n 1)
ddeb=$(ls "$build"/dishline-dbgsym_*.ddeb 2>/dev/null | head -n 1 || true)
dpkg-deb --info "$deb" | sed -n '/Maintainer\|Depends\|Recommends/p'
[ -n "$ddeb" ] || { echo "no dishline-dbgsym package: the programs were built without debug information" >&2; exit 1; }

echo "--- lintian --pedantic"
lintian --pedantic --display-info --fail-on error,warning "$deb" "$ddeb"
echo "--- appstreamcli validate"
appstreamcli validate --no-net resources/io.github.dishline.Dishline.metainfo.xml
echo "--- desktop-file-validate"
desktop-file-validate resources/dishline.desktop

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
test -f /usr/share/metainfo/io.github.dishline.Dishline.metainfo.xml
man -w dishline ndftool
test -f /usr/share/doc/dishline/changelog.Debian.gz
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
