#!/bin/sh
# Installs the packages as school IT would (msiexec /qn) in the project's prefix: the 32-bit one
# and away again; the 64-bit one over an older version built here, then started from its
# Start-menu shortcut; the requests msiexec must refuse; the uninstall that leaves nothing.
# Usage: installer.sh BUILD_DIR VERSION (the 64-bit build; the 32-bit one stands beside it)
build=$1 root=$(cd "$(dirname "$0")/.." && pwd) out=$1/installer
# wine-ctest, since Wine's services started by the first call would hold CTest's pipe open.
run="$root/scripts/wine-ctest" from=${WINEPREFIX:-$root/build/wine}
# A prefix made afresh from the project's, so that a run that failed halfway leaves nothing
# for the next: hard links share the system files, the registry is its own.
export WINEPREFIX="$out/prefix" && c="$out/prefix/drive_c"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d" # not the test machine's menus
new="$build/Orbisque-$2-win64.msi" x86="$build/../win32/Orbisque-$2-win32.msi"
old="$out/Orbisque-0.9.0-win64.msi"
rm -rf "$out" && mkdir -p "$out" && cp -al "$from" "$WINEPREFIX" && cp --remove-destination "$from"/*.reg "$WINEPREFIX" &&
    cd "$build" &&
    wixl -a x64 -D Arch=x64 -D Version=0.9.0 -o "$old" "$root/installer/Orbisque.wxs" || exit 1
fail() { echo "FAIL: $*" && failed=1; }
lnk="$(echo "$c"/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs)/Orbisque.lnk"
# msiexec ACTION PACKAGE EXIT: under Wine the exit code is the low byte of Windows' (1603 is 67).
msi() {
    "$run" msiexec "$1" "Z:$(echo "$2" | tr / '\\')" /qn >/dev/null
    code=$? && [ $code = "$3" ] || fail "msiexec $1 $(basename "$2"): exit code $code, not $3"
}
trap '/usr/lib/wine/wineserver -k' EXIT
# Ours in the prefix: files and shortcuts, and keys naming us or our products and components.
state() {
    find "$c" ! -path "$c/windows/Installer" ! -path "$c/users/*/Temp*" | sort
    for key in HKLM\\Software\\Classes\\Installer HKLM\\Software\\Microsoft\\Windows\\CurrentVersion \
        HKLM\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall HKCU\\Software; do
        "$run" reg query "$key" /s | tr -d '\r' |
            grep -i -E '\\([0-9A-F]{32}|\{[-0-9A-F]{36}\})$|orbisque|DisplayVersion'
    done
}
# DIR BUILD VERSION: the build's exe and cues and the licence, one installed-programs entry of
# ours, and our icon for it and for the shortcut, taken from the package into Windows' folder.
installed() {
    cmp "$2/Orbisque.exe" "$c/$1/Orbisque/Orbisque.exe" && diff -r "$2/Sounds" "$c/$1/Orbisque/Sounds" &&
        cmp "$out/License.txt" "$c/$1/Orbisque/License.txt" || fail "not installed into $1"
    state >"$out/now"
    [ "$(grep -A3 'Uninstall\\{' "$out/now" | grep -c -E " (DisplayVersion .* $3|Publisher .* The Orbisque project)$")" = 2 ] ||
        fail "not one entry of version $3 among the installed programs"
    icon=$(sed -n 's/^ *ProductIcon *REG_SZ *//p' "$out/now")
    cmp "$c/$(printf %s "${icon#C:\\}" | tr '\\' /)" "$root/src/app/Orbisque.ico" &&
        tr -d '\0' <"$lnk" | grep -qaF "$icon" || fail "not our icon in the installed-programs list and on the shortcut"
}
# Both zips, as make dist packs them, carry the licence beside the exe, with Windows line ends.
sed 's/$/\r/' "$root/LICENSE" >"$out/License.txt"
for b in "$build" "$build/../win32"; do (cd "$b" && cpack -B "$out/zip" >/dev/null); done
for t in win32 win64; do
    (cd "$out/zip" && cmake -E tar xf "Orbisque-$2-$t.zip") && cmp "$out/License.txt" "$out/zip/Orbisque-$2-$t/License.txt" ||
        fail "no licence in the $t zip"
done
[ "$(msiinfo export "$x86" Property | grep UpgradeCode)" != "$(msiinfo export "$new" Property | grep UpgradeCode)" ] ||
    fail "one UpgradeCode for both targets: one would remove the other"
state >"$out/before"
msi /i "$x86" 0 && installed "Program Files (x86)" "$build/../win32" "$2"
msi /x "$x86" 0 && { state | diff "$out/before" - || fail "the 32-bit package left the above"; }
msi /i "$old" 0 && installed "Program Files" "$build" 0.9.0
msi /i "$new" 0 && installed "Program Files" "$build" "$2"

# Started from its shortcut: the start cue is read from its working folder; played, it ends with 0.
# Wine starts a shortcut without a working folder in its target's, so that is read off the link.
tr -d '\0' <"$lnk" | grep -aoE 'C:\\Program Files\\Orbisque\\(Orbisque.exe)?' | grep -qx 'C:\\Program Files\\Orbisque\\' ||
    fail "the shortcut does not start in the install folder"
(cd "$out" && WINEDEBUG=trace+winmm "$root/scripts/wine-run" start /wait /unix "$lnk" >/dev/null 2>trace.log) &
ORBISQUE_DRIVE="1 $out/trace.log" "$run" "$build/tests/orbisque_tests.exe" --gtest_filter=Drive.Mouse >/dev/null ||
    { fail "not played by mouse" && /usr/lib/wine/wineserver -k; }
wait $! # its exit code, which start does not pass on under Wine, the driver has checked
# The cue's file is read on its own thread, whose lines others' may come between.
awk -F: '/SoundName=L"Sounds.*success2.wav"/ { t = $1 } $1 == t && /ParentChunk ckid=RIFF/ { n++ }
    END { exit !n }' "$out/trace.log" ||
    fail "the start cue was not read from the shortcut's working folder"

# The same package again and an older one over it are refused and change nothing.
state >"$out/during"
for p in "$new" "$old"; do msi /i "$p" 67 && { state | diff "$out/during" - || fail "$p changed the above"; }; done
msi /x "$new" 0 && { state | diff "$out/before" - || fail "the uninstall left the above"; }
msi /x "$new" 67
[ -z "$failed" ] && echo "PASS: installed, upgraded, refused and removed"
