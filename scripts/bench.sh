#!/bin/sh
# Measure Orbisque against its yardstick and a bare Win32 window under Wine: start-up, memory,
# message cost, size.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
sh scripts/deps.sh test
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2 --target Orbisque
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target Orbisque bare yardstick bench
sh scripts/wine-prefix.sh

. scripts/wine-session.sh
start_server "$root/build/wine"
cd build/win64
../../scripts/wine-run bench/bench.exe
