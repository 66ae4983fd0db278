#!/usr/bin/env bash
# The real velmorand.exe under Wine in a real X server (Xvfb), driven with xdotool as a pupil
# would: type, Run, a pasted dividend, Clear, the links, Exit. The window is read back from
# outside by probe.exe, through the standard calls any Windows program can make, and as a
# Windows screen reader reads it, through Active Accessibility (msaa_probe.exe): every
# control's name, description and role against the table; the alerts for a new message and
# for Run, and none for Clear (which text each says is the core's: Announcements in
# tests/window_description_test.cpp); the links followed through their default action; the
# focus and caret back in their field after minimising and restoring; the picture's focus
# mark. Every step waits for what it needs, with a deadline. Only digits and Latin letters are
# typed: Wine's own text shaping crashes on a typed «з» in Liberation Sans, which is Wine's
# fault, not the program's. It leaves a screenshot of the window after Run and one of the
# focused picture in the build folder, to look at.
# Usage: velmorand_win32_e2e.sh BUILD_DIR MODE, MODE one of
#   english   an English Wine locale, 96 dpi
#   russian   a Russian Wine locale (code page 1251, "," as the decimal separator)
#   dpi192    an English locale at 192 dpi: the window twice as large
set -euo pipefail
mode=$2
here=$(cd "$(dirname "$0")" && pwd)
# Each mode has a prefix of its own: the 192 dpi run changes its settings.
source "$here/wine_session.sh" "$1" "$mode"
on_failure=(dump read alerts opened)
make_locales en_US ru_RU
case $mode in
russian) export LANG=ru_RU.UTF-8 separator="," ;;
english | dpi192) export LANG=en_US.UTF-8 separator="." ;;
*) fail "unknown mode" ;;
esac
dpi=96
if [ "$mode" = dpi192 ]; then
    dpi=192
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null
else
    "$wine" reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
fi
stop_wine # the program reads the new settings afresh
scale() { echo $(($1 * dpi / 96)); }

start_xvfb 1600x1400
record_browser

start_program

is_shown() { [ "$(line "$1" | cut -f3)" = "$2" ]; } # NAME visible|hidden
heard() { grep -qxF "$(printf 'alert\t%s' "$1")" "$work/alerts"; }
expect_alert() { poll heard "$1" || fail "no alert saying \"$1\""; }
# Wine may hand over the alerts of quick typing late and out of order: true once no new one
# has come for a second.
quiet() {
    local count
    count=$(alerts)
    sleep 1
    [ "$(alerts)" -eq "$count" ]
}
# COUNT WHAT: once no new alert comes, exactly COUNT have come since $before.
raised() {
    poll quiet || fail "the alerts of $2 did not stop"
    [ "$(alerts)" -eq $((before + $1)) ] || fail "$2 raised $(($(alerts) - before)) alerts, not $1"
}

# The window as it opens; the tool tips come once it is shown.
eventually tool_tips || fail "$(line tooltips | cut -f2) tool tips, not 4"
placed_as_described places "$dpi"
# The worksheet's start (the core's: Form1Layout in tests/window_description_test.cpp names
# the first focus), and Run shown.
expect_focus Text1 "at start"
expect Text16 Результат
eventually is_shown Command1 visible || fail "Run is hidden at start"
for field in Text1 Text15 Text2; do # no field limits what can be typed
    [ "$(line "$field" | cut -f4)" -ge 2147483646 ] || fail "$field takes only $(line "$field" | cut -f4) characters"
done
# Every control as a screen reader reads it, checked against the table by the probe.
"$wine" "$msaa" read "$title" >"$work/read" || fail "what Active Accessibility reads differs from the table"
cat "$work/read"
listen

# Tab follows the table. Without a window manager the keyboard goes where the mouse last
# clicked: into the dividend, where the focus already is.
click Text1
tab_follows_the_table focus-order Text1

# Typing runs the digit checks, whose messages and Run's showing are the core's
# (tests/digit_checks_test.cpp): seven characters hide Run, a divisor typed shows it again.
# The new message is heard, and the focus stays where the pupil types.
retype Text1 1234567
expect Label1 "Разрядов делимого больше 6"
expect_alert "Разрядов делимого больше 6"
expect_focus Text1 "after the message"
eventually is_shown Command1 hidden || fail "Run shown for a seven-digit dividend"
retype Text1 234567
retype Text15 14
expect Label1 "Разрядов делителя  2"
eventually is_shown Command1 visible || fail "Run hidden after the divisor was typed"
poll quiet || fail "the alerts of typing did not stop"

