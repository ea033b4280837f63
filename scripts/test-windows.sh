#!/usr/bin/env bash
# The editor and ndftool on Windows: cross-built on Debian with MinGW-w64 against a Qt built for
# Windows from Debian's own qtbase sources, every test run under Wine, a smoke test of dishline.exe
# under Wine with Xvfb, and the portable ZIP, itself started from a fresh Wine prefix.
#
# Usage: scripts/test-windows.sh [build-dir]      (default: build-windows)
#        scripts/test-windows.sh --qt-only        (only install the tools and build Qt for Windows)
#
# Qt for Windows is built once (about 20 minutes of two cores) into ${DISHLINE_WIN_QT}, default
# /var/cache/dishline/qt-6.4.2-mingw64, and reused while its stamp matches the configure line below.
# It builds at the lowest priority (nice 19) unless DISHLINE_QT_NICE says otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD

qt_only=0
if [ "${1:-}" = "--qt-only" ]; then
    qt_only=1
    shift
fi
build=${1:-build-windows}
qt_version=6.4.2
qt_prefix=${DISHLINE_WIN_QT:-/var/cache/dishline/qt-$qt_version-mingw64}
triplet=x86_64-w64-mingw32

started=$SECONDS
step() { echo "=== $* ($((SECONDS - started)) s) ==="; }

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

step "Tools: MinGW-w64, Wine, Ninja, the host Qt, Xvfb"
packages=(cmake ninja-build dpkg-dev xz-utils g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    binutils-mingw-w64-x86-64 wine wine64 googletest qt6-base-dev qt6-base-dev-tools qt6-tools-dev
    qt6-l10n-tools qt6-translations-l10n xvfb xdotool x11-utils imagemagick openbox zip unzip)
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The host Qt's tools (moc, rcc, uic, lrelease) serve the cross build; its version must be Qt's for Windows.
host_qt=$(dpkg-query -W -f='${Version}' qt6-base-dev)
case $host_qt in
    "$qt_version"+*) ;;
    *) echo "The host Qt is $host_qt; the cross build needs the host tools of Qt $qt_version" >&2; exit 1 ;;
esac

# Everything the editor needs and nothing more: fewer modules, a shorter build.
qt_configure=(-prefix "$qt_prefix" -release -shared -opensource -confirm-license
    -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-direct2d -no-feature-directwrite3 -no-feature-tabletevent
    -no-feature-network -no-feature-sql -no-feature-xml -no-feature-printsupport -no-feature-concurrent
    -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion)
# The cross compilers: the POSIX thread variant (std::thread and std::mutex), the runtime as DLLs
# (libstdc++-6, libgcc_s_seh-1, libwinpthread-1) shared by Qt and the programs.
qt_toolchain="set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $triplet-gcc-posix)
set(CMAKE_CXX_COMPILER $triplet-g++-posix)
set(CMAKE_RC_COMPILER $triplet-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$triplet)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)"
qt_stamp="qtbase $qt_version (Debian source ${host_qt}) for $triplet: ${qt_configure[*]}
$qt_toolchain"

if [ -f "$qt_prefix/dishline-qt.stamp" ] && [ "$(cat "$qt_prefix/dishline-qt.stamp")" = "$qt_stamp" ]; then
    step "Qt $qt_version for Windows: reusing $qt_prefix"
else
    step "Qt $qt_version for Windows: building into $qt_prefix"
    if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
        # Debian's source packages of the running release.
        codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
        printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
            "$codename" "$codename" | $sudo tee /etc/apt/sources.list.d/dishline-deb-src.sources >/dev/null
        $sudo apt-get update -qq
    fi
    work=$(mktemp -d "${TMPDIR:-/tmp}/dishline-qt.XXXXXX")
    (
        cd "$work"
        # Debian's source of the host's qtbase, with Debian's patches applied: the exact revision
        # where the archive still has it, else the release's current revision of the same version.
        apt-get source -qq "qt6-base=$host_qt" || apt-get source -qq qt6-base
        src=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n1)
        [ -n "$src" ] || { echo "No qtbase $qt_version source in the archive" >&2; exit 1; }
        echo "$qt_toolchain" >"$work/mingw-w64-qt.cmake"
        # A fresh build folder for every configure line: a reconfigure in place keeps old features.
        mkdir build
        cd build
        "$src/configure" "${qt_configure[@]}" -- -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
            -DCMAKE_TOOLCHAIN_FILE="$work/mingw-w64-qt.cmake"
        nice -n "${DISHLINE_QT_NICE:-19}" cmake --build . --parallel 2
        $sudo rm -rf "$qt_prefix"
        $sudo cmake --install .
    )
    echo "$qt_stamp" | $sudo tee "$qt_prefix/dishline-qt.stamp" >/dev/null
    rm -rf "$work"
    step "Qt $qt_version for Windows: built"
