#!/bin/sh
# Runs the built Orbisque.exe under Wine as a user would, drives it from outside and checks
# that it ends with exit code 0, never hangs, and asked for the right sound cues.
# Usage: run.sh MODE BUILD_DIR [folder to start in] [arguments for Orbisque]
mode=$1 build=$2 start=${3:-$2}
[ $# -ge 3 ] && shift 3 || shift $#
root=$(cd "$(dirname "$0")/../.." && pwd)
run="$root/scripts/wine-run"
out="$build/e2e/$mode"
rm -rf "$out" && mkdir -p "$out" "$root/build/screenshots"
fail() { echo "FAIL ($mode): $*"; cat "$out/driver.log" 2>/dev/null; exit 1; }

cd "$start" || fail "no folder $start"
WINEDEBUG=trace+winmm "$run" "$build/Orbisque.exe" "$@" 2>"$out/trace.log" &
app=$!
"$run" "$build/tests/orbisque_driver.exe" "${mode%%-*}" "$out/" >"$out/driver.log" 2>&1 ||
    { kill $app 2>/dev/null; fail "the driver gave up"; }
cat "$out/driver.log"

i=0
while kill -0 $app 2>/dev/null; do
    i=$((i + 1))
    [ $i -gt 200 ] && { kill $app; fail "Orbisque did not end within 20 s"; }
    sleep 0.1
done
wait $app
code=$?
[ $code -eq 0 ] || fail "exit code $code"

grep -o 'proc_PlaySound SoundName=L"[^"]*"' "$out/trace.log" | sed 's/.*L"//; s/"$//' >"$out/cues"
[ "$(head -n 1 "$out/cues")" = 'Sounds\\success2.wav' ] || fail "no start cue first: $(head -n 1 "$out/cues")"
[ "$mode" = selection ] || [ "$(tail -n 1 "$out/cues")" = 'Sounds\\yes.wav' ] ||
    fail "a perfect game did not end with the yes cue"

for shot in "$out"/*.bmp; do
    [ -e "$shot" ] && convert "$shot" "$root/build/screenshots/$(basename "${shot%.bmp}").png"
done
echo "PASS ($mode): exit code 0, $(wc -l <"$out/cues") cues"
