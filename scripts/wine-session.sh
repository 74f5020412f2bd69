# Sourced by the test and bench scripts (with $root set): an X display, quiet Wine in the
# project's prefix, and the servers started by start_server, all stopped again on exit.
. "$root/scripts/xvfb.sh"
export WINEPREFIX="$root/build/wine" WINEDEBUG=-all
# No sound card is wanted: the cues are checked by what the program asks for.
export WINEDLLOVERRIDES="winealsa.drv,winepulse.drv,wineoss.drv="
server=/usr/lib/wine/wineserver
prefixes=""
cleanup() {
    for prefix in $prefixes; do WINEPREFIX="$prefix" $server -k 2>/dev/null || true; done
    # Gone before the next run takes its display number.
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT INT TERM

# start_server PREFIX: one server for the whole run, so that every program starts quickly.
# Wine's services and desktop, which the first programs start, inherit those programs' output;
# wine-ctest and the end-to-end script therefore never hand Wine a pipe that someone waits on.
start_server() {
    prefixes="$prefixes $1"
    WINEPREFIX="$1" $server -p </dev/null >/dev/null 2>&1
}
