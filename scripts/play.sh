#!/bin/sh
# Build Orbisque and open it in this X display under Wine.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ -z "$DISPLAY" ]; then
    echo "There is no X display to show Orbisque in (DISPLAY is not set)."
    echo "Run 'make play' in a terminal of a desktop session on this machine, or log in"
    echo "from one with 'ssh -X', so that the window shows on your screen."
    exit 1
fi
sh scripts/deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target Orbisque
sh scripts/wine-prefix.sh
# From the folder that holds Sounds, so that the cues are found.
cd build/win64
exec ../../scripts/wine-run ./Orbisque.exe
