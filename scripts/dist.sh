#!/bin/sh
# Build both targets and pack each into dist/Orbisque-<version>-win32.zip and -win64.zip.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
sh scripts/deps.sh
mkdir -p dist
for target in win32 win64; do
    cmake --preset $target >/dev/null
    cmake --build --preset $target -j2 --target Orbisque
    (cd build/$target && cpack >/dev/null)
    cp build/$target/package/Orbisque-*-$target.zip dist/
done
ls -l dist
