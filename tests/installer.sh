#!/bin/sh
# Installs the packages as school IT would (msiexec /qn) in the project's prefix: the 32-bit one
# and away again, then the 64-bit one over an older version built here, started from its
# Start-menu shortcut; then the requests msiexec must refuse, and the uninstall that must leave
# nothing behind. Usage: installer.sh BUILD_DIR (the 64-bit build; the 32-bit one is beside it)
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
# wine-ctest, since Wine's services started by the first call would hold CTest's pipe open.
run="$root/scripts/wine-ctest"
# The shortcut must not reach the menus of the machine that runs the test.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
c="${WINEPREFIX:-$root/build/wine}/drive_c" out="$build/installer"
rm -rf "$out" && mkdir -p "$out"
version=$(sed -n 's/^project(Orbisque VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
new="$build/Orbisque-$version-win64.msi" x86="$build/../win32/Orbisque-$version-win32.msi"
old="$out/Orbisque-0.9.0-win64.msi"
(cd "$build" && wixl -a x64 -D Arch=x64 -D Version=0.9.0 -o "$old" "$root/installer/Orbisque.wxs")
failed=0
fail() { echo "FAIL: $*" && failed=1; }

# msiexec ACTION PACKAGE EXPECTED: under Wine the exit code is the low byte of Windows' own
# (1603, a refusal by a launch condition, is 67).
msi() {
    "$run" msiexec "$1" "Z:$(echo "$2" | tr / '\\')" /qn >/dev/null
    code=$?
    [ $code = "$3" ] || { fail "msiexec $1 $(basename "$2"): exit code $code, not $3" && return 1; }
}
trap '[ $failed = 0 ] || for p in "$new" "$x86" "$old"; do msi /x "$p" 0 >/dev/null; done' EXIT
# What of ours the prefix holds: files, shortcuts, installed-programs entries, and the
# installer's keys of our products and components (named by their codes).
state() {
    find "$c" ! -path "$c/windows/Installer" ! -path "$c/users/*/Temp*" | sort
    for key in HKLM\\Software\\Classes\\Installer HKLM\\Software\\Microsoft\\Windows\\CurrentVersion \
        HKLM\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall HKCU\\Software; do
        "$run" reg query "$key" /s | tr -d '\r' |
            grep -i -E '\\([0-9A-F]{32}|\{[-0-9A-F]{36}\})$|orbisque|DisplayVersion'
    done
}
# DIR BUILD: the build's exe and cues, in one installed-programs entry, registered for all users.
installed() {
    cmp "$2/Orbisque.exe" "$c/$1/Orbisque/Orbisque.exe" && diff -r "$2/Sounds" "$c/$1/Orbisque/Sounds" ||
        fail "not installed into $1"
    listed=$(state | awk '/^HKEY/ { k = $0 } / ProductName .*Orbisque/ { print substr(k, 1, 18) }
        / DisplayName .*Orbisque/ && k ~ /Uninstall/ { n[k] = 1 } / DisplayVersion / { v[k] = $3 }
        / Publisher / { sub(/.*REG_SZ +/, ""); p[k] = $0 } END { for (k in n) print v[k], p[k] }')
    [ "$listed" = "HKEY_LOCAL_MACHINE
$version The Orbisque project" ] || fail "registered as: $listed"
}

# Each target upgrades only its own: the 64-bit package must not remove the 32-bit one.
code() { msiinfo export "$1" Property | grep UpgradeCode; }
[ "$(code "$x86")" != "$(code "$new")" ] || fail "one UpgradeCode for both targets"
state >"$out/before"
msi /i "$x86" 0 && installed "Program Files (x86)" "$build/../win32"
msi /x "$x86" 0 && { state | diff "$out/before" - || fail "the 32-bit package left the above"; }
msi /i "$old" 0
msi /i "$new" 0 && installed "Program Files" "$build"

# Started from its shortcut, from elsewhere: the start cue is found and read, then closed.
# Wine starts a shortcut without a working folder in its target's, so that is read off the link.
lnk=$(echo "$c"/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs/Orbisque.lnk)
tr -d '\0' <"$lnk" | grep -aoE 'C:\\Program Files\\Orbisque\\(Orbisque.exe)?' | grep -qx 'C:\\Program Files\\Orbisque\\' ||
    fail "the shortcut does not start in the install folder"
(cd "$out" && WINEDEBUG=trace+winmm "$root/scripts/wine-run" start /wait /unix "$lnk" >/dev/null 2>trace.log) &
ORBISQUE_DRIVE="1 -" "$run" "$build/tests/orbisque_tests.exe" --gtest_filter=Drive.Selection || { fail "no selection screen" && "$run" taskkill /f /im Orbisque.exe; }
wait $! || fail "the program ended with exit code $?"
grep -A1 'proc_PlaySound SoundName=L"Sounds\\\\success2.wav"' "$out/trace.log" | grep -q 'ParentChunk ckid=RIFF' ||
    fail "the start cue was not found from the shortcut's working folder"

# The same package again and an older one over it are refused and change nothing.
state >"$out/during"
for p in "$new" "$old"; do msi /i "$p" 67 && { state | diff "$out/during" - || fail "$p changed the above"; }; done
msi /x "$new" 0 && { state | diff "$out/before" - || fail "the uninstall left the above"; }
msi /x "$new" 67
exit $failed
