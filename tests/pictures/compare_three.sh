#!/usr/bin/env bash
# Draws the same practice state in each program that was built (level 5, variant 42, after
# three right answers and a wrong one, in a 1024 x 1024 client area, where the whole panel
# stands without a scroll bar, whose width differs from one platform to the next) and reads every picture
# back against what the window's description says it shows: the Qt window on the offscreen
# platform, the page in headless Chromium when WEB_BUILD is given, and velmorand.exe under
# Wine in Xvfb when WINDOWS_BUILD is (its picture left in WINDOWS_BUILD/pictures/win32.png by
# win32_picture.sh). Leaves the pictures, and the three side by side, in BUILD/pictures/.
# Usage: compare_three.sh BUILD [WEB_BUILD] [WINDOWS_BUILD]
set -euo pipefail
build=$1 web=${2:-} windows=${3:-}
here=$(dirname "$0")
out=$build/pictures
mkdir -p "$out"
probe=$build/tests/practice_picture
width=1024 height=1024
mapfile -t answers < <("$probe" $width $height | awk -F'\t' '$1 == "type" { print $2 }')
[ ${#answers[@]} -eq 4 ] || { echo "practice_picture gave ${#answers[@]} answers, not 4" >&2; exit 1; }
QT_QPA_PLATFORM=offscreen "$build/tests/qt_picture" $width $height "$out/qt.png" "${answers[@]}"
pictures=("qt=$out/qt.png")
if [ -n "$web" ]; then
    PYTHONDONTWRITEBYTECODE=1 "$here/web_picture.py" "$web/velmorand-practice.html" $width $height \
        "$out/web.png" "${answers[@]}"
    pictures+=("web=$out/web.png")
fi
if [ -n "$windows" ]; then
    cp "$windows/pictures/win32.png" "$out/win32.png"
    pictures+=("win32=$out/win32.png")
fi
"$here/compare_pictures.py" "$probe" "${pictures[@]}"
# The pictures side by side, for a person to look at.
convert "${pictures[@]#*=}" +append "$out/side-by-side.png"
