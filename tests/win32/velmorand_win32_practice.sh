#!/usr/bin/env bash
# The practice window of the real velmorand.exe under Wine in Xvfb, started as the Start menu's
# shortcut starts it, driven with xdotool as a pupil would and read back from another process
# through probe.exe and Active Accessibility (msaa_probe.exe). The pupil's answers are the
# core's steps for the problem the window shows (proved against the textbooks in
# tests/practice_steps_test.cpp): a step the window asks in another order, or refuses when it
# is right, fails the run. A wrong digit and a hint are tried on the way. The progress file in
# the prefix's application data is checked after each solved problem and kept between
# sessions; a damaged one reads as a fresh start (ProgressFile in practice_win32_test.cpp).
# Only digits are typed: Wine's text shaping crashes on typed Cyrillic letters in Liberation
# Sans, which is Wine's fault, not the program's.
# Usage: velmorand_win32_practice.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_session.sh" "$1" practice
title="Тренажёр"
xtitle="Тренажёр"
on_failure=(dump read)

make_locales ru_RU
export LANG=ru_RU.UTF-8
start_xvfb 1600x1000

# The pupil's application data in this prefix, without the progress of an earlier run.
"$wine" cmd /c echo >/dev/null 2>&1 || true # the prefix is made before its folders are looked for
appdata=$(find "$WINEPREFIX/drive_c/users" -maxdepth 3 -type d -path '*/AppData/Roaming' | grep -v '/Public/' | head -n 1)
[ -n "$appdata" ] || fail "no AppData\\Roaming in the prefix"
kept=$appdata/Velmorand
progress=$kept/practice-progress.txt
rm -rf "$kept"

changed() { [ "$(text "$1")" != "$2" ] && [ -n "$(text "$1")" ]; }
enter() { retype "$1" "$2" && key Return; } # NAME TEXT: typed into a field, then Enter

# Solves the problem shown, with one wrong digit at the first digit step and a hint at the
# first digit brought down, the same way every time. With "check", checks what each does.
# Sets a and b to the problem's numbers.
solve() {
    local check=${1:-} problem kind right question before heard hinted=0 wrong=0
    dump
    problem=$(text Problem | sed 's/\xc2\xa0//g') # "12 345 : 6" is split into classes
    [[ $problem =~ ^([0-9]+)\ :\ ([0-9]+)$ ]] || fail "the problem reads '$problem'"
    a=${BASH_REMATCH[1]}
    b=${BASH_REMATCH[2]}
    "$wine" "$msaa" steps "$a" "$b" | tr -d '\r' >"$work/steps"
    while read -r kind right; do
        dump
        question=$(text Question)
        [ -n "$question" ] || fail "no question before the $kind step"
        if [ "$kind" = digit ] && [ "$wrong" = 0 ] && [ "$right" -lt 9 ]; then
            wrong=1
            [ -z "$check" ] || heard=$(alerts)
            enter Entry $((right + 1)) # one too many: the product would not fit
            eventually changed Feedback "" || fail "no feedback on the wrong digit $((right + 1))"
            if [ -n "$check" ]; then
                poll said_more "$heard" || fail "nothing was announced for a wrong digit"
                [ "$(text Entry)" = $((right + 1)) ] || fail "the wrong digit was taken out of the field"
            fi
        fi
        if [ "$kind" = bring ] && [ "$hinted" = 0 ]; then
            hinted=1
            before=$(text Feedback)
            [ -z "$check" ] || heard=$(alerts)
            click Hint
            eventually changed Feedback "$before" || fail "the hint said nothing new"
            if [ -n "$check" ]; then
                poll said_more "$heard" || fail "the hint was not announced"
                focused Entry || fail "after the hint the focus is in $(focus), not the answer field"
            fi
        fi
        if [ "$wrong" = 1 ] && [ "$kind" = digit ] && [ -z "${typed_over:-}" ]; then
            # The wrong digit stays selected: the right one typed replaces it.
            typed_over=1
            type_in "$right"
            key Return
        else
            enter Entry "$right"
        fi
        # A right answer is taken: the field is emptied for the next one.
        eventually shows Entry "" ||
            fail "the $kind step refused $right (asked '$question', told '$(text Feedback)')"
    done <"$work/steps"
}

# As the Start menu's shortcut starts it (the other spellings of its options: PracticeCommandLine
# in tests/practice_start_test.cpp).
run_program() { start_program "$wine" "$exe" /practice /level 5 /variant 42; }
said_more() { [ "$(alerts)" -gt "$1" ]; }
level_shown() { "$wine" "$msaa" level "$1" | tr -d '\r'; } # N: as the level's list shows it

# The window as it opens, from the command line the shortcut gives.
run_program
listen
expect Level "$(level_shown 5)" "at start"
expect Variant 42 "at start"
expect_focus Entry "at start"
"$wine" "$msaa" practice "$title" >"$work/read" || fail "Active Accessibility reads the window wrong"
cat "$work/read"
[ ! -e "$progress" ] || fail "a progress file before anything was solved"

