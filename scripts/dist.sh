#!/bin/sh
# Build both targets and pack each into dist/Orbisque-<version>-win32.zip and -win64.zip, and
# a Windows Installer package beside each (-win32.msi, -win64.msi).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
sh scripts/deps.sh
mkdir -p dist
for target in win32 win64; do
    cmake --preset $target >/dev/null
    cmake --build --preset $target -j2 --target Orbisque msi
    (cd build/$target && cpack >/dev/null)
    cp build/$target/package/Orbisque-*-$target.zip build/$target/Orbisque-*-$target.msi dist/
done
ls -l dist
