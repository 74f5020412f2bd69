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

. scripts/wine-session.sh
start_server "$root/build/wine"
start_server "$root/build/wine120"

ctest --preset win64 -j2 "$@"
