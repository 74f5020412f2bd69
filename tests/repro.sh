#!/bin/sh
# Builds both targets a second time, from a copy of the sources in another folder, three days
# later on the clock, in another time zone, with another umask and locale, and compares every
# output with the build's own: both exes, both zips, both Windows Installer packages and IT's
# read-me beside them.
# Usage: repro.sh BUILD_DIR VERSION (the 64-bit build; the 32-bit one stands beside it)
builds=$(cd "$1/.." && pwd) root=$(cd "$(dirname "$0")/.." && pwd) out=$(cd "$1" && pwd)/repro
src="$out/elsewhere/Orbisque sources"
rm -rf "$out" && mkdir -p "$src" || exit 1
# The sources as they stand, changes not yet committed included.
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
    xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' - |
    tar --null --no-recursion -T - -cf -) | (cd "$src" && tar -xf -) || exit 1
# No git there, nor in the folders above, which are the build's: the commit's time comes the
# way a packager gives it.
export SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct) GIT_CEILING_DIRECTORIES="$out/elsewhere"
export TZ=XYZ-13:45 LC_ALL=C.UTF-8 LANG=C.UTF-8
umask 077
cd "$src" || exit 1
# Packed as make dist packs, niced: the end-to-end test beside it times the program's ticks.
faketime -f +3d nice -n 19 sh scripts/dist.sh >"$out/dist.log" 2>&1 ||
    { cat "$out/dist.log"; echo "FAIL: the second build" && exit 1; }
for t in win32 win64; do
    for f in build/$t/Orbisque.exe "dist/Orbisque-$2-$t.zip" "dist/Orbisque-$2-$t.msi" dist/ReadMe-IT.txt; do
        cmp "$builds/$t/$(basename "$f")" "$f" ||
            { echo "FAIL: $t/${f##*/} differs between two builds of one commit (diffoscope shows where)" && exit 1; }
    done
done
# One line for each package, as sha256sum -c reads it.
(cd dist && [ "$(ls Orbisque-*)" = "$(cut -c67- SHA256SUMS | sort)" ] && sha256sum -c --quiet SHA256SUMS) ||
    { echo "FAIL: SHA256SUMS does not vouch for each package" && exit 1; }
echo "PASS: two builds gave the same exes, zips and packages, and their checksums"
