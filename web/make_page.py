#!/usr/bin/env python3
"""Puts the page, its style, the picture, the font and the module into one HTML file.

make_page.py TEMPLATE STYLE PAGE_SCRIPT PICTURE MODULE_SCRIPT MODULE_CODE FONT_REGULAR FONT_BOLD OUTPUT

The Content-Security-Policy allows exactly the inline script, style and font of this file and
the compiling of its module; nothing may be fetched."""
import base64
import hashlib
import re
import sys


def read(path, mode="r"):
    with open(path, mode) as f:
        return f.read()


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def inline_svg(svg):
    svg = re.sub(r"<\?xml[^>]*\?>\s*", "", svg)
    svg = re.sub(r"<!--.*?-->\s*", "", svg, flags=re.S)
    # The picture's role and words are its control's.
    return svg.replace("<svg ", '<svg aria-hidden="true" focusable="false" ', 1).strip()


def fill(template, values):
    return re.sub(r"@([A-Z_]+)@", lambda m: values[m.group(1)], template)


def main(template, style, page_script, picture, module_script, module_code, regular, bold, output):
    fonts = {
        "FONT_REGULAR": base64.b64encode(read(regular, "rb")).decode("ascii"),
        "FONT_BOLD": base64.b64encode(read(bold, "rb")).decode("ascii"),
    }
    style_text = fill(read(style), fonts)
    page_text = read(page_script)
    module_text = read(module_script)
    policy = "; ".join([
        "default-src 'none'",
        "script-src " + source_hash(page_text) + " " + source_hash(module_text)
        + " 'wasm-unsafe-eval'",
        "style-src " + source_hash(style_text),
        "font-src data:",
    ])
    page = fill(read(template), {
        "CONTENT_SECURITY_POLICY": policy,
        "STYLE": style_text,
        "PICTURE": inline_svg(read(picture)),
        "PAGE_SCRIPT": page_text,
        "MODULE_SCRIPT": module_text,
        "MODULE_CODE": base64.b64encode(read(module_code, "rb")).decode("ascii"),
    })
    with open(output, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    main(*sys.argv[1:])
