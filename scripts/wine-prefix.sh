#!/bin/sh
# Make the project's own Wine prefixes under build/ (never ~/.wine), once:
#   build/wine     96 dots per inch, used to play and to test
#   build/wine120  the same at 120 dots per inch, for the font tests
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
prefix="$root/build/wine"
run="$root/scripts/wine-run"
server=/usr/lib/wine/wineserver

# Made again when its settings change.
if [ ! -f "$prefix/.orbisque-ready" ] || [ "$root/scripts/prefix.reg" -nt "$prefix/.orbisque-ready" ]; then
    echo "Creating the Wine prefix $prefix (once; may take a minute)"
    rm -rf "$prefix" "$prefix"120
    mkdir -p "$root/build"
    log="$root/build/wineboot.log"
    # No Mono or Gecko: nothing here uses them, and they cannot be downloaded.
    WINEPREFIX="$prefix" WINEDLLOVERRIDES="mscoree,mshtml=" "$run" wineboot -i >"$log" 2>&1 || true
    # wineboot returns while the services it started are still coming and going; a program
    # started among them once died before it was up ("ShellExecuteEx failed: Internal
    # error"), so let them all end first.
    WINEPREFIX="$prefix" $server -w
    if [ ! -f "$prefix/drive_c/windows/regedit.exe" ]; then
        tail -20 "$log" >&2
        echo "wineboot did not make the prefix $prefix (its output: $log)" >&2
        exit 1
    fi
    WINEPREFIX="$prefix" "$run" regedit /S "Z:$(echo "$root/scripts/prefix.reg" | tr / '\\')"
    WINEPREFIX="$prefix" $server -w
    # Without these settings a crash would wait on a dialog instead of failing its test.
    if ! grep -q '"ShowCrashDialog"=dword:00000000' "$prefix/user.reg"; then
        echo "regedit did not take scripts/prefix.reg into $prefix" >&2
        exit 1
    fi
    touch "$prefix/.orbisque-ready"
fi

if [ ! -f "$prefix"120/.orbisque-ready ]; then
    rm -rf "$prefix"120
    # Hard links share the system files; the registry is the prefix's own.
    cp -al "$prefix" "$prefix"120
    for f in "$prefix"/*.reg; do cp --remove-destination "$f" "$prefix"120/; done
    rm -f "$prefix"120/.orbisque-ready
    WINEPREFIX="$prefix"120 "$run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 120 /f >/dev/null
    WINEPREFIX="$prefix"120 $server -w
    touch "$prefix"120/.orbisque-ready
fi
