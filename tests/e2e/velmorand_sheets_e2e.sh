#!/usr/bin/env bash
# "velmorand --sheets" as a teacher runs it, with no display: four variants of level 5 from
# variant 42, eight problems each, with their answer keys, into a file with a Cyrillic name.
# The PDF is read back with poppler's tools: its pages and paper, the header, every problem
# and key line on the page the practice core puts it (through SHEET_PROBLEMS), the embedded
# font, and the squared paper's pitch measured on a page rendered at 10 dots to the
# millimetre. The teacher's set «--set» is printed as its own variant, named «Свои примеры».
# A name that cannot be written is refused, and without -o the sheets go to «Листы.pdf», with
# their key.
# Usage: velmorand_sheets_e2e.sh PROGRAM OUTPUT_DIR SHEET_PROBLEMS
#   OUTPUT_DIR keeps карточки.pdf, page-1.png (the first variant's first page) and key-1.png
#   (its key's)
set -euo pipefail
program=$(realpath "$1")
out=$2
sheet_problems=$(realpath "$3")

fail() { echo "FAIL: $*" >&2; exit 1; }
# The program as started from a terminal on a machine with no display at all.
sheets() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --sheets "$@"; }

rm -rf "$out"
mkdir -p "$out"
pdf=$out/карточки.pdf
sheets --level 5 --variant 42 --variants 4 --problems 8 --answers -o "$pdf" >"$out/said.txt" ||
    fail "velmorand --sheets exited with $?"
[ -s "$pdf" ] || fail "no $pdf"

# The pages and problems as the core makes them, four variants of eight with their keys; how
# they spread over the pages is proved by Sheet.EveryVariantHoldsEveryProblemAskedFor.
expected=$("$sheet_problems" 5 42 4 8 1 0)
pages=$(head -n 1 <<<"$expected" | cut -d' ' -f2)
expected=$(tail -n +2 <<<"$expected")
[ "$(wc -l <<<"$expected")" = 64 ] || fail "the core gives $(wc -l <<<"$expected") problems, not 64"

info=$(pdfinfo "$pdf")
grep -qx "Pages: *$pages" <<<"$info" || fail "not the core's $pages pages: $info"
grep -q '^Page size: *595\(\.[0-9]*\)\? x 842\(\.[0-9]*\)\? pts' <<<"$info" ||
    fail "the paper is not A4: $(grep 'Page size' <<<"$info")"
grep -q "Страниц: $pages" "$out/said.txt" || fail "the program said: $(cat "$out/said.txt")"

# Every font in the file is Liberation Sans, embedded.
fonts=$(pdffonts "$pdf" | tail -n +3)
[ -n "$fonts" ] || fail "no fonts in the PDF"
awk '$1 !~ /LiberationSans/ || $(NF - 4) != "yes" { bad = 1 } END { exit bad }' <<<"$fonts" ||
    fail "a font other than Liberation Sans, or not embedded: $fonts"

# On its page each problem's number, then the dividend's and divisor's digits, one to a cell,
# in one row, under the pupil's header; on the key the whole line «N. a : b = q». The pages
# are named by their variant, or OWN_TITLE (the teacher's set) when it is given.
page_text() { pdftotext -layout -f "$2" -l "$2" "$1" - | tr -s ' '; }
check_pages() { # PDF EXPECTED [OWN_TITLE]
    local page kind variant number dividend divisor answer text name digits
    while IFS=$'\t' read -r page kind variant number dividend divisor answer; do
        text=$(page_text "$1" "$page")
        name=${3:-"Вариант $variant\b"}
        if [ "$kind" = problems ]; then
            grep -q 'Фамилия, имя' <<<"$text" || fail "page $page has no «Фамилия, имя»"
            grep -q "$name" <<<"$text" || fail "page $page is not «$name»"
            digits=$(sed 's/./& /g; s/ $//' <<<"$dividend$divisor")
            grep -qE "(^| )$number\. $digits( |\$)" <<<"$text" ||
                fail "page $page lacks problem $number, $dividend : $divisor"
        else
            grep -q "Ответы.*$name" <<<"$text" || fail "page $page is not «$name»'s key"
            # pdftotext gives the no-break space between a number's classes as a space.
            answer=$(sed 's/\xc2\xa0/ /g' <<<"$answer")
            grep -qF "$number. $answer" <<<"$text" || fail "page $page lacks «$number. $answer»"
        fi
    done <<<"$2"
}
check_pages "$pdf" "$expected"
# No problem more than the core's: no page holds a ninth.
for page in $(seq 1 "$pages"); do
    ! page_text "$pdf" "$page" | grep -q "^ *9\. " || fail "page $page has a problem 9"
