#!/bin/sh
# Installs the packages as school IT would (msiexec /qn) in the project's prefix: the 32-bit one
# and away again; the 64-bit one over an older version packed as the build packs, then started
# from its Start-menu shortcut as Explorer starts it; the same package again, which changes
# nothing; the requests msiexec must refuse; the uninstall that leaves nothing. First, what
# each zip holds.
# Usage: installer.sh BUILD_DIR VERSION (the 64-bit build; the 32-bit one stands beside it)
build=$1 version=$2 root=$(cd "$(dirname "$0")/.." && pwd) out=$1/installer
. "$root/tests/faults.sh"
# wine-ctest, since Wine's services started by the first call would hold CTest's pipe open.
run="$root/scripts/wine-ctest" from=${WINEPREFIX:-$root/build/wine}
# A prefix made afresh from the project's, so that a run that failed halfway leaves nothing
# for the next: hard links share the system files, the registry is its own.
export WINEPREFIX="$out/prefix" && c="$out/prefix/drive_c"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d" # not the test machine's menus
new="$build/Orbisque-$2-win64.msi" x86="$build/../win32/Orbisque-$2-win32.msi"
old="$out/Orbisque-0.9.0-win64.msi"
# The older package by the build's own script, so its product code is derived as the build's.
rm -rf "$out" && mkdir -p "$out" && cp -al "$from" "$WINEPREFIX" && cp --remove-destination "$from"/*.reg "$WINEPREFIX" &&
    cmake -DSOURCE="$root" -DBUILD="$build" -DVERSION=0.9.0 -DPLATFORM=win64 -DOUT="$out" \
        -P "$root/cmake/package.cmake" || exit 1
fail() { printf 'FAIL: %s\n' "$*" && failed=1; } # the paths hold backslashes
lnk="$(echo "$c"/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs)/Orbisque.lnk"
winpath() { echo "Z:$1" | tr / '\\'; }
unixpath() { echo "$c/$(printf %s "${1#C:\\}" | tr '\\' /)"; } # of a path on C:
# msi ACTION PACKAGE EXIT: the silent lines as IT's read-me gives them, run by Command Prompt
# in the package's folder for PACKAGE; they echo the code.
readme=$(tr -d '\r' <"$build/ReadMe-IT.txt" | grep -E -A1 '^ +start /wait msiexec' | grep -v -x -e --)
msi() {
    echo "$readme" | grep -A1 -- "msiexec $1 " | sed "s/Orbisque-$version-win32.msi/$(basename "$2")/; s/$/\r/" >"$out/msi.bat"
    (cd "$(dirname "$2")" && "$run" cmd /c "$(winpath "$out/msi.bat")") | tr -d '\r' >"$out/said"
    code=$(tail -n 1 "$out/said")
    [ "$code" = "$3" ] || fail "msiexec $1 $(basename "$2") as IT's read-me gives it: exit code $code, not $3; Command Prompt said: $(cat "$out/said")"
}
# One server for the whole test, as for the other prefixes: a server left to itself begins to
# end 3 s after its last program does, and may take with it a program started as it ends.
trap '/usr/lib/wine/wineserver -k' EXIT
/usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1
# Ours in the prefix: files and shortcuts, and keys naming us or our products and components.
state() {
    find "$c" ! -path "$c/windows/Installer" ! -path "$c/users/*/Temp*" | sort
    for key in HKLM\\Software\\Classes\\Installer HKLM\\Software\\Microsoft\\Windows\\CurrentVersion \
        HKLM\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall HKCU\\Software; do
        # A query that fails halfway (a refused msiexec may still be ending) is asked again; a
        # key not made yet holds nothing of ours.
        for try in 1 2 3 4 5; do
            "$run" reg query "$key" /s >"$out/reg" || grep -q "Unable to find" "$out/reg" && break
            sleep 1
        done
        tr -d '\r' <"$out/reg" | grep -i -E '\\([0-9A-F]{32}|\{[-0-9A-F]{36}\})$|orbisque|DisplayVersion'
    done
}
# What a package holds, each in its folder; written here, apart from the build's own list.
files="License.txt Orbisque.exe ReadMe.txt $(printf 'Sounds/%s.wav ' click continent fail success1 success2 ting yes)"
sed 's/$/\r/' "$root/LICENSE" >"$out/License.txt"
# holds DIR BUILD: every file and nothing else, the exe and read-me the build's, the cues the
# sources', the licence with Windows' line ends.
holds() {
    [ "$(cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | tr '\n' ' ')" = "$files" ] &&
        cmp "$2/Orbisque.exe" "$1/Orbisque.exe" && cmp "$2/ReadMe.txt" "$1/ReadMe.txt" &&
        cmp "$out/License.txt" "$1/License.txt" && diff -r "$root/Sounds" "$1/Sounds"
}
# DIR BUILD VERSION: what a package holds, one installed-programs entry of ours, and our icon
# for it and for the shortcut, taken from the package into Windows' folder.
installed() {
    holds "$c/$1/Orbisque" "$2" || fail "not installed as packed into $1"
    state >"$out/now"
    [ "$(grep -A3 'Uninstall\\{' "$out/now" | grep -c -E " (DisplayVersion .* $3|Publisher .* The Orbisque project)$")" = 2 ] ||
        fail "not one entry of version $3 among the installed programs"
    icon=$(sed -n 's/^ *ProductIcon *REG_SZ *//p' "$out/now")
    cmp "$(unixpath "$icon")" "$root/src/app/Orbisque.ico" &&
        tr -d '\0' <"$lnk" | grep -qaF "$icon" || fail "not our icon in the installed-programs list and on the shortcut"
}
# Each zip, as make dist packs it: one folder named for it, holding what a package holds.
for t in win32 win64; do
    name=Orbisque-$2-$t
    mkdir "$out/$t" && (cd "$out/$t" && cmake -E tar xf "$build/../$t/$name.zip") &&
        [ "$(ls -A "$out/$t")" = "$name" ] && holds "$out/$t/$name" "$build/../$t" ||
        fail "the $t zip does not hold what a package holds, in one folder $name"
