#!/bin/sh
# Cuts Liberation Sans (SIL Open Font License) down to what the windows and the printed
# worksheets write: Latin, Cyrillic and a little punctuation, the practice window's «·» for
# times (the worksheets' footer has it too), «−» and the «÷» a teacher may type included, as
# WOFF2, without kerning, which would move the column's digits.
# The bold face is needed only for the links' ">".
# make_font.sh FONT_FOLDER OUTPUT_FOLDER
set -eu
fonts=$1
out=$2
cut() {
    pyftsubset "$fonts/$1" --output-file="$out/$2" --flavor=woff2 --unicodes="$3" \
        --layout-features='' --no-hinting --name-IDs=0,1,2,3,4,5,6,13,14 --name-languages=0x409
}
cut LiberationSans-Regular.ttf liberation-sans.woff2 \
    'U+0020-007E,U+00A0,U+00AB,U+00B7,U+00BB,U+00F7,U+0400-045F,U+2013,U+2014,U+2026,U+2212'
cut LiberationSans-Bold.ttf liberation-sans-bold.woff2 'U+0020,U+003E'
