# shellcheck shell=bash
# Sourced by the tests and benchmarks that need a real X server of their own.
#
# velmorand_start_xvfb WIDTHxHEIGHT FOLDER: starts Xvfb on whatever display number is free,
# waits until it accepts connections (it writes its number into FOLDER/display then), and
# exports DISPLAY. VELMORAND_XVFB_PID is the server's process, for the caller to end. Fails
# at once when the server exits, or after 20 s when it has not come up.
velmorand_start_xvfb() {
    local size=$1 display_file=$2/display
    rm -f "$display_file"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$display_file" 2>/dev/null &
    VELMORAND_XVFB_PID=$!
    local deadline=$((SECONDS + 20))
    until grep -qx '[0-9][0-9]*' "$display_file" 2>/dev/null; do
        if ! kill -0 "$VELMORAND_XVFB_PID" 2>/dev/null; then
            echo "FAIL: Xvfb exited before its display was ready (is the xvfb package installed?)" >&2
            return 1
        fi
        if ((SECONDS >= deadline)); then
            echo "FAIL: Xvfb's display was not ready within 20 s" >&2
            return 1
        fi
        sleep 0.05
    done
    export DISPLAY=":$(cat "$display_file")"
}
