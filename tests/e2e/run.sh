#!/bin/sh
# Runs the built Orbisque.exe under Wine as a user would, drives it from outside and checks
# that it ends with exit code 0, never hangs, asks for the right sound cues, writes no file
# and opens no network connection. Usage: run.sh CASE BUILD_DIR
#   selection, mouse, switch: the driver's own plays, from the build folder
#   nosounds, emptysounds, brokensounds, elsewhere, arguments, twice: a game by mouse in
#   bad surroundings
case=$1 build=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
run="$root/scripts/wine-run"
out="$build/e2e/$case"
rm -rf "$out" && mkdir -p "$out" "$root/build/screenshots"
fail() { echo "FAIL ($case): $*"; cat "$out/driver.log" 2>/dev/null; exit 1; }

# Each case runs from a folder of its own, as unpacked from the zip, unless told otherwise.
start="$out/app" exe="$out/app/Orbisque.exe" drive=mouse copies=1
mkdir -p "$start" && cp "$build/Orbisque.exe" "$start/"
[ $case = nosounds ] || cp -r "$build/Sounds" "$start/"
set --
case $case in
selection | switch) drive=$case ;;
emptysounds | brokensounds)
    for wav in "$build"/Sounds/*.wav; do
        name="$start/Sounds/$(basename "$wav")"
        [ $case = emptysounds ] && : >"$name"
        # Cut short, or no sound at all: the first bytes of the exe.
        [ $case = brokensounds ] && { head -c 40 "$wav" >"$name"; head -c 3000 "$exe" >"$name.x"; }
    done
    [ $case = brokensounds ] && for x in "$start"/Sounds/s*.x; do mv "$x" "${x%.x}"; done
    rm -f "$start"/Sounds/*.x
    ;;
elsewhere) start="$out/cwd" && mkdir -p "$start" ;; # the exe and its sounds are in app/
arguments) set -- /? -fullscreen "two words" 12 --scan ;;
twice) copies=2 ;;
esac

cd "$start" || fail "no folder $start"
touch "$out/before"
apps=""
for i in $(seq $copies); do
    WINEDEBUG=trace+winmm "$run" "$exe" "$@" >"$out/app$i.out" 2>"$out/trace$i.log" &
    apps="$apps $!"
done
# Watch for network sockets: any of the process's sockets that the kernel lists as TCP or UDP.
(
    while :; do
        for app in $apps; do
            for fd in /proc/$app/fd/*; do
                inode=$(readlink "$fd" 2>/dev/null | sed -n 's/^socket:\[\([0-9]*\)\]$/\1/p')
                [ -n "$inode" ] && cat /proc/net/tcp /proc/net/tcp6 /proc/net/udp /proc/net/udp6 |
                    awk -v i="$inode" '$10 == i' >>"$out/network"
            done
        done
        sleep 0.2
    done
) &
watcher=$!
for i in $(seq $copies); do
    # Told how many copies are still open, so that it waits until they all are.
    "$run" "$build/tests/orbisque_driver.exe" $drive "$out/" $((copies - i + 1)) \
        >>"$out/driver.log" 2>&1 ||
        { kill $apps $watcher 2>/dev/null; fail "the driver gave up"; }
done
cat "$out/driver.log"

for app in $apps; do
    i=0
    while kill -0 $app 2>/dev/null; do
        i=$((i + 1))
        [ $i -gt 200 ] && { kill $apps $watcher; fail "Orbisque did not end within 20 s"; }
        sleep 0.1
    done
    wait $app || { kill $watcher; fail "exit code $?"; }
done
kill $watcher

[ -s "$out/network" ] && fail "a network connection: $(cat "$out/network")"
written=$(find "$start" -newer "$out/before" ! -path "$start")
[ -z "$written" ] || fail "files written: $written"
for i in $(seq $copies); do
    grep -o 'proc_PlaySound SoundName=L"[^"]*"' "$out/trace$i.log" | sed 's/.*L"//; s/"$//' >"$out/cues"
    [ "$(head -n 1 "$out/cues")" = 'Sounds\\success2.wav' ] || fail "no start cue first"
    [ $drive = selection ] || [ "$(tail -n 1 "$out/cues")" = 'Sounds\\yes.wav' ] ||
        fail "a perfect game did not end with the yes cue"
done

for shot in "$out"/*.bmp; do
    [ -e "$shot" ] && convert "$shot" "$root/build/screenshots/$(basename "${shot%.bmp}").png"
done
echo "PASS ($case): exit code 0, $(wc -l <"$out/cues") cues, no file written, no network"
