# shellcheck shell=bash
# Sourced by the tests and benchmarks that need a real X server of their own.
#
# velmorand_start_xvfb WIDTHxHEIGHT FOLDER: starts Xvfb on whatever display number is free,
# waits until it accepts connections (it writes its number into FOLDER/display then), and
# exports DISPLAY. VELMORAND_XVFB_PID is the server's process, for the caller to end. Fails
# at once when the server exits, or after 20 s when it has not come up; what the server said
# is left in FOLDER/xvfb.log. The server never resets: by default it would when its last
# client left (a first helper such as the accessibility bus's launcher, or a check of the
# display), and a program connecting meanwhile would find no display.
velmorand_start_xvfb() {
    local size=$1 folder=$2
    local deadline=$((SECONDS + 20))
    rm -f "$folder/display"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$folder/display" \
        2>"$folder/xvfb.log" &
    VELMORAND_XVFB_PID=$!
    until grep -qx '[0-9][0-9]*' "$folder/display" 2>/dev/null; do
        if ! kill -0 "$VELMORAND_XVFB_PID" 2>/dev/null; then
            echo "FAIL: Xvfb exited before its display was ready (is the xvfb package" \
                "installed?): $(tail -n 3 "$folder/xvfb.log")" >&2
            return 1
        fi
        if ((SECONDS >= deadline)); then
            echo "FAIL: Xvfb's display was not ready within 20 s" >&2
            return 1
        fi
        sleep 0.05
    done
    DISPLAY=":$(cat "$folder/display")"
    export DISPLAY
}
