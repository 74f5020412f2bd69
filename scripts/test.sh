#!/bin/sh
# Build both targets and run every test under Wine, in Xvfb when there is no display.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
sh scripts/deps.sh test

cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2
sh scripts/wine-prefix.sh

. scripts/xvfb.sh
export WINEPREFIX="$root/build/wine" WINEDEBUG=-all
# No sound card is wanted here: the cues are checked by what the program asks for.
export WINEDLLOVERRIDES="winealsa.drv,winepulse.drv,wineoss.drv="
server=/usr/lib/wine/wineserver
cleanup() {
    $server -k 2>/dev/null || true
    WINEPREFIX="$root/build/wine120" $server -k 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT INT TERM
# One server per prefix for the whole run, so that every test process starts quickly.
# The first program also starts Wine's services and its desktop, which keep that program's
# output open and make two programs started together wait on each other: let it be one
# window whose output nobody waits for.
for prefix in "$root/build/wine" "$root/build/wine120"; do
    WINEPREFIX="$prefix" $server -p </dev/null >/dev/null 2>&1
    WINEPREFIX="$prefix" scripts/wine-run build/win64/tests/orbisque_tests.exe \
        --gtest_filter='MainWindow.*' </dev/null >/dev/null 2>&1 || true
done

ctest --preset win64 -j2 "$@"
