#!/usr/bin/python3
"""Compares the pictures the three programs draw of one practice state.

Each picture is a window's client area, saved as PNG. practice_picture, run for the picture's
size, says which answers led to the state and where a digit, an empty cell, the current cell,
a placeholder, a line, the minus signs, the labels and the feedback stand, with the colour
each must have. Every picture must show every one of them, within a small tolerance for
antialiasing; the script prints a table of what each picture shows.

Usage: compare_pictures.py PRACTICE_PICTURE NAME=PICTURE.png...
"""
import subprocess
import sys

from PIL import Image

TOLERANCE = 48  # per channel: a glyph's darkest pixel, a toolkit's rounding


def checks(probe, width, height):
    """(what, where, colour) for each point and box practice_picture gives, where being
    ("point", x, y) or ("box", x, y, w, h)."""
    lines = subprocess.run([probe, str(width), str(height)], check=True, capture_output=True,
                           text=True).stdout.splitlines()
    for kind, what, *numbers, colour in (line.split("\t") for line in lines
                                         if line.startswith(("point\t", "box\t"))):
        yield what, (kind, *map(int, numbers)), colour


def rgb(text):
    return [int(text[i:i + 2], 16) for i in (0, 2, 4)]


def seen(image, where):
    """The point's colour, or the box's darkest, as RRGGBB."""
    if where[0] == "point":
        pixel = image.getpixel(where[1:3])
    else:
        _, x, y, w, h = where
        pixel = min(image.crop((x, y, x + w, y + h)).getdata(), key=sum)
    return "%02x%02x%02x" % pixel[:3]


def main(probe, pictures):
    failures = []
    table = {}
    for name, path in pictures:
        image = Image.open(path).convert("RGB")
        for what, where, colour in checks(probe, *image.size):
            x, y = where[1:3]
            right, bottom = (x, y) if where[0] == "point" else (x + where[3], y + where[4])
            if x < 0 or y < 0 or right > image.width or bottom > image.height:
                failures.append(f"{name}: {what} at {where[1:]} lies outside the picture")
                continue
            got = seen(image, where)
            ok = max(abs(a - b) for a, b in zip(rgb(got), rgb(colour))) <= TOLERANCE
            table.setdefault(what, {})[name] = got + ("" if ok else " (!)")
            if not ok:
                failures.append(f"{name}: {what} at {where[1:]} is #{got}, not #{colour.lower()}")
    names = [name for name, _ in pictures]
    print("what".ljust(16) + "".join(n.ljust(16) for n in names))
    for what, row in table.items():
        print(what.ljust(16) + "".join(row.get(n, "missing").ljust(16) for n in names))
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], [arg.split("=", 1) for arg in sys.argv[2:]]))
