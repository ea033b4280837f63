#!/usr/bin/env bash
# Cross-builds the core and its GoogleTest tests for Windows with MinGW-w64 and runs them under Wine.
# Usage: scripts/test-windows-core.sh [build-dir]   (default: build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}

packages=(cmake make g++-mingw-w64-x86-64-posix wine wine64 googletest)
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Debug \
    -DDISHLINE_GUI=OFF -DDISHLINE_CLI=OFF -DDISHLINE_BENCH=OFF -DDISHLINE_GTEST_SOURCE_DIR=/usr/src/googletest \
    "${launcher[@]}"
cmake --build "$build" -j2
# Every GoogleTest executable of the core-only build: the database, integrity and SATCODX tests.
mapfile -t tests < <(find "$build/tests" -name '*_tests.exe' | sort)
[ ${#tests[@]} -gt 0 ] || { echo "No test executables in $build/tests" >&2; exit 1; }

# Debian's wine wrapper warns about a missing 32-bit Wine on every start; the 64-bit loader does not.
wine=""
for candidate in wine64 /usr/lib/wine/wine64 wine; do
    if command -v "$candidate" >/dev/null; then
        wine=$(command -v "$candidate")
        break
    fi
done
[ -n "$wine" ] || { echo "Wine is not installed" >&2; exit 1; }

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/dishline-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all
cleanup() {
    wineserver=$(dirname "$wine")/wineserver
    command -v "$wineserver" >/dev/null && WINEPREFIX=$WINEPREFIX "$wineserver" -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
"$wine" wineboot --init >/dev/null 2>&1 || true

# GoogleTest's summary lines: "[  PASSED  ] N tests.", "[  FAILED  ] N tests, listed below:", "[  SKIPPED ] N tests, ..."
count() { sed -n "s/^\[  $1 *\] \([0-9]*\) tests\?[.,].*/\1/p" "$2" | head -n1; }

export DISHLINE_SOURCE_DIR=$PWD
passed=0
failed=0
skipped=0
for exe in "${tests[@]}"; do
    test=$(basename "$exe" .exe)
    log="$build/$test.log"
    echo "=== $test (under Wine) ==="
    status=0
    timeout 600 "$wine" "$exe" --gtest_brief=1 >"$log" 2>&1 </dev/null || status=$?
    cat "$log"
    p=$(count PASSED "$log")
    f=$(count FAILED "$log")
    s=$(count SKIPPED "$log")
    if [ -z "$p" ] && [ -z "$f" ]; then
        echo "$test ended without a summary (exit code $status)"
        f=1
    elif [ "$status" -ne 0 ] && [ -z "$f" ]; then
        echo "$test exited with $status"
        f=1
    fi
    passed=$((passed + ${p:-0}))
    failed=$((failed + ${f:-0}))
    skipped=$((skipped + ${s:-0}))
done

echo "Windows core tests under Wine: ${#tests[@]} executables"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
