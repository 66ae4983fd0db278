#!/usr/bin/env bash
# The real velmorand.exe under Wine in a real X server (Xvfb), driven with xdotool as a pupil
# would: type, Run, a pasted dividend, Clear, the links, Exit. The window is read back from outside
# by probe.exe, through the standard calls any Windows program can make. Every step waits for
# what it needs, with a deadline. Only digits and Latin letters are typed: Wine's own text
# shaping crashes on a typed «з» in Liberation Sans, which is Wine's fault, not the program's.
# Usage: velmorand_win32_e2e.sh BUILD_DIR MODE, MODE one of
#   english   an English Wine locale, 96 dpi
#   russian   a Russian Wine locale (code page 1251, "," as the decimal separator)
#   dpi192    an English locale at 192 dpi: the window twice as large
set -euo pipefail
mode=$2
here=$(cd "$(dirname "$0")" && pwd)
# Each mode has a prefix of its own: the 192 dpi run changes its settings.
source "$here/wine_session.sh" "$1" "$mode"
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

limit() { line "$1" | cut -f4; }
shown() { line "$1" | cut -f3; }
is_shown() { [ "$(shown "$1")" = "$2" ]; }
expect_shown() { # NAME visible|hidden WHAT
    eventually is_shown "$1" "$2" || fail "$3"
}
was_opened() { grep -qxF "$1" <(opened); }
wait_opened() { poll was_opened "$1" || true; } # ADDRESS; the list is checked in full after

# The window as it opens; the tool tips come once it is shown.
tool_tips() { [ "$(line tooltips | cut -f2)" = 4 ]; }
eventually tool_tips || fail "$(line tooltips | cut -f2) tool tips, not 4"
placed_as_described places "$dpi"
# The worksheet's start texts, and Run shown.
expect_focus Text1 "at start"
expect Text1 234567
expect Text16 Результат
expect Label1 "Сообщения:"
expect_shown Command1 visible "Run is hidden at start"
for field in Text1 Text15 Text2; do # no field limits what can be typed
    [ "$(limit "$field")" -ge 2147483646 ] || fail "$field takes only $(limit "$field") characters"
done

# Tab follows the table (Shift+Tab: velmorand_win32_msaa.sh). Without a window manager the
# keyboard goes where the mouse last clicked: into the dividend, where the focus already is.
click Text1
tab_follows_the_table focus-order Text1

# Typing runs the digit checks, whose messages and Run's showing are the core's
# (tests/digit_checks_test.cpp): seven characters hide Run, a divisor typed shows it again.
retype Text1 1234567
expect Label1 "Разрядов делимого больше 6"
expect_shown Command1 hidden "Run shown for a seven-digit dividend"
retype Text1 234567
retype Text15 14
expect Label1 "Разрядов делителя  2"
expect_shown Command1 visible "Run hidden after the divisor was typed"
# Run fills the column as the core divides (tests/division_run_test.cpp); the fractional part
# with this locale's separator.
click Command1
expect Label1 "Деление с остатком"
expect Text16 " 16754"
expect Text11 "           11"
expect Text17 "0${separator}785714285714286" "fractional part"
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

# Clear empties every field and puts the cursor in the dividend.
click Command2
for n in $(seq 1 19); do expect "Text$n" ""; done
expect_focus Text1 "after Clear"

# The links go through ShellExecuteA and Wine's browser hand-off; a double click opens once.
# Load, clicked last, comes after any second page the double click might bring.
paper_games=$(address PaperGamesAddress)
english=$(address EnglishAddress)
catalogue=$(address CatalogueAddress)
click Label8
wait_opened "$paper_games"
click Label9 --repeat 2 --delay 80
wait_opened "$english"
click Command4
wait_opened "$catalogue"
[ "$(opened)" = "$paper_games"$'\n'"$english"$'\n'"$catalogue" ] ||
    fail "the browser was asked for: $(opened | tr '\n' ' ')"

# Exit ends the program with status 0; so does closing the window (asked as its close box
# asks, the window system drawing no frame here).
if [ "$mode" = dpi192 ]; then
    close_program
else
    close_program click Command3
fi
echo "End-to-end run under Wine passed ($mode); screenshot in $build/velmorand-win32-$mode.png"
