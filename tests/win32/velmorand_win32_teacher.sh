#!/usr/bin/env bash
# The teacher's side of velmorand.exe under Wine, read from another process against the core
# ("msaa_probe teacher"): a set from the command line numbered, its first problem solved with
# the core's steps, and the code shown, read through Active Accessibility (msaa_probe checks
# its name is the code said a character at a time), left in BUILD/win32-code.txt; a set that
# makes none; the field and its button; /class with and without the journal's page.
# Usage: velmorand_win32_teacher.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/wine_session.sh" "$1" practice
title="Тренажёр" xtitle="Тренажёр" on_failure=(dump read) set=7240:8,648:6,9156:42
make_locales ru_RU
export LANG=ru_RU.UTF-8
start_xvfb 1600x1000
core() { "$wine" "$msaa" teacher "$1" | tr -d '\r' | awk -F'\t' -v w="$2" '$1 == w { print $2 }'; }
msaa_read() { # NAME FIELD: of the window read through Active Accessibility
    "$wine" "$msaa" practice "$title" >"$work/read" || fail "Active Accessibility reads the window wrong"
    awk -F'\t' -v n="$1" -v f="$2" '$1 == n { print $f }' "$work/read"
}
tall() { [ "$(line window | cut -f3)" -gt 900 ]; }
start() { # the panel scrolls in a window of the designed size: taller, it is all in sight
    start_program "$wine" "$exe" "$@"
    stale=1 && xdotool windowsize "$xwindow" 1024 1000
    eventually tall || fail "the window is $(line window | cut -f2-3) inside"
}

start /practice /set "$set"
[ "$(msaa_read ProblemNumber 3)" = "$(core "$set" number)" ] || fail "ProblemNumber reads '$(msaa_read ProblemNumber 3)'"
expect Problem "$(core "$set" problem)"
"$wine" "$msaa" teacher "$set" | tr -d '\r' | awk -F'\t' '$1 == "step" { print $2 }' >"$work/steps"
while read -r right; do
    retype Entry "$right" && key Return
    eventually shows Entry "" || fail "$right was refused: '$(text Feedback)'"
done <"$work/steps"
click ShowCode
expect ResultCode "$(core "$set" code)" "after ShowCode"
msaa_read ResultCode 5 >"$build/win32-code.txt"
[ "$(cat "$build/win32-code.txt")" = "$(core "$set" code)" ] || fail "the code's value is '$(cat "$build/win32-code.txt")'"
close_program

# No set: its last reason shown, the level kept; Escape in the field closes nothing.
start --set 7240:0
eventually grep -qxF "$(core 7240:0 error)" "$work/dump" || fail "no reason for 7240:0"
expect Problem "$(core 7240:0 problem)"
retype OwnProblems "$set" && key Escape && click MakeSet
expect ProblemNumber "$(core "$set" number)" "after MakeSet"
close_program

mkdir "$work/app" && cp "$exe" "$work/app/" && title="Журнал класса" xtitle="Журнал класса"
start_program "$wine" "$work/app/velmorand.exe" /class
grep -qF "$("$wine" "$msaa" class-page | tr -d '\r')" <(dump && cat "$work/dump") || fail "no message without the page"
close_program
record_browser && : >"$work/app/velmorand-class.html"
"$wine" "$work/app/velmorand.exe" /class || fail "/class ended with status $?"
poll grep -qs velmorand-class.html "$work/opened" || fail "the page was not opened: $(opened)"
echo "The teacher's side under Wine checked: code $(cat "$build/win32-code.txt")"