done
[ "$(msiinfo export "$x86" Property | grep UpgradeCode)" != "$(msiinfo export "$new" Property | grep UpgradeCode)" ] ||
    fail "one UpgradeCode for both targets: one would remove the other"
# A package code is a GUID of its own for each package: Windows takes two with one code for one.
codes=$(for p in "$x86" "$new" "$old"; do msiinfo suminfo "$p" | sed -n 's/^Revision number (UUID): //p'; done)
[ "$(echo "$codes" | grep -E '^\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\}$' | sort -u | wc -l)" = 3 ] ||
    fail "the package codes are not three different GUIDs:" $codes
state >"$out/before"
msi /i "$x86" 0 && installed "Program Files (x86)" "$build/../win32" "$2"
msi /x "$x86" 0 && { state | diff "$out/before" - || fail "the 32-bit package left the above"; }
msi /i "$old" 0 && installed "Program Files" "$build" 0.9.0
msi /i "$new" 0 && installed "Program Files" "$build" "$2"

# The shortcut names Orbisque.exe, no arguments and the install folder to start in. Started as
# Explorer starts it, its target in that folder, the copy reads its start cue from the cues it
# installed; played, it ends with 0 (the driver checks), with no exception. Its trace goes to a
# file: no pipe, so that none is held open.
link=$(lnkinfo "$lnk" |
    sed -n 's/^[[:space:]]*\(Local path\|Working directory\|Command line.*\)[[:space:]]*: /\1|/p')
want='Local path|C:\\Program Files\\Orbisque\\Orbisque.exe\nWorking directory|C:\\Program Files\\Orbisque\\'
[ "$link" = "$(printf "$want")" ] || fail "the shortcut does not start Orbisque.exe in its install folder: $link"
target=$(printf '%s\n' "$link" | sed -n 's/^Local path|//p')
(cd "$(unixpath "$(printf '%s\n' "$link" | sed -n 's/^Working directory|//p')")" &&
    WINEDEBUG=trace+winmm,trace+file,trace+seh exec "$root/scripts/wine-run" "$target" >/dev/null 2>"$out/trace.log") &
ORBISQUE_DRIVE=1 "$run" "$build/tests/orbisque_tests.exe" --gtest_filter=Drive.* >"$out/driver.log" ||
    { fail "not started from its shortcut and played by mouse" && /usr/lib/wine/wineserver -k; }
found=$(faults "$out/trace.log") && [ -z "$found" ] ||
    fail "exceptions in the copy started from its shortcut: $found"
# The cue's file is found and read on its own thread, whose lines others' may come between.
awk -F: -v found='SearchPathW found L"C:\\\\Program Files\\\\Orbisque\\\\Sounds\\\\success2.wav"' '
    /SoundName=L"Sounds.*success2.wav"/ { t = $1 }
    $1 == t && index($0, found) { f++ } $1 == t && f && /ParentChunk ckid=RIFF/ { n++ }
    END { exit !n }' "$out/trace.log" || fail "the start cue was not read from the installed Sounds"

# The same package again changes nothing and ends with 0; an older one over it is refused.
# (Wine's msiexec writes the shortcut anew, with the same bytes.)
state >"$out/during"; mkdir "$out/kept" && cp -a "$c/Program Files/Orbisque" "$lnk" "$out/kept"
msi /i "$new" 0 && { state | diff "$out/during" - || fail "installing the same package again changed the above"; }
diff -r "$out/kept/Orbisque" "$c/Program Files/Orbisque" && cmp "$out/kept/Orbisque.lnk" "$lnk" ||
    fail "installing the same package again changed the installed files or the shortcut"
msi /i "$old" 1603 && { state | diff "$out/during" - || fail "$old changed the above"; }
msi /x "$new" 0 && { state | diff "$out/before" - || fail "the uninstall left the above"; }
# Uninstalling what is not installed: Windows' msiexec ends with 1605 before the package runs,
# Wine's runs it, and its launch condition ends it with 1603. Either way nothing changes.
msi /x "$new" 1603 && { state | diff "$out/before" - || fail "the needless uninstall changed the above"; }
[ -z "$failed" ] && echo "PASS: zips as packed; installed, upgraded, kept, refused and removed"
