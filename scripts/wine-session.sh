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
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT INT TERM

# start_server PREFIX [PROGRAM ARGUMENTS...]: one server for the whole run, so that every
# program starts quickly. The first program also starts Wine's services and its desktop,
# which keep that program's output open and make two programs started together wait on each
# other: let it be the given program, a window whose output nobody waits for.
start_server() {
    prefixes="$prefixes $1"
    WINEPREFIX="$1" $server -p </dev/null >/dev/null 2>&1
    p=$1
    shift
    if [ $# -gt 0 ]; then
        WINEPREFIX="$p" "$root/scripts/wine-run" "$@" </dev/null >/dev/null 2>&1 || true
    fi
}
