#!/usr/bin/env bash
# The teacher's side of the real velmorand.exe under Wine in Xvfb, read from another process:
# started with a set of the teacher's problems, the window numbers them as the core does, the
# first solved by typing the core's steps, and the code it then shows is the core's for the same
# work, named to a screen reader a character at a time (msaa_probe checks the name against the
# core's SpokenCode and the value against the code). The code is left in BUILD/win32-code.txt.
# A set that makes none shows why and keeps the level; the field and its button make one. Then
# /class opens the journal's page beside the program, or says where to put it.
# Usage: velmorand_win32_teacher.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_session.sh" "$1" practice
title="Тренажёр"
xtitle="Тренажёр"
on_failure=(dump read)

make_locales ru_RU
export LANG=ru_RU.UTF-8
start_xvfb 1600x1000
set=7240:8,648:6,9156:42
core() { "$wine" "$msaa" teacher "$1" | tr -d '\r' | awk -F'\t' -v what="$2" '$1 == what { print $2 }'; }
read_msaa() { "$wine" "$msaa" practice "$title" >"$work/read" || fail "Active Accessibility reads the window wrong"; }
msaa_text() { awk -F'\t' -v name="$1" -v field="$2" '$1 == name { print $field }' "$work/read"; }

# Tall enough for the whole panel, which scrolls in a window of the designed size.
start() {
    start_program "$wine" "$exe" "$@"
    stale=1 && xdotool windowsize "$xwindow" 1024 1000
    tall() { [ "$(line window | cut -f3)" -gt 900 ]; }
    eventually tall || fail "the window is $(line window | cut -f2-3) inside, not 1024x1000"
}
# NAME: a text's lines, as the window reads from outside.
lines() { awk -F'\t' -v name="$1" '$1 == name && NF > 4 { print $5; on = 1; next } on && NF == 1 { print; next } { on = 0 }' "$work/dump"; }
error_shown() { [ "$(lines SetError)" = "$1" ]; }

start /practice /set "$set"
read_msaa
[ "$(msaa_text ProblemNumber 3)" = "$(core "$set" number)" ] ||
    fail "ProblemNumber is read as '$(msaa_text ProblemNumber 3)', not '$(core "$set" number)'"
expect Problem "$(core "$set" problem)" "the set's first problem"
dump
problem=$(text Problem | sed 's/\xc2\xa0//g')
[[ $problem =~ ^([0-9]+)\ :\ ([0-9]+)$ ]] || fail "the problem reads '$problem'"
"$wine" "$msaa" steps "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" | tr -d '\r' >"$work/steps"
while read -r kind right; do
    retype Entry "$right" && key Return
    eventually shows Entry "" || fail "the $kind step refused $right (told '$(text Feedback)')"
done <"$work/steps"
click ShowCode
expect ResultCode "$(core "$set" code)" "after ShowCode"
read_msaa
msaa_text ResultCode 3 | grep -q . || fail "the code has no accessible name"
msaa_text ResultCode 5 >"$build/win32-code.txt"
close_program

# A set that makes none: the reasons shown, the level's problem kept. Escape in the field
# leaves the window open; the field's problems, made a set, are numbered.
start --set 7240:0
eventually error_shown "$(core 7240:0 error)" || fail "SetError reads '$(lines SetError)' after a division by 0"
expect Problem "$(core 7240:0 problem)" "a set that makes none"
retype OwnProblems "$set"
key Escape
click MakeSet
expect ProblemNumber "$(core "$set" number)" "after MakeSet"
expect SetError "" "after MakeSet"
close_program

# /class: the page beside the program is opened in the browser; without it, a message.
mkdir "$work/app"
cp "$exe" "$work/app/"
title="Журнал класса"
"$wine" "$work/app/velmorand.exe" /class &
program_pid=$!
pids+=("$program_pid")
"$wine" "$probe" wait "$title" || fail "no message without the journal's page"
dump
grep -qF "$("$wine" "$msaa" class-page | tr -d '\r')" "$work/dump" || fail "the message is not the core's"
close_program
record_browser
echo '<title>journal</title>' >"$work/app/velmorand-class.html"
"$wine" "$work/app/velmorand.exe" /class || fail "/class ended with status $?"
poll grep -qs "velmorand-class.html" "$work/opened" || fail "the journal's page was not opened: $(opened)"
echo "The teacher's side under Wine checked: code $(cat "$build/win32-code.txt")"
