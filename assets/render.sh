#!/usr/bin/env bash
# Redraws the pictures the program compiles in from their SVG sources in this folder.
# Needs rsvg-convert (librsvg2-bin) and convert (imagemagick); the build itself does not.
set -euo pipefail
cd "$(dirname "$0")"

rsvg-convert -w 172 -h 206 worked-example.svg -o worked-example.png
rsvg-convert -w 344 -h 412 worked-example.svg -o worked-example@2x.png

mkdir -p icons
for size in 16 22 32 48 64; do
    rsvg-convert -w "$size" -h "$size" velmorand.svg -o "icons/velmorand-$size.png"
done
# The Windows icon group: three images.
convert icons/velmorand-16.png icons/velmorand-32.png icons/velmorand-48.png velmorand.ico
# The Windows program's pictures: run-length encoded 256-colour bitmaps, a few kilobytes
# each, which it loads from its resources.
convert worked-example.png +dither -colors 256 -compress RLE BMP3:worked-example.bmp
convert worked-example@2x.png +dither -colors 256 -compress RLE BMP3:worked-example@2x.bmp
