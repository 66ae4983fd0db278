#!/usr/bin/env bash
# Draws the Qt practice window at 1024 x 700 in the state practice_picture describes and reads
# the picture back against it. Leaves DIR/qt.png.
# Usage: qt_picture.sh QT_PICTURE PRACTICE_PICTURE DIR
set -euo pipefail
qt_picture=$1 practice_picture=$2 dir=$3
mkdir -p "$dir"
mapfile -t answers < <("$practice_picture" 1024 700 | awk -F'\t' '$1 == "type" { print $2 }')
[ ${#answers[@]} -eq 4 ] || { echo "practice_picture gave ${#answers[@]} answers, not 4" >&2; exit 1; }
"$qt_picture" 1024 700 "$dir/qt.png" "${answers[@]}"
"$(dirname "$0")/compare_pictures.py" "$practice_picture" "qt=$dir/qt.png"