fi
# Qt's own translations ("Ja", "Nein") come from another source package: the host's, of the same version.
if [ ! -f "$qt_prefix/translations/qtbase_de.qm" ]; then
    $sudo mkdir -p "$qt_prefix/translations"
    $sudo cp /usr/share/qt6/translations/qtbase_*.qm "$qt_prefix/translations/"
fi
[ "$qt_only" -eq 0 ] || exit 0

step "Build for Windows: editor, ndftool, all tests (Release, warnings as errors)"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Qt's toolchain file finds Qt for Windows and the host tools; it loads ours for the compilers.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64.cmake" -DDISHLINE_MINGW_STATIC_RUNTIME=OFF \
    -DDISHLINE_BENCH=OFF -DDISHLINE_WERROR="${DISHLINE_WERROR:-ON}" -DDISHLINE_GTEST_SOURCE_DIR=/usr/src/googletest \
    "${launcher[@]}"
nice cmake --build "$build" -j2

# Wine: the 64-bit loader (Debian's wrapper warns about a missing 32-bit Wine), a fresh prefix.
wine=""
for candidate in wine64 /usr/lib/wine/wine64 wine; do
    if command -v "$candidate" >/dev/null; then
        wine=$(command -v "$candidate")
        break
    fi
done
[ -n "$wine" ] || { echo "Wine is not installed" >&2; exit 1; }
wineserver=$(dirname "$wine")/wineserver
command -v "$wineserver" >/dev/null || wineserver=wineserver
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
prefixes=()
new_prefix() {
    WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/dishline-wine.XXXXXX")
    export WINEPREFIX WINEDEBUG=-all
    prefixes+=("$WINEPREFIX")
    "$wine" wineboot --init >/dev/null 2>&1 || true
}
end_prefix() { "$wineserver" -k 2>/dev/null || true; }
# A display of its own: other runs may have theirs.
if [ -z "${XVFB_DISPLAY:-}" ]; then
    display=150
    while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
    export XVFB_DISPLAY=:$display
fi
source scripts/xvfb-session.sh
cleanup() {
    for prefix in "${prefixes[@]}"; do
        WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null || true
        rm -rf "$prefix"
    done
    stop_x_session
}
trap cleanup EXIT

# Qt's registry key must stay untouched: Qt's dialogs keep their settings there on Windows.
expect_no_qt_registry() {
    if "$wine" reg query 'HKCU\Software\QtProject' >/dev/null 2>&1; then
        echo "Qt's settings were written to the registry ($1):" >&2
        "$wine" reg query 'HKCU\Software\QtProject' /s >&2 || true
        exit 1
    fi
}

step "Tests under Wine"
new_prefix
# The DLLs the build tree's programs load: Qt's and the compiler's runtime.
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
pthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
export WINEPATH="$(windows_path "$qt_prefix/bin");$(windows_path "$runtime");$(windows_path "$pthread")"
ctest --test-dir "$build" --output-on-failure -j2 --timeout 900 | tee "$build/ctest-wine.log"
expect_no_qt_registry "after the tests"
end_prefix
unset WINEPATH

