#!/usr/bin/env bash
# The class journal under the real Orca screen reader, driven from the keyboard as a blind
# teacher would: velmorand --class, a variant chosen, a pupil's name and code typed and the
# row the code makes said, a code miscopied and refused, and the journal's rows read, the
# refused one with its reason and its code a character at a time; orca_session.sh catches
# what Orca says. The texts listened for, and the code typed, come from the practice core
# through CLASS_SAID.
# Usage: velmorand_orca_class_e2e.sh PROGRAM WORK_DIR CLASS_SAID
set -euo pipefail
program=$(realpath "$1")
said_tool=$(realpath "$3")
source "$(dirname "$0")/orca_session.sh"
orca_session "$0" "$2" 1280x800 "$@"

# A pupil who solved 2 problems, 25 answers at the first try, with a hint and a missed zero.
# Another has copied that code with two digits swapped.
name="Иванова Аня"
other="Петров Коля"
"$said_tool" 5 42 "$name" "$other" 2 25 1 0 0 0 0 1 0 >"$work/expected"
said() { awk -F'\t' -v kind="$1" '$1 == kind { print $2 }' "$work/expected"; }

start_program "$program" --class
orca_start velmorand

hear "Чтение с экрана включено"
hear "^Журнал класса.* рамка"
hear "^Вариант или свои примеры текст"

step "The variant: level 5, variant 42"
type_keys "5 42"
keys Return
hear_text "$(said chosen)"

step "Tab to the pupil's name, and on to the code, $(said code)"
keys Tab
hear "^Ученик текст"
type_keys "$name"
keys Tab
hear "^Код текст"
type_keys "$(said code)"
keys Return
hear_text "$(said added)"

step "The fields cleared, the focus in the name again: $other with $(said swapped), no dashes"
type_keys "$other"
keys Tab
type_keys "$(said swapped | tr -d -)" # the dashes may be left out
keys Return
hear_text "$(said refused)"

step "From the refused code, Tab past «Добавить» to the journal's table, and its rows"
keys Tab Tab
hear "^Журнал"
keys Down Down
hear "^$other"
keys Up
hear "^$name"
keys End Down
hear_text "$(said reason)"
keys Left
# Orca reads the pause between the code's groups in a cell as a comma.
hear -F "$(said spelled | sed 's/\. /, /g; s/\.$//')"

orca_end
