#!/usr/bin/env bash
# The real program in a real X server (Xvfb), driven with xdotool as a pupil would: type a
# division, Run, Clear, follow a link, Exit. Results are read back through the clipboard.
# Usage: velmorand_e2e.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
program=$1
screenshots=$2

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A display of our own, whatever number is free.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# A browser that only writes down what it was asked to open. The desktop's own handlers
# are hidden so that xdg-open falls back to $BROWSER.
cat >"$work/browser" <<SCRIPT
#!/bin/sh
echo "\$1" >>"$work/opened"
SCRIPT
chmod +x "$work/browser"
mkdir -p "$work/xdg"

BROWSER="$work/browser" XDG_DATA_HOME="$work/xdg" XDG_DATA_DIRS="$work/xdg" \
    XDG_CONFIG_HOME="$work/xdg" XDG_CONFIG_DIRS="$work/xdg" XDG_CURRENT_DESKTOP= \
    "$program" 2>"$work/program.log" &
program_pid=$!
pids+=($program_pid)

# By class: where the locale is not installed, the title's old-style property is garbled.
window=$(timeout 20 xdotool search --sync --onlyvisible --class velmorand | head -n 1)
[ -n "$window" ] || fail "the window did not appear"

# Control centres in the window, in pixels.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
dividend() { click 172 108; }
divisor() { click 392 108; }
run_button() { click 264 628; }
clear_button() { click 404 628; }
exit_button() { click 532 628; }
paper_games_link() { click 552 532; }
english_link_double_click() {
    xdotool mousemove --window "$window" 608 532 click --repeat 2 --delay 100 1
    sleep 0.2
}

type_text() { xdotool type --delay 30 "$1"; sleep 0.2; }
replace_with() { xdotool key ctrl+a; type_text "$1"; }

# Copies a field's text and prints it.
field_text() {
    printf 'unset' | xclip -selection clipboard
    click "$1" "$2"
    xdotool key ctrl+a ctrl+c
    sleep 0.2
    xclip -o -selection clipboard
}

expect_field() {
    local actual
    actual=$(field_text "$1" "$2")
    [ "$actual" = "$3" ] || fail "$4: expected '$3', got '$actual'"
}

quotient() { expect_field 392 204 "$1" "whole quotient"; }
remainder() { expect_field 576 252 "$1" "remainder"; }

dividend && replace_with 861
divisor && replace_with 7
run_button
mkdir -p "$screenshots"
import -window "$window" "$screenshots/velmorand-after-run.png"
quotient " 123"
remainder " 0"
expect_field 172 140 " 7" "first product row"
expect_field 172 300 "       0" "last remainder row"

# Clear empties every field and puts the cursor in the dividend.
clear_button
type_text 28
divisor && type_text 14
run_button
quotient " 2"
remainder " 0"
expect_field 392 108 "14" "divisor after Clear"

paper_games_link
for _ in $(seq 50); do [ -s "$work/opened" ] && break; sleep 0.1; done
[ "$(cat "$work/opened" 2>/dev/null)" = "http://paper-games.example/page.htm" ] ||
    fail "the link was not handed to the browser"

# A double click opens the page once: wait for the first, then long enough for a second.
english_link_double_click
for _ in $(seq 50); do [ "$(wc -l <"$work/opened")" -ge 2 ] && break; sleep 0.1; done
sleep 1
[ "$(tail -n +2 "$work/opened")" = "http://english.example/" ] ||
    fail "a double click on >>>> opened: $(tail -n +2 "$work/opened" | tr '\n' ' ')"

exit_button
for _ in $(seq 10); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "Exit did not end the program within a second"
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "Exit ended the program with status $status"

echo "End-to-end run passed; screenshot in $screenshots/velmorand-after-run.png"
