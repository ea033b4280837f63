#!/usr/bin/env bash
# Helpers for scripts that drive dishline on a virtual X display with a window manager.
# Source it; call start_x_session, then stop_x_session when done.

start_x_session() {
    export DISPLAY=${XVFB_DISPLAY:-:97}
    Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    WM_PID=$!
    sleep 1
    unset QT_QPA_PLATFORM
}

stop_x_session() {
    kill "${WM_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
    wait 2>/dev/null || true
}

# Waits until a window whose title contains $1 is mapped, at most $2 tenths of a second (default
# 100); prints its id.
wait_for_window() {
    local id=""
    for _ in $(seq "${2:-100}"); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Fails when the PNG $1 is one flat colour.
check_not_blank() {
    local deviation
    deviation=$(convert "$1" -colorspace Gray -format '%[fx:standard_deviation]' info:)
    awk -v d="$deviation" 'BEGIN { exit !(d > 0.02) }' || { echo "screenshot $1 is blank" >&2; return 1; }
}
