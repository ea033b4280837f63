#!/usr/bin/env bash
# Builds the programs and shows the sample database with ndftool (the editor takes over here once it exists).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scripts/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDISHLINE_TESTS=OFF -DDISHLINE_BENCH=OFF
cmake --build "$build" -j2 --target ndftool
"$build/cli/ndftool" info samples/example.ndf
