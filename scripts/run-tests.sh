#!/usr/bin/env bash
# Builds everything and runs every test. Usage: scripts/run-tests.sh [build-dir]
# DISHLINE_WERROR=ON in the environment turns the project's warnings into errors (CI does).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scripts/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${DISHLINE_WERROR:+"-DDISHLINE_WERROR=$DISHLINE_WERROR"}
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2
