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
source "$(dirname "$0")/orca_session.sh"
# The work folder is left in SCREENSHOT_DIR/velmorand-e2e, with what the program said.
desktop_session "$0" "$screenshots/velmorand-e2e" 1024x768 "$@"
start_program "$program"
window=$(wait_window velmorand)
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

paper_games=$(link_address PaperGamesAddress)
english=$(link_address EnglishAddress)
click Label8 other
wait_opened 1
opened_are "$paper_games"

# A double click opens the page once. Load, clicked after it, comes after any second opening
# the double click might make.
click Label9 other 2
wait_opened 2
press Command4
wait_opened 3
opened_are "$paper_games" "$english" "$(link_address CatalogueAddress)"

press Command3
timeout 10 tail --pid="$program_pid" -f /dev/null || fail "Exit did not end the program"
wait "$program_pid" || fail "Exit ended the program with status $?"

echo "End-to-end run passed; screenshot in $screenshots/velmorand-after-run.png"
