#!/usr/bin/env bash
# Draws velmorand.exe's practice window under Wine in Xvfb with a 1024 x 1024 client area, at
# level 5 and variant 42, after typing the answers practice_picture gives into the answer
# field, each with Enter, and saves the client area's picture.
# Usage: win32_picture.sh WINDOWS_BUILD PRACTICE_PICTURE OUTPUT.png
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
output=$(realpath -m "$3")
width=1024 height=1024
mapfile -t answers < <("$2" $width $height | awk -F'\t' '$1 == "type" { print $2 }')
source "$here/../win32/wine_session.sh" "$1" picture
title="Тренажёр"
xtitle="Тренажёр"
client_is() { [ "$(line window | cut -f2-3)" = "$1	$2" ]; }
# A right answer brings the next question, a wrong one new feedback.
taken() { [ "$(text Question)" != "$1" ] || [ "$(text Feedback)" != "$2" ]; }

make_locales ru_RU
export LANG=ru_RU.UTF-8
start_xvfb 1600x1200
start_program "$wine" "$exe" /practice /level 5 /variant 42
# Without a window manager, the X window is the client area and, when the panel is taller than
# the window, its scroll bar: widened by what the scroll bar takes.
stale=1 && xdotool windowsize "$xwindow" $width $height
client_high() { [ "$(line window | cut -f3)" = $height ]; }
eventually client_high || fail "the client area is $(line window | cut -f2-3), not $height high"
stale=1 && xdotool windowsize "$xwindow" $((2 * width - $(line window | cut -f2))) $height
eventually client_is $width $height || fail "the client area is $(line window | cut -f2-3), not ${width}x$height"
click Entry
for answer in "${answers[@]}"; do
    question=$(text Question) feedback=$(text Feedback)
    type_in "$answer"
    key Return
    eventually taken "$question" "$feedback" || fail "the answer $answer was not taken"
done
sleep 0.5 # the last answer's drawing reaches the screen
mkdir -p "$(dirname "$output")"
import -window "$xwindow" -crop ${width}x$height+0+0 +repage "$output" # the client area alone
close_program
