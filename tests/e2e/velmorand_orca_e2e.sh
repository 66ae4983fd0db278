#!/usr/bin/env bash
# The real program under the real Orca screen reader, driven from the keyboard as a blind
# pupil would; orca_session.sh catches what Orca says.
# Usage: velmorand_orca_e2e.sh PROGRAM WORK_DIR
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$0")/orca_session.sh"
orca_session "$0" "$2" 1024x768 "$@"
start_program "$program"
orca_start velmorand

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
wait_opened 1
keys KP_Right
hear "^Английский язык\.?$"
keys Insert+KP_Begin
hear "^Английский язык ссылка"
keys KP_Divide
wait_opened 2
keys KP_Up
hear "Игры из бумаги Английский язык"
opened_are "$(link_address PaperGamesAddress)" "$(link_address EnglishAddress)"

orca_end