# Run fills the column as the core divides (tests/division_run_test.cpp); the fractional part
# with this locale's separator. It says its summary once, and not the message line's new
# text as well; the focus stays on it.
before=$(alerts)
click Command1
expect Label1 "Деление с остатком"
expect Text16 " 16754"
expect Text11 "           11"
expect Text17 "0${separator}785714285714286" "fractional part"
expect_alert "$("$wine" "$msaa" announcement 234567 14 "$separator" | tr -d '\r')"
raised 1 Run
expect_focus Command1 "after Run"
screenshot=$build/velmorand-win32-$mode.png
import -window "$xwindow" "$screenshot"
colour() { # the colour of the window's pixel at X Y
    convert "$screenshot" -format "%[hex:p{$1,$2}]" info: | cut -c1-6
}
[ "$(colour "$(scale 10)" "$(scale 10)")" = FBEC6D ] || fail "window background $(colour 10 10)"
[ "$(colour "$(scale 600)" "$(scale 580)")" = FAF2AF ] || fail "message line $(colour 600 580)"
[ "$(colour "$(scale 576)" "$(scale 271)")" = 000000 ] || fail "fraction bar $(colour 576 271)"

# A pasted dividend of 100,001 characters: the window takes it and divides at once.
{ head -c 100000 /dev/zero | tr '\0' 0; printf 1; } | xclip -selection clipboard
click Text1
key End shift+Home ctrl+v
pasted() { [ "$(text Text1 | wc -c)" -eq 100002 ]; }
eventually pasted || fail "the pasted dividend has $(text Text1 | wc -c) bytes"
retype Text15 7
click Command1
expect Label1 "Деление с остатком" "message after a pasted dividend"
expect Text18 " 1"

# Clear empties every field and moves the focus to the dividend, which is what is heard: it
# raises no alert.
poll quiet || fail "the alerts of the pasted dividend did not stop"
before=$(alerts)
click Command2
for n in $(seq 1 19); do expect "Text$n" ""; done
expect_focus Text1 "after Clear"
raised 0 Clear

# The links go through ShellExecuteA and Wine's browser hand-off, clicked and then followed
# through their default action: one page each, a double click too, as the list the browser
# was asked for shows in the end.
pages_opened() { [ "$(opened | wc -l)" -ge "$1" ]; }
pages=0
follow() { # COMMAND...: the next page opens
    "$@" || fail "$* failed"
    poll pages_opened $((++pages)) || fail "$* opened no page"
}
follow click Label8
follow click Label9 --repeat 2 --delay 80
follow click Command4
follow "$wine" "$msaa" act "$title" Label8
follow "$wine" "$msaa" act "$title" Label9
[ "$(opened)" = "$(for link in PaperGamesAddress EnglishAddress CatalogueAddress PaperGamesAddress \
    EnglishAddress; do address $link; done)" ] || fail "the browser was asked for: $(opened | tr '\n' ' ')"

# Minimised and restored, the focus and the caret are back in the divisor, and the next digit
# typed lands there.
retype Text15 7
"$wine" "$msaa" restore "$title" >"$work/restore" || fail "after restoring: $(cat "$work/restore")"
cat "$work/restore"
type_in 5
expect Text15 75 "a digit typed after restoring"

# The picture shows the focus with a frame, and looks as before once the focus has left it.
picture() { # NAME: a screenshot of the picture alone
    import -window "$xwindow" -crop "$(place Picture1 | awk '{ printf "%dx%d+%d+%d", $3, $4, $1, $2 }')" "$work/$1.png"
}
click Text1
picture unfocused
key shift+Tab
expect_focus Picture1 "Shift+Tab from the dividend"
picture focused
cp "$work/focused.png" "$build/velmorand-win32-$mode-picture-focus.png" # to look at
differing() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
[ "$(differing unfocused focused)" -gt 100 ] || fail "the focused picture looks as before"
key Tab
expect_focus Text1 "Tab from the picture"
picture left
[ "$(differing unfocused left)" -eq 0 ] || fail "the picture kept a mark after the focus left"

# Exit ends the program with status 0; so does closing the window (asked as its close box
# asks, the window system drawing no frame here).
if [ "$mode" = dpi192 ]; then
    close_program
else
    close_program click Command3
fi
echo "--- alerts"
cat "$work/alerts"
echo "End-to-end run under Wine passed ($mode); screenshots in $build/velmorand-win32-$mode*.png"