# Tab follows the table.
click Entry
tab_follows_the_table practice-focus-order Entry

# Enter in the variant field chooses the variant typed; one that is no variant is refused (the
# core's: AVariantIsANumberFrom1To999999 in tests/practice_session_test.cpp) and the field
# shows the variant in force again.
first=$(text Problem)
enter Variant 43
eventually changed Problem "$first" || fail "variant 43 kept the problem $first"
enter Variant 0
expect Variant 43 "after variant 0"
enter Variant 42
expect Problem "$first" "variant 42 again"
# Leaving the field chooses what was typed in it; passing through it unedited chooses nothing.
retype Variant 43
key Tab
eventually changed Problem "$first" || fail "leaving the variant field did not choose 43"
second=$(text Problem) && said=$(text Feedback)
click Variant
key Tab
expect_focus Entry "Tab from the variant"
[ "$(text Problem)" = "$second" ] && [ "$(text Feedback)" = "$said" ] || fail "passing through the variant chose it again"
key shift+Tab # not a click so soon after the last one: that would be a double click
expect_focus Variant "Shift+Tab from the answer"
key End shift+Home
type_in 42
key Return
expect Problem "$first" "variant 42 once more"

# The level, chosen from the keyboard: one down is level 6, one up level 5 again.
for _ in $(seq 10); do
    focused Level && break
    key shift+Tab
    dump
done
focused Level || fail "Shift+Tab never reached the level"
key Down
expect Level "$(level_shown 6)" "Down in the level"
eventually changed Problem "$first" || fail "level 6 kept the problem $first"
key Up
expect Level "$(level_shown 5)" "Up in the level"
expect Problem "$first" "level 5 again"

# The progress line counts the solved problem; the answer line shows the quotient.
dump
progress_before=$(text Progress)
[ -n "$progress_before" ] || fail "no progress line"
[ -z "$(text Answer)" ] || fail "an answer line before the problem is solved: $(text Answer)"
solve check
count=$(wc -l <"$work/steps")
eventually changed Progress "$progress_before" || fail "the progress line still reads '$progress_before' after a solved problem"
[[ "$(text Answer)" == *"$((a / b))"* ]] || fail "the answer line '$(text Answer)' lacks the quotient $((a / b))"
# The check by multiplication ends the problem, and a screen reader is told so.
poll grep -q "^alert	Верно. Проверка, .*Получилось делимое $a, " "$work/alerts" ||
    fail "the check's end was not announced"
poll test -s "$progress" || fail "no progress file in AppData after a solved problem"
cp "$progress" "$work/after-one"

# The column is read row by row: Home, Down and End move through its rows.
# The column as a screen reader reads it: the value of its accessible object, its rows
# parted by " | ". The probe checks every control against the table on the way.
"$wine" "$msaa" practice "$title" >"$work/read" || fail "Active Accessibility reads the window wrong"
rows=$(awk -F'\t' '$1 == "Column" { print $5 }' "$work/read")
IFS=$'\n' read -r -d '' -a row <<<"${rows// | /$'\n'}" || true
click Column
row_is() { [ "$("$wine" "$msaa" column-row "$title" | tr -d '\r')" = "$1" ]; }
key Home
poll row_is "${row[0]}" || fail "Home is not on the first row '${row[0]}'"
key Down
poll row_is "${row[1]}" || fail "Down is not on the second row '${row[1]}'"
key End
poll row_is "${row[-1]}" || fail "End is not on the last row '${row[-1]}'"
expect_focus Column "after the arrow keys"

# Next: the next problem of the variant, and the answer field ready for it.
click Next
eventually changed Problem "$first" || fail "Next kept the problem $first"
expect_focus Entry "after Next"
echo "--- alerts"
cat "$work/alerts"

# Resized, the window places every control where the arrangement for its client area puts it.
resize() { # WIDTH HEIGHT of the window
    stale=1 && xdotool windowsize "$xwindow" "$1" "$2"
    sized() { [ "$(line window | cut -f3)" -gt $(($2 * 9 / 10)) ] && [ "$(line window | cut -f3)" -le "$2" ]; }
    eventually sized "$1" "$2" || fail "the window is $(line window | cut -f2-3) inside after resizing to $1x$2"
}
placed_as_arranged() { placed_as_described practice-places "$(line window | cut -f2)" "$(line window | cut -f3)" 5; }
resize 700 1000
placed_as_arranged
resize 1200 700
placed_as_arranged
close_program

# A second session starts from what was kept: the same problem solved again counts twice.
run_program
expect Problem "$first" "the same level and variant again"
solve >/dev/null
poll test -s "$progress" || fail "the progress file is gone"
cmp -s "$progress" "$work/after-one" && fail "the second session did not count on from the first"
close_program
echo "The practice window under Wine checked: $a : $b in $count steps"
