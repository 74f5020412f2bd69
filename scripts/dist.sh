#!/bin/sh
# Build both targets and pack each into dist/Orbisque-<version>-win32.zip and -win64.zip, and
# a Windows Installer package beside each (-win32.msi, -win64.msi), with their SHA256SUMS and
# IT's read-me.
# Two builds of one commit give the same bytes; the time they carry is the commit's, or
# SOURCE_DATE_EPOCH's when a packager sets it.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
sh scripts/deps.sh
mkdir -p dist
rm -f dist/Orbisque-* dist/SHA256SUMS dist/ReadMe-IT.txt
for target in win32 win64; do
    cmake --preset $target >/dev/null
    cmake --build --preset $target -j2 --target packages
    cp build/$target/Orbisque-*-$target.zip build/$target/Orbisque-*-$target.msi dist/
done
cp build/win32/ReadMe-IT.txt dist/
# For users to check a download with: sha256sum -c SHA256SUMS
(cd dist && LC_ALL=C sha256sum Orbisque-*.zip Orbisque-*.msi >SHA256SUMS)
ls -l dist
