#!/usr/bin/env bash
# The real program under the real Orca screen reader, driven from the keyboard as a blind
# pupil would; orca_session.sh catches what Orca says.
# Usage: velmorand_orca_e2e.sh PROGRAM WORK_DIR
set -euo pipefail
program=$(realpath "$1")
work=$2
here=$(cd "$(dirname "$0")" && pwd)

source "$here/orca_session.sh"

orca_session "$0" "$work" 1024x768 "$@"
# A browser that only writes down what it was asked to open; the desktop's own handlers are
# hidden so that xdg-open falls back to $BROWSER.
mkdir -p "$work/xdg"
printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$work" >"$work/browser"
chmod +x "$work/browser"
touch "$work/opened"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 BROWSER="$work/browser" XDG_DATA_HOME="$work/xdg" \
    XDG_DATA_DIRS="$work/xdg" XDG_CONFIG_HOME="$work/xdg" XDG_CONFIG_DIRS="$work/xdg" \
    XDG_CURRENT_DESKTOP= "$program" 2>"$work/program.log" &
pids+=($!)
orca_start "$work"

# opened COUNT: waits until the browser was asked for COUNT pages.
opened() {
    local deadline=$((SECONDS + 15))
    while ((SECONDS < deadline)); do
        [ "$(wc -l <"$work/opened")" -ge "$1" ] && return 0
        sleep 0.1
    done
    fail "the browser was not asked for page $1"
}
# hear_field NAME VALUE: Orca has said the field's name and then its whole value.
hear_field() {
    hear "^$1 текст"
    hear "^$2( выделен)?\.?\$"
}
# hear_button NAME: Orca has said the button's name and role (Orca 43 calls it a "pressable"
# button, later versions just a button).
hear_button() { hear "^$1 (нажимаемая )?кнопка"; }

hear "Чтение с экрана включено"
hear "^Деление в столбик для 3 и 4 классов\. Разработка, команда Velmorand\..* рамка"
hear_field "Делимое" "234567"

step "Orca reads the title"
keys Insert+KP_Enter
hear "^Деление в столбик для 3 и 4 классов\. Разработка, команда Velmorand\."

step "Flat review of the message line and of the result's label"
keys Insert+KP_Page_Up
hear "Run Clear Exit Load"
keys KP_Home
hear "^Сообщения$"
keys Insert+KP_Home
hear "Velmorand"
for _ in $(seq 4); do keys KP_Page_Up; done
hear "Результат, целое"

step "Tab to Run, and Run"
keys Tab
hear_button Run
keys space
# speech-dispatcher puts a space before the decimal comma.
hear "Частное 16754, остаток 11 из 14, дробная часть 0 ?,785714285714286"
keys shift+Tab
hear_field "Делимое" "234567"

step "Typing a seventh digit hides Run"
keys End 8
hear "Разрядов делимого больше 6"
step "Typing 861"
keys ctrl+a 8 6 1
hear "Разрядов делимого  3"

step "Shift+Tab back to the divisor"
for _ in $(seq 8); do keys shift+Tab; done
hear_field "Делитель" "14"
step "Typing 7"
keys ctrl+a 7
hear "Разрядов делителя  1"

step "Tab to Run"
for _ in $(seq 9); do keys Tab; done
hear_button Run
step "Run"
keys space
hear "Частное 123, остаток 0"

step "Shift+Tab from Run reaches the dividend, then the whole quotient"
keys shift+Tab
hear_field "Делимое" "861"
for _ in $(seq 7); do keys shift+Tab; done
hear_field "Результат, целое" " 123"

step "A divisor of 0, and Run"
keys shift+Tab
hear_field "Делитель" "7"
keys ctrl+a 0
for _ in $(seq 9); do keys Tab; done
hear_button Run
keys space
hear "На ноль делить нельзя"

step "Tab to Clear"
for _ in $(seq 10); do keys Tab; done
hear_button Clear
step "Clear"
keys space
hear "^Делимое текст"

step "Flat review from the bottom line up to the links, and a click on each"
keys Insert+KP_Page_Up
hear "Run Clear Exit Load"
keys KP_Home
hear "Разрядов делителя  0"
keys KP_Home
hear "Игры из бумаги Английский язык"
# Each link is one item of the review, said by its name and, asked what it is, as a link.
# The review click opens its page, and only once: the pages asked for are compared after
# Orca has answered once more.
keys KP_Right
hear "^Игры из бумаги\.?$"
keys Insert+KP_Begin
hear "^Игры из бумаги ссылка"
keys KP_Divide
opened 1
keys KP_Right
hear "^Английский язык\.?$"
keys Insert+KP_Begin
hear "^Английский язык ссылка"
keys KP_Divide
opened 2
keys KP_Up
hear "Игры из бумаги Английский язык"
[ "$(cat "$work/opened")" = "http://paper-games.example/page.htm
http://english.example/" ] || fail "links opened: $(cat "$work/opened")"

# Orca names these signs aloud; the program's own texts have none of them.
if grep -n -E "двоеточие|дефис|круглая|скобка" "$spoken"; then
    fail "punctuation read aloud"
fi
echo "Orca's speech is in $spoken"