done

# The squared paper: the faint lines' centres along a row and a column in the middle of the
# cells (bluish dots: the digits and ruled lines are black or grey), 50 dots apart.
key=$(awk -F'\t' '$2 == "answers" { print $1; exit }' <<<"$expected")
pdftoppm -r 254 -f 1 -l 1 -png -singlefile "$pdf" "$out/page-1"
pdftoppm -r 254 -f "$key" -l "$key" -png -singlefile "$pdf" "$out/key-1"
pitch=$(/usr/bin/python3 - "$out/page-1.png" <<'PY'
import sys
from PIL import Image
page = Image.open(sys.argv[1]).convert("RGB")
width, height = page.size
def bluish(x, y):
    r, g, b = page.getpixel((x, y))
    return b - r > 15 and b > 150
def centres(points):
    found, run = [], []
    for i, on in enumerate(points):
        if on:
            run.append(i)
        elif run:
            found.append(sum(run) / len(run))
            run = []
    return found
results = []
# 15 mm margin, cells of 5 mm: a row 2.5 mm into a cell, 40 cells down; a column likewise.
for line in (centres([bluish(x, 150 + 25 + 50 * 40) for x in range(width)]),
             centres([bluish(150 + 25 + 50 * 20, y) for y in range(height)])):
    gaps = [b - a for a, b in zip(line, line[1:])]
    if len(line) < 30 or any(abs(g - 50 * round(g / 50)) > 1 or g < 49 for g in gaps):
        sys.exit("grid lines at %s" % line)
    pitch = (line[-1] - line[0]) / round((line[-1] - line[0]) / 50)
    # From the 15 mm margin on, and no creeping: a page scaled by a hair is off by a cell's
    # part at its far end.
    if abs(line[0] - 150) > 1 or abs(pitch - 50) > 0.25:
        sys.exit("grid lines from %.1f, %.2f apart: %s" % (line[0], pitch, line))
    results.append(pitch)
    results.append(len(line))
print("%.2f %d %.2f %d" % tuple(results))
PY
) || fail "the grid's pitch: $pitch"
read -r across lines_across down lines_down <<<"$pitch"
echo "grid pitch: $across dots across ($lines_across lines), $down dots down ($lines_down lines) at 10 dots/mm"

# The teacher's set: one variant of all its problems, each with its key line, named by the set.
set=7240:8,648:6,9156:42
own=$out/свои.pdf
sheets --set "$set" --answers -o "$own" >/dev/null || fail "velmorand --sheets --set exited with $?"
expected=$("$sheet_problems" 1 1 1 0 1 0 "$set")
[ "$(tail -n +2 <<<"$expected" | cut -f2 | sort | uniq -c | awk '{ print $1 }' | sort -u)" = 3 ] ||
    fail "the core does not give the set's 3 problems and their key lines: $expected"
pdfinfo "$own" | grep -qx "Pages: *$(head -n 1 <<<"$expected" | cut -d' ' -f2)" ||
    fail "the set's sheets are not the core's pages"
check_pages "$own" "$(tail -n +2 <<<"$expected")" "Свои примеры"
# A set with a bad problem writes nothing, and names the problem.
status=0
sheets --set 7240:8,5:0 -o "$out/плохой.pdf" 2>"$out/error.txt" >/dev/null || status=$?
[ "$status" = 1 ] && [ ! -e "$out/плохой.pdf" ] || fail "a bad set exited with $status"
grep -q '^5:0 .*ноль' "$out/error.txt" || fail "a bad set said: $(cat "$out/error.txt")"

# A name that cannot be written: said on stderr in Russian, exit 1, nothing left behind.
for bad in "$out/нет такой папки/карточки.pdf" "$out"; do
    status=0
    sheets --level 5 -o "$bad" 2>"$out/error.txt" >/dev/null || status=$?
    [ "$status" = 1 ] || fail "writing to $bad exited with $status"
    grep -q 'не удалось' "$out/error.txt" || fail "writing to $bad said: $(cat "$out/error.txt")"
done
[ ! -e "$out/нет такой папки" ] || fail "a folder was made for the refused name"
rm -f "$out/error.txt" "$out/said.txt"

# Without -o: «Листы.pdf» in the current folder, a page of problems and its key.
default=$(mktemp -d)
trap 'rm -rf "$default"' EXIT
(cd "$default" && sheets --level 2 --variant 7 >/dev/null) || fail "velmorand --sheets without -o failed"
pdfinfo "$default/Листы.pdf" | grep -qx 'Pages: *2' || fail "no two-page Листы.pdf without -o"
echo "Sheets checked: $pdf"
