#!/usr/bin/env bash
# Builds the editor and starts it on the demo database. Usage: scripts/run-editor.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scripts/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2 --target dishline ndftool
[ -f samples/demo.NDF ] || python3 scripts/make-demo-ndf.py
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: run this from a desktop session (or set QT_QPA_PLATFORM)." >&2
    exit 1
fi
exec "$build/shell/dishline" samples/demo.NDF
