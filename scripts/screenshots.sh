#!/usr/bin/env bash
# Takes the README's screenshots: the main window with a program selected, several programs selected
# with their marks, the find bar, and the Channel List.
# Usage: scripts/screenshots.sh [dishline-binary] [output-dir] [de|tr|ru|ar]
# With a language the editor runs in it and the pictures are named *-LANGUAGE.png.
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/shell/dishline}
out=${2:-docs}
language=${3:-}
# The View menu's letter and its Channel List item's, and the Channel List's title, in each language.
expand=Right collapse=Left
case "$language" in
"") list_title="Channel List" list_keys="alt+v c" ;;
de) list_title="Senderliste" list_keys="alt+a l" ;;
tr) list_title="Kanal Listesi" list_keys="alt+g k" ;;
# xdotool cannot type Cyrillic or Arabic menu letters on the virtual display's keyboard: these click the
# tool bar's Channel List button instead (the 12th, mirrored in Arabic).
ru) list_title="Список каналов" list_keys="" list_button=380 ;;
ar)
    list_title="قائمة القنوات" list_keys="" list_button=$((1040 - 381))
    # The tree is mirrored: its branches open to the left.
    expand=Left collapse=Right
    ;;
*) echo "no screenshot keys for language $language" >&2; exit 2 ;;
esac
suffix=""
if [ -n "$language" ]; then
    export LANGUAGE=$language LANG=$language.UTF-8
    suffix="-$language"
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
xdotool key $expand Down $expand Down Down && sleep 0.5
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
    xdotool key Up Up $collapse Up $collapse && sleep 0.5
    import -window "$win" "$out/satellite-form$suffix.png"
    check_not_blank "$out/satellite-form$suffix.png"
fi

if [ -n "$list_keys" ]; then
    xdotool key $list_keys
else
    xdotool mousemove --window "$win" "$list_button" 36 click 1
fi
# xdotool's --name does not match titles outside ASCII: the dialog is the editor's window with the title.
list=""
for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null || true); do
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$list_title" ] && list=$id
    done
    [ -n "$list" ] && break
    sleep 0.1
done
[ -n "$list" ] || { echo "the Channel List did not open" >&2; exit 1; }
sleep 0.5
import -window "$list" "$out/channel-list$suffix.png"
check_not_blank "$out/channel-list$suffix.png"
xdotool key Escape && sleep 0.3

# The find bar with its filter on: the HD programs of every satellite.
xdotool key ctrl+f && sleep 0.3 && xdotool type hd && xdotool key Return Tab Tab Tab space && sleep 0.5
import -window "$win" "$out/find-bar$suffix.png"
check_not_blank "$out/find-bar$suffix.png"
xdotool key Escape && sleep 0.3

wmctrl -c "demo.NDF" 2>/dev/null || xdotool key --window "$win" alt+F4
wait "$app"
echo "Screenshots in $out/"
