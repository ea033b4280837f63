#!/usr/bin/env bash
# Takes the README's screenshots: the main window with a program selected, and the Channel List.
# Usage: scripts/screenshots.sh [dishline-binary] [output-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/shell/dishline}
out=${2:-docs}
scripts/install-deps.sh xvfb x11-utils xdotool wmctrl openbox imagemagick
[ -f samples/demo.NDF ] || python3 scripts/make-demo-ndf.py
mkdir -p "$out"
source scripts/xvfb-session.sh
start_x_session
trap stop_x_session EXIT

"$binary" samples/demo.NDF &
app=$!
win=$(wait_for_window "demo.NDF")
xdotool windowactivate --sync "$win" windowsize --sync "$win" 1040 660 && sleep 0.5
# First satellite, expand, first transponder, expand, second program.
xdotool key Right Down Right Down Down && sleep 0.5
import -window "$win" "$out/main-window.png"
check_not_blank "$out/main-window.png"

xdotool key alt+v c
list=$(wait_for_window "Channel List")
sleep 0.5
import -window "$list" "$out/channel-list.png"
check_not_blank "$out/channel-list.png"
xdotool key Escape && sleep 0.3

wmctrl -c "demo.NDF" 2>/dev/null || xdotool key --window "$win" alt+F4
wait "$app"
echo "Screenshots in $out/"
