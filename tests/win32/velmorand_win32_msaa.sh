#!/usr/bin/env bash
# What a Windows screen reader gets from velmorand.exe, read under Wine in Xvfb from another
# process through Active Accessibility (msaa_probe.exe), while xdotool types as a pupil would:
# every control's name, description and role against the layout table; the links followed
# through their default action, one page each; the alerts for new messages and for Run; the
# focus and caret back in their field after minimising and restoring; the picture's focus mark
# (it leaves build/windows/velmorand-win32-picture-focus.png to look at).
# Wine crashes on a typed «з» in Liberation Sans, so only digits are typed here.
# Usage: velmorand_win32_msaa.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_session.sh" "$1" msaa
export WINEPREFIX=$VELMORAND_WINEPREFIX
msaa=$build/tests/win32/msaa_probe.exe
fail() {
    echo "FAIL: $*" >&2
    for file in read alerts opened; do
        [ -f "$work/$file" ] && { echo "--- $file" && cat "$work/$file"; } >&2
    done
    exit 1
}

# A Russian pupil's Windows: "," before the fractional part.
make_locales ru_RU
export LANG=ru_RU.UTF-8

start_xvfb 1280x1024
record_browser

start_program

text() { dump && line "$1" | cut -f5-; }
focus() { dump && awk -F'\t' '$1 == "focus" { print $2 }' "$work/dump"; }
click() { dump && xdotool mousemove --window "$xwindow" $(point "$1") click 1; }
retype() { click "$1" && xdotool key End shift+Home && xdotool type --delay 40 "$2"; }
focus_is() { [ "$(focus)" = "$1" ]; }
text_is() { [ "$(text "$1")" = "$2" ]; }
pages_opened() { [ "$(opened | wc -l)" -ge "$1" ]; }

# Every control as a screen reader reads it, checked against the table by the probe.
"$wine" "$msaa" read "$title" >"$work/read" || fail "what Active Accessibility reads differs from the table"
cat "$work/read"

# The alerts, heard by a listener in another process as NVDA or JAWS hear them.
"$wine" "$msaa" listen "$title" >"$work/alerts" &
pids+=($!)
poll grep -q listening "$work/alerts" || fail "the alert listener did not start"
heard() { grep -qxF "$(printf 'alert\t%s' "$1")" "$work/alerts"; }
expect_alert() { poll heard "$1" || fail "no alert saying \"$1\""; }
alerts() { grep -c '^alert' "$work/alerts" || true; }
# Wine may hand over the alerts of quick typing late and out of order: true once no new one
# has come for a second.
quiet() {
    local count
    count=$(alerts)
    sleep 1
    [ "$(alerts)" -eq "$count" ]
}

retype Text1 123
expect_alert "Разрядов делимого  3"
[ "$(focus)" = Text1 ] || fail "the message took the focus to $(focus)"
retype Text1 1234567
expect_alert "Разрядов делимого больше 6"
retype Text1 234567
retype Text15 14
expect_alert "Разрядов делителя  2"
poll quiet || fail "the alerts of typing did not stop"
before=$(alerts)
click Command1
expect_alert "$("$wine" "$msaa" announcement 234567 14 , | tr -d '\r')"
poll quiet || fail "the alerts of Run did not stop"
[ "$(focus)" = Command1 ] || fail "the focus left Run for $(focus)"
[ "$(text Label1)" = "Деление с остатком" ] || fail "the message line shows $(text Label1)"
# Run says its summary once, and not the message line's new text as well.
[ "$(alerts)" -eq $((before + 1)) ] || fail "Run raised $(($(alerts) - before)) alerts"
# Clear moves the focus to the dividend, which is what is heard: it raises no alert.
before=$(alerts)
click Command2
poll focus_is Text1 || fail "Clear left the focus in $(focus)"
poll quiet || fail "the alerts of Clear did not stop"
[ "$(alerts)" -eq "$before" ] || fail "Clear raised $(($(alerts) - before)) alerts"
click Command1
expect_alert "На ноль делить нельзя"

# The links, followed through their default action: one page each.
"$wine" "$msaa" act "$title" Label8 || fail "Label8 has no default action"
poll pages_opened 1 || fail "Label8's default action opened nothing"
"$wine" "$msaa" act "$title" Label9 || fail "Label9 has no default action"
poll pages_opened 2 || fail "Label9's default action opened nothing"

# Minimised and restored, the focus and the caret are back in the divisor, and the next digit
# typed lands there.
retype Text15 7
"$wine" "$msaa" restore "$title" >"$work/restore" || fail "after restoring: $(cat "$work/restore")"
cat "$work/restore"
xdotool type 5
poll text_is Text15 75 || fail "a digit typed after restoring went elsewhere: $(text Text15)"

# The picture shows the focus with a frame, and looks as before once the focus has left it.
picture() { # a screenshot of the picture alone
    local left top width height
    dump
    read -r left top width height <<<"$(line Picture1 | cut -f2)"
    import -window "$xwindow" -crop "${width}x${height}+${left}+${top}" "$work/$1.png"
}
click Text1
picture unfocused
xdotool key shift+Tab
poll focus_is Picture1 || fail "Shift+Tab from the dividend went to $(focus)"
picture focused
cp "$work/focused.png" "$build/velmorand-win32-picture-focus.png" # to look at
differing() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
[ "$(differing unfocused focused)" -gt 100 ] || fail "the focused picture looks as before"
xdotool key Tab
poll focus_is Text1 || fail "Tab from the picture went to $(focus)"
picture left
[ "$(differing unfocused left)" -eq 0 ] || fail "the picture kept a mark after the focus left"

# Asked twice, the links opened exactly their two pages, nothing more.
[ "$(opened)" = "$(address PaperGamesAddress)"$'\n'"$(address EnglishAddress)" ] ||
    fail "the browser was asked for: $(opened | tr '\n' ' ')"

"$wine" "$probe" close "$title"
timeout 10 tail --pid="$program_pid" -f /dev/null || fail "the window did not close"
echo "--- alerts"
cat "$work/alerts"
echo "Active Accessibility under Wine checked"
