#!/bin/sh
# Measure Orbisque against a bare Win32 window under Wine: start-up, memory, message cost, size.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
sh scripts/deps.sh test
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2 --target Orbisque
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target Orbisque bare bench
sh scripts/wine-prefix.sh

. scripts/xvfb.sh
export WINEPREFIX="$root/build/wine" WINEDEBUG=-all
export WINEDLLOVERRIDES="winealsa.drv,winepulse.drv,wineoss.drv="
server=/usr/lib/wine/wineserver
cleanup() {
    $server -k 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT INT TERM
$server -p </dev/null >/dev/null 2>&1
scripts/wine-run build/win64/bench/bare.exe </dev/null >/dev/null 2>&1 &
sleep 2 && scripts/wine-run cmd.exe /c exit >/dev/null 2>&1 # warm: services and desktop up
pkill -f 'bare.exe' || true
cd build/win64
../../scripts/wine-run bench/bench.exe
