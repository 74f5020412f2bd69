#!/bin/sh
# Runs the built Orbisque.exe under Wine as a user would and plays it from outside (the Drive
# tests); checks that it ends with exit code 0, asks for the cues plainly and writes no file.
# Usage: run.sh CASE BUILD_DIR VERSION
#   mouse: two copies at once, each played by mouse: one with arguments and a Sounds folder of
#          missing, empty, cut-short and non-WAV files, the other from a folder with no Sounds
#   switch: a game by one key on the real timer, from the exe's own folder
case=$1 build=$2
out=$build/e2e/$case
run=$(cd "$(dirname "$0")/../.." && pwd)/scripts/wine-run
fail() { echo "FAIL ($case): $*" && cat "$out/driver.log" && exit 1; }
drive() { ORBISQUE_DRIVE="$1 $2" "$run" "$build/tests/orbisque_tests.exe" --gtest_filter=Drive.$3; }
rm -rf "$out" && mkdir -p "$out/app" "$out/elsewhere" && cd "$out/app" || exit 1
cp -r "$build/Orbisque.exe" "$build/Sounds" .
x86_64-w64-mingw32-strings -el Orbisque.exe | grep -qx "$3" || fail "the exe is not version $3"
if [ "$case" = mouse ]; then
    rm Sounds/success2.wav && : >Sounds/click.wav && head -c 3000 Orbisque.exe >Sounds/yes.wav
    head -c 40 "$build/Sounds/ting.wav" >Sounds/ting.wav
    set -- /? -fullscreen "two words" 12 --scan
fi
touch "$out/before"
WINEDEBUG=trace+winmm "$run" ./Orbisque.exe "$@" >/dev/null 2>"$out/trace1.log" &
apps=$!
if [ "$case" = mouse ]; then
    (cd ../elsewhere && exec env WINEDEBUG=trace+winmm "$run" ../app/Orbisque.exe >/dev/null 2>../trace2.log) &
    apps="$apps $!"
    drive 2 - Mouse >"$out/driver.log" 2>&1 && drive 1 - Mouse >>"$out/driver.log" 2>&1
else
    drive 1 "$out/trace1.log" Switch >"$out/driver.log" 2>&1
fi || { kill $apps; fail "the driver gave up"; }
grep -h 'tick period' "$out/driver.log"
for app in $apps; do
    i=0
    while kill -0 $app 2>/dev/null; do
        [ $((i += 1)) -gt 200 ] && { kill $apps; fail "Orbisque did not end within 20 s"; }
        sleep 0.1
    done
    wait $app || fail "exit code $?"
done
written=$(find "$out/app" "$out/elsewhere" -newer "$out/before" ! -name app ! -name elsewhere)
[ -z "$written" ] || fail "files written: $written"
for trace in "$out"/trace*.log; do
    cues=$(sed -n 's/.*proc_PlaySound SoundName=L"Sounds\\\\\(.*\)\.wav".*/\1/p' "$trace" | tr '\n' ' ')
    echo "cues: $cues"
    case "$cues" in "success2 "*" yes ") ;; *) fail "not a game from the start cue to the yes cue" ;; esac
    [ "$(grep -c fdwSound=00020001 "$trace")" = "$(echo $cues | wc -w)" ] ||
        fail "a cue asked for with flags other than SND_FILENAME | SND_ASYNC"
done
echo "PASS ($case): exit code 0, no file written"
