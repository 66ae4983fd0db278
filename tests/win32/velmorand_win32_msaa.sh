#!/usr/bin/env bash
# What a Windows screen reader gets from velmorand.exe, read under Wine in Xvfb from another
# process through Active Accessibility (msaa_probe.exe), while xdotool types as a pupil would:
# every control's name, description and role against the layout table; the links followed
# through their default action, one page each; the alerts for a new message and for Run, and
# none for Clear; the focus and caret back in their field after minimising and restoring; the
# picture's focus mark (it leaves build/windows/velmorand-win32-picture-focus.png to look at).
# Which text each edit and click says is the core's (Announcements in
# tests/window_description_test.cpp); here, that the window says it, once.
# Wine crashes on a typed «з» in Liberation Sans, so only digits are typed here.
# Usage: velmorand_win32_msaa.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_session.sh" "$1" msaa
on_failure=(read alerts opened)

# A Russian pupil's Windows: "," before the fractional part.
make_locales ru_RU
export LANG=ru_RU.UTF-8

start_xvfb 1280x1024
record_browser
start_program
dump

# Every control as a screen reader reads it, checked against the table by the probe.
"$wine" "$msaa" read "$title" >"$work/read" || fail "what Active Accessibility reads differs from the table"
cat "$work/read"

listen
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

retype Text1 123
expect_alert "Разрядов делимого  3"
expect_focus Text1 "after the message"
retype Text1 234567
retype Text15 14
poll quiet || fail "the alerts of typing did not stop"
# Run says its summary once, and not the message line's new text as well; the focus stays.
before=$(alerts)
click Command1
expect_alert "$("$wine" "$msaa" announcement 234567 14 , | tr -d '\r')"
raised 1 Run
expect_focus Command1 "after Run"
expect Label1 "Деление с остатком"
# Clear moves the focus to the dividend, which is what is heard: it raises no alert.
before=$(alerts)
click Command2
expect_focus Text1 "after Clear"
raised 0 Clear

# The links, followed through their default action: one page each.
pages_opened() { [ "$(opened | wc -l)" -ge "$1" ]; }
pages=0
for link in Label8 Label9; do
    "$wine" "$msaa" act "$title" "$link" || fail "$link has no default action"
    poll pages_opened $((++pages)) || fail "$link's default action opened nothing"
done

# Minimised and restored, the focus and the caret are back in the divisor, and the next digit
# typed lands there.
retype Text15 7
"$wine" "$msaa" restore "$title" >"$work/restore" || fail "after restoring: $(cat "$work/restore")"
cat "$work/restore"
type_in 5
expect Text15 75 "a digit typed after restoring"

# The picture shows the focus with a frame, and looks as before once the focus has left it.
picture() { # a screenshot of the picture alone
    local left top width height
    read -r left top width height <<<"$(place Picture1)"
    import -window "$xwindow" -crop "${width}x${height}+${left}+${top}" "$work/$1.png"
}
click Text1
picture unfocused
key shift+Tab
expect_focus Picture1 "Shift+Tab from the dividend"
picture focused
cp "$work/focused.png" "$build/velmorand-win32-picture-focus.png" # to look at
differing() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
[ "$(differing unfocused focused)" -gt 100 ] || fail "the focused picture looks as before"
key Tab
expect_focus Text1 "Tab from the picture"
picture left
[ "$(differing unfocused left)" -eq 0 ] || fail "the picture kept a mark after the focus left"

# Asked twice, the links opened exactly their two pages, nothing more.
[ "$(opened)" = "$(address PaperGamesAddress)"$'\n'"$(address EnglishAddress)" ] ||
    fail "the browser was asked for: $(opened | tr '\n' ' ')"

close_program
echo "--- alerts"
cat "$work/alerts"
echo "Active Accessibility under Wine checked"
