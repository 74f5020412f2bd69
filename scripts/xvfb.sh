# Sourced: give this shell an X display, starting Xvfb when there is none.
# Sets XVFB_PID when it started one.
XVFB_PID=""
if [ -z "$DISPLAY" ]; then
    n=90
    while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    i=0
    while [ ! -e /tmp/.X11-unix/X$n ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
    export DISPLAY=:$n
fi
