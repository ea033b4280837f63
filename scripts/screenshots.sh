#!/usr/bin/env bash
# Takes the README's screenshots: the main window with a program selected, several programs selected
# with their marks, the find bar, the user guide, and the Channel List with a few channels locked and
# skipped.
# Usage: scripts/screenshots.sh [dishline-binary] [output-dir] [de]
# With "de" the editor runs in German and the pictures are named *-de.png.
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/shell/dishline}
out=${2:-docs}
language=${3:-}
suffix="" list_title="Channel List" list_keys="alt+v c" guide_title="Dishline User Guide" discard_key="alt+y"
if [ "$language" = de ]; then
    export LANGUAGE=de LANG=de_DE.UTF-8
    suffix="-de" list_title="Senderliste" list_keys="alt+a l" guide_title="Dishline-Benutzerhandbuch" discard_key="alt+j"
fi
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
import -window "$win" "$out/main-window$suffix.png"
check_not_blank "$out/main-window$suffix.png"
# Three programs selected and locked: their marks, and the count in the edit bar's title. Undone,
# and back to the second program.
xdotool key shift+Down shift+Down ctrl+l && sleep 0.5
import -window "$win" "$out/multi-select$suffix.png"
check_not_blank "$out/multi-select$suffix.png"
xdotool key ctrl+z Up Up && sleep 0.3
if [ -n "$suffix" ]; then
    # The satellite form: the longest labels.
    xdotool key Up Up Left Up Left && sleep 0.5
    import -window "$win" "$out/satellite-form$suffix.png"
    check_not_blank "$out/satellite-form$suffix.png"
fi

xdotool key F1
guide=$(wait_for_window "$guide_title")
xdotool windowactivate --sync "$guide" && sleep 0.5
# The keyboard shortcuts.
xdotool key Tab Page_Down Page_Down && sleep 0.3
import -window "$guide" "$out/user-guide$suffix.png"
check_not_blank "$out/user-guide$suffix.png"
xdotool key Escape && sleep 0.3
xdotool windowactivate --sync "$win" && sleep 0.3

xdotool key $list_keys
list=$(wait_for_window "$list_title")
sleep 0.5
# Lock the second and third channels, skip the fifth, and pick the fifth and seventh with Alt and Space.
xdotool key Down shift+Down ctrl+l Down Down ctrl+k alt+Down alt+Down space && sleep 0.5
import -window "$list" "$out/channel-list$suffix.png"
check_not_blank "$out/channel-list$suffix.png"
xdotool key Escape && sleep 0.5
xdotool key "$discard_key" && sleep 0.3

# The find bar with its filter on: the HD programs of every satellite.
xdotool key ctrl+f && sleep 0.3 && xdotool type hd && xdotool key Return Tab Tab Tab space && sleep 0.5
import -window "$win" "$out/find-bar$suffix.png"
check_not_blank "$out/find-bar$suffix.png"
xdotool key Escape && sleep 0.3

wmctrl -c "demo.NDF" 2>/dev/null || xdotool key --window "$win" alt+F4
wait "$app"
echo "Screenshots in $out/"
