#!/usr/bin/env bash
# The practice window under the real Orca screen reader, driven from the keyboard as a blind
# pupil would: velmorand --practice --level 5 --variant 42, the problem in the accessibility
# tree, a right answer, a wrong one, a right one again and a hint that gives the focus back to
# the answer field, the rest of the problem to its check, the teacher's code said a character
# at a time, the column read row by row, the level and the variant, and at level 9 the trial digits up to the first one to change;
# orca_session.sh catches what Orca says.
# The texts listened for come from the practice core through PRACTICE_SAID; the first answers
# typed are worked out here, the rest are the core's.
# Usage: velmorand_orca_practice_e2e.sh PROGRAM WORK_DIR PRACTICE_SAID
set -euo pipefail
program=$(realpath "$1")
said_tool=$(realpath "$3")
source "$(dirname "$0")/orca_session.sh"
orca_session "$0" "$2" 1280x800 "$@"

# The problem, and the answers to its first two questions worked out from its numbers: the
# first partial dividend (the shortest beginning of the dividend at least the divisor), and a
# count of the quotient's digits that is wrong, then the right one.
read -r _ dividend divisor < <("$said_tool" 5 42 | grep '^problem')
first=0
for ((i = 0; i < ${#dividend}; i++)); do
    first=$((first * 10 + ${dividend:i:1}))
    ((first >= divisor)) && break
done
quotient=$((dividend / divisor))
wrong_count=$((${#quotient} + 2))
"$said_tool" 5 42 "$first" "$wrong_count" "${#quotient}" >"$work/expected"
"$said_tool" 5 42 --walk done >"$work/solved"
"$said_tool" 9 1 --walk trial >"$work/trial"
# expected KIND N [FILE]: the Nth text of that kind the core gives, from 1.
expected() {
    awk -F'\t' -v kind="$1" -v n="$2" '$1 == kind && ++seen == n { print $2 }' "${3:-$work/expected}"
}

start_program "$program" --practice --level 5 --variant 42
orca_start velmorand

hear "Чтение с экрана включено"
hear "^Тренажёр, деление в столбик.* рамка"
hear "^Ответ текст"
hear_text "$(expected question 1)"
# The problem is named, and tells the problem itself to a screen reader's review.
atspi describes velmorand "Пример" "$(expected shown 1)" ||
    fail "the problem is not in the accessibility tree"

step "A right answer: the first partial dividend, $first"
type_keys "$first"
keys Return
hear_text "$(expected said 1)"

step "A wrong answer: $wrong_count digits in the quotient"
type_keys "$wrong_count"
keys Return
hear_text "$(expected said 2)"

step "The right count: ${#quotient}"
type_keys "${#quotient}"
keys Return
hear_text "$(expected said 3)"

step "Tab to the hint, and a hint"
keys Tab
hear_button Подсказка
keys space
hear "Подсказка 1 из 3\. [^ ]"

# walk FILE FROM: types the core's answers from the FROMth on, hearing what is said after each.
walk() {
    local kind text n=0
    while IFS=$'\t' read -r kind text; do
        if [ "$kind" = typed ] && ((++n >= $2)); then
            type_keys "$text"
            keys Return
        elif [ "$kind" = said ] && ((n >= $2)); then
            hear_text "$text"
        fi
    done < <(grep -E '^(typed|said)' "$1")
}

step "The rest of the problem, to the check by multiplication"
walk "$work/solved" 3

step "From the answer field, Tab past the buttons on to the teacher's code"
# The code of the work done, as the core counts the answers typed and the hint asked here.
"$said_tool" 5 42 "$first" "$wrong_count" "${#quotient}" hint \
    $(grep '^typed' "$work/solved" | tail -n +3 | cut -f2) code >"$work/coded"
keys Tab Tab Tab Tab
hear_button "Код для учителя"
keys space
hear_text "$(expected code 1 "$work/coded")"

step "Tab on to the column, and down its rows"
keys Tab
hear "Столбик"
hear_text "$(expected row 1 "$work/solved")"
keys Down
hear_text "$(expected row 2 "$work/solved")"

step "Tab round past the teacher's problems to the level, a level down, and on to the variant"
keys Tab Tab Tab
hear "^Уровень 5"
keys Down
hear "Уровень 6"
keys Tab
hear "^Вариант текст"
hear "^42"

step "Level 9, variant 1: the trial digits, up to the first one to change"
keys Shift+Tab Down Down Down
hear "Уровень 9"
keys Tab ctrl+a
type_keys 1
keys Return
hear "Вариант 1\."
keys Tab
hear "^Ответ текст"
walk "$work/trial" 1

orca_end
