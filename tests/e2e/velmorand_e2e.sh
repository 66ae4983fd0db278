#!/usr/bin/env bash
# The real program in a real X server (Xvfb), driven with xdotool as a pupil would: type a
# division, Run, Clear, follow a link, Exit. The controls are found, and the results read
# back, through the accessibility tree (AT-SPI) on a private session bus, by the names a
# screen reader knows them by; every step waits for what it needs, with a deadline.
# Usage: velmorand_e2e.sh PROGRAM SCREENSHOT_DIR ACCESSIBLE_NAMES VERSION
#   ACCESSIBLE_NAMES prints "control<TAB>accessible name" for the window's controls
set -euo pipefail
program=$(realpath "$1")
screenshots=$2
names_tool=$(realpath "$3")
version=$4
here=$(cd "$(dirname "$0")" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if [ -z "${VELMORAND_E2E_WORK:-}" ]; then
    work=$(mktemp -d)
    VELMORAND_XVFB_PID=
    trap '[ -n "$VELMORAND_XVFB_PID" ] && kill "$VELMORAND_XVFB_PID" 2>/dev/null; rm -rf "$work"' EXIT
    source "$here/../../tools/xvfb.sh"
    velmorand_start_xvfb 1024x768 "$work"
    status=0
    VELMORAND_E2E_WORK=$work dbus-run-session -- "$0" "$@" || status=$?
    exit "$status"
fi

# Inside the private session bus, on the display started above.
work=$VELMORAND_E2E_WORK
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT
atspi() { /usr/bin/python3 "$here/atspi.py" "$@"; }

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)

# A browser that only writes down what it was asked to open. The desktop's own handlers
# are hidden so that xdg-open falls back to $BROWSER.
cat >"$work/browser" <<SCRIPT
#!/bin/sh
echo "\$1" >>"$work/opened"
SCRIPT
chmod +x "$work/browser"
mkdir -p "$work/xdg"
opened() { cat "$work/opened" 2>/dev/null || true; }
wait_opened() { # COUNT: until the browser has been asked that many times, for 10 s at most
    for _ in $(seq 100); do [ "$(opened | wc -l)" -ge "$1" ] && return; sleep 0.1; done
}

BROWSER="$work/browser" XDG_DATA_HOME="$work/xdg" XDG_DATA_DIRS="$work/xdg" \
    XDG_CONFIG_HOME="$work/xdg" XDG_CONFIG_DIRS="$work/xdg" XDG_CURRENT_DESKTOP= \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>"$work/program.log" &
program_pid=$!
pids+=($program_pid)

# By class: where the locale is not installed, the title's old-style property is garbled.
window=$(timeout 20 xdotool search --sync --onlyvisible --class velmorand | head -n 1)
[ -n "$window" ] || fail "the window did not appear"
atspi places velmorand >"$work/places" || fail "the window's controls are not in the accessibility tree"

# The name a screen reader knows a control by, as the window's description defines it.
"$names_tool" >"$work/names"
name_of() { awk -F'\t' -v control="$1" '$1 == control { print $2 }' "$work/names"; }
# Clicks the centre of a control of that kind (field, button or other) with that name.
click() { # CONTROL [KIND] [CLICKS]
    local x y
    read -r x y < <(awk -F'\t' -v kind="${2:-field}" -v name="$(name_of "$1")" \
        '$1 == kind && $2 == name { print $3, $4; exit }' "$work/places")
    [ -n "$x" ] || fail "no ${2:-field} named '$(name_of "$1")' ($1) in the accessibility tree"
    xdotool mousemove "$x" "$y" click --repeat "${3:-1}" --delay 100 1
}
press() { click "$1" button; }
expect_field() { # CONTROL TEXT WHAT
    atspi expect velmorand "$(name_of "$1")" "$2" || fail "$3"
}
retype() { # CONTROL TEXT
    click "$1"
    xdotool key ctrl+a
    xdotool type --delay 30 "$2"
    expect_field "$1" "$2" "typing into $1"
}

retype Text1 861
retype Text15 7
press Command1
expect_field Text16 " 123" "whole quotient"
expect_field Text18 " 0" "remainder"
expect_field Text2 " 7" "first product row"
expect_field Text7 "       0" "last remainder row"
mkdir -p "$screenshots"
import -window "$window" "$screenshots/velmorand-after-run.png"

# The caption shows the version the build was configured with.
caption=$(xdotool getwindowname "$window")
[[ "$caption" == *" Ver $version" ]] || fail "the caption is '$caption', not of version $version"

# Clear empties every field and puts the cursor in the dividend.
press Command2
expect_field Text1 "" "dividend after Clear"
expect_field Text16 "" "whole quotient after Clear"
xdotool type --delay 30 28
expect_field Text1 28 "typing after Clear, where the cursor should be in the dividend"
retype Text15 14
press Command1
expect_field Text16 " 2" "whole quotient"
expect_field Text18 " 0" "remainder"

# The addresses as a distributor sets them.
address() { sed -n "s/.*$1\\[\\] = \"\\([^\"]*\\)\".*/\\1/p" "$here/../../window/link_addresses.h"; }
paper_games=$(address PaperGamesAddress)
english=$(address EnglishAddress)
catalogue=$(address CatalogueAddress)
click Label8 other
wait_opened 1
[ "$(opened)" = "$paper_games" ] || fail "the link was not handed to the browser: $(opened)"

# A double click opens the page once. Load, clicked after it, comes after any second opening
# the double click might make.
click Label9 other 2
wait_opened 2
press Command4
for _ in $(seq 100); do grep -qxF "$catalogue" <(opened) && break; sleep 0.1; done
[ "$(opened)" = "$paper_games"$'\n'"$english"$'\n'"$catalogue" ] ||
    fail "the browser was asked for: $(opened | tr '\n' ' ')"

press Command3
timeout 10 tail --pid="$program_pid" -f /dev/null || fail "Exit did not end the program"
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "Exit ended the program with status $status"

echo "End-to-end run passed; screenshot in $screenshots/velmorand-after-run.png"
