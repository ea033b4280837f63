#!/usr/bin/env bash
# Takes the README's screenshots: the main window with a program selected, several programs selected
# with their marks, the find bar, the user guide, and the Channel List with a few channels locked and
# skipped.
# Usage: scripts/screenshots.sh [dishline-binary] [output-dir] [de|tr|ru|ar]
# With a language the editor runs in it and the pictures are named *-LANGUAGE.png; in Turkish,
# Russian and Arabic only the main window and the Channel List are taken.
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/shell/dishline}
out=${2:-docs}
language=${3:-}
suffix="" list_title="Channel List" list_keys="alt+v c" guide_title="Dishline User Guide" discard_key="alt+y"
expand=Right collapse=Left
case "$language" in
"") ;;
de)
    export LANGUAGE=de LANG=de_DE.UTF-8
    suffix="-de" list_title="Senderliste" list_keys="alt+a l" guide_title="Dishline-Benutzerhandbuch" discard_key="alt+j"
    ;;
tr | ru | ar)
    export LANGUAGE=$language LANG=$language.UTF-8
    suffix="-$language" list_keys="F7"
    case "$language" in
    tr) list_title="Kanal Listesi" ;;
    ru) list_title="Список каналов" ;;
    # The tree is mirrored: its branches open to the left.
    ar) list_title="قائمة القنوات" expand=Left collapse=Right ;;
    esac
    ;;
*) echo "no screenshot keys for language $language" >&2; exit 2 ;;
esac
# xdotool's --name matches no title beyond ASCII: this finds the editor's window by its exact title.
wait_for_title() {
    local id
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null || true); do
            [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    echo "no window \"$1\"" >&2
    return 1
}
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
case "$language" in
tr | ru | ar)
    xdotool key $list_keys
    list=$(wait_for_title "$list_title")
    sleep 0.5
    import -window "$list" "$out/channel-list$suffix.png"
    check_not_blank "$out/channel-list$suffix.png"
    xdotool key Escape && sleep 0.3
    wmctrl -c "demo.NDF" 2>/dev/null || xdotool key --window "$win" alt+F4
    wait "$app"
    echo "Screenshots in $out/"
    exit 0
    ;;
esac
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
