#!/bin/sh
# Runs two copies of the built Orbisque.exe under Wine at once, as users would, and plays them
# from outside (the Drive test): one scanned, on its own timer, by a key switch and a click
# switch, and closed by Alt+F4; the other by mouse to its end and its return button.
# The copy scanned is given arguments and a Sounds folder of missing, empty, cut-short and
# non-WAV files; the other is started in a folder with no Sounds. Neither may write a file.
# Usage: e2e.sh BUILD_DIR
build=$1 out=$1/e2e
scripts=$(cd "$(dirname "$0")/.." && pwd)/scripts run=$scripts/wine-run
. "$(dirname "$0")/faults.sh"
rm -rf "$out" && mkdir -p "$out/app" "$out/elsewhere" && cd "$out/app" || exit 1
cp -r "$build/Orbisque.exe" "$build/Sounds" . && cp Orbisque.exe ../elsewhere
rm Sounds/success2.wav && : >Sounds/click.wav && head -c 3000 Orbisque.exe >Sounds/yes.wav
head -c 40 "$build/Sounds/ting.wav" >Sounds/ting.wav
touch ../before
# Wine's trace of exceptions names each fault, swallowed or not.
trace=trace+seh
WINEDEBUG=$trace "$run" ./Orbisque.exe /? -fullscreen "two words" 12 --scan >/dev/null 2>../trace1.log &
apps=$!
(cd ../elsewhere && exec env WINEDEBUG=$trace "$run" ./Orbisque.exe >/dev/null 2>../trace2.log) &
apps="$apps $!"
ORBISQUE_DRIVE=2 ORBISQUE_SCANNED='\app\' "$scripts/wine-ctest" "$build/tests/orbisque_tests.exe" --gtest_filter=Drive.*
driven=$?
found=$(faults ../trace1.log ../trace2.log)
[ -z "$found" ] || printf 'FAIL: exceptions in the copies played:\n%s\n' "$found"
n=0 && for app in $apps; do # when the driver gives up: a copy that had ended, in Wine's last words
    n=$((n + 1)) && [ $driven = 0 ] || kill $app 2>/dev/null ||
        printf 'copy %s had ended:\n%s\n' $n "$(tail -3 ../trace$n.log)"
done
[ $driven = 0 ] || { echo "FAIL: the driver gave up" && exit 1; }
[ -z "$found" ] || exit 1
wait $apps # each has ended with exit code 0, as the driver has seen
written=$(find "$out/app" "$out/elsewhere" -newer ../before ! -name app ! -name elsewhere)
[ -z "$written" ] || { echo "FAIL: files written: $written" && exit 1; }
echo "PASS: two copies played, by switch and by mouse, no exception, no file written"