# The smoke test: the demo opened, a channel moved in the Channel List, saved; the same keys given to
# the native editor must save the same bytes. Prints the saved file's path.
smoke() {
    local label=$1 work app win title list
    shift
    work=$(mktemp -d "${TMPDIR:-/tmp}/dishline-smoke.XXXXXX")
    cp samples/demo.NDF "$work/demo.NDF"
    "$@" "$work/demo.NDF" >"$work.log" 2>&1 &
    app=$!
    win=$(wait_for_window "demo.NDF" 600) || { echo "$label: no main window" >&2; cat "$work.log" >&2; return 1; }
    title=$(xdotool getwindowname "$win")
    echo "$title" >"$work.title"
    xdotool windowactivate --sync "$win" windowsize --sync "$win" 1040 660
    sleep 2
    # First satellite, expand, first transponder, expand, second program: the README's picture.
    xdotool key --delay 150 Right Down Right Down Down
    sleep 2
    import -window "$win" "$work.png"
    xdotool key --delay 150 alt+v c
    list=$(wait_for_window "Channel List" 300) || { echo "$label: no Channel List" >&2; return 1; }
    xdotool windowactivate --sync "$list"
    sleep 1
    # The current channel to the end of the list, then OK (Ctrl+Return), then Save.
    xdotool key --delay 200 Down ctrl+End ctrl+Return
    sleep 2
    xdotool windowactivate --sync "$win" key ctrl+s
    for _ in $(seq 100); do
        cmp -s samples/demo.NDF "$work/demo.NDF" || break
        sleep 0.2
    done
    sleep 1
    xdotool windowactivate --sync "$win" key alt+F4
    for _ in $(seq 150); do kill -0 "$app" 2>/dev/null || break; sleep 0.2; done
    if kill -0 "$app" 2>/dev/null; then
        echo "$label: the editor did not close" >&2
        kill "$app"
        return 1
    fi
    wait "$app" || true
    [ "$(ls -A "$work")" = "demo.NDF" ] || { echo "$label: left in the folder: $(ls -A "$work")" >&2; return 1; }
    ! cmp -s samples/demo.NDF "$work/demo.NDF" || { echo "$label: nothing was saved" >&2; return 1; }
    echo "$work"
}

start_x_session
step "Smoke test: the native editor"
native=${DISHLINE_NATIVE:-}
if [ -z "$native" ]; then
    cmake -S . -B "$build-native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDISHLINE_TESTS=OFF -DDISHLINE_BENCH=OFF \
        "${launcher[@]}" >/dev/null
    nice cmake --build "$build-native" -j2 --target dishline
    native=$build-native/shell/dishline
fi
reference=$(smoke native "$native")

# dishline.exe under Wine in a prefix that has only what the folder brings.
smoke_windows() {
    local label=$1 folder=$2 saved
    new_prefix
    saved=$(smoke "$label" "$wine" "$folder/dishline.exe")
    expect_no_qt_registry "$label"
    end_prefix
    cmp "$reference/demo.NDF" "$saved/demo.NDF" || { echo "$label: saved other bytes than the native editor" >&2; exit 1; }
    [ "$(cat "$saved.title")" = "$(cat "$reference.title")" ] ||
        { echo "$label: title \"$(cat "$saved.title")\", natively \"$(cat "$reference.title")\"" >&2; exit 1; }
    echo "$label: \"$(cat "$saved.title")\", saved the same $(stat -c %s "$saved/demo.NDF") bytes as the native editor"
    cp "$saved.png" "$build/windows-$label.png"
}

step "Package: the portable ZIP"
(cd "$build" && cpack -G ZIP >/dev/null)
version=$(sed -n 's/^project(Dishline VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
zip="$build/dishline-$version-windows-x64.zip"
[ -f "$zip" ] || { echo "No $zip" >&2; exit 1; }
unzip -l "$zip"
echo "$(basename "$zip"): $(stat -c %s "$zip") bytes"

step "Smoke test: dishline.exe from the ZIP in a fresh Wine prefix"
unpacked=$(mktemp -d "${TMPDIR:-/tmp}/dishline-zip.XXXXXX")
unzip -q "$zip" -d "$unpacked"
folder="$unpacked/dishline-$version-windows-x64"
smoke_windows zip "$folder"
new_prefix
"$wine" "$folder/ndftool.exe" check "$(windows_path "$reference/demo.NDF")" | tr -d '\r' | grep -qx OK
end_prefix
rm -rf "$unpacked"

step "Windows build tested"
grep -E '^[0-9]+% tests passed' "$build/ctest-wine.log"
echo "Screenshot under Wine: $build/windows-zip.png"
