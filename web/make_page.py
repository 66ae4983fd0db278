#!/usr/bin/env python3
"""Puts a page, its style, its pictures, the font and the module into one HTML file.

make_page.py --template T --style S1 [--style S2 ...] --script S1 [--script S2 ...] --module-script M --module-code C
             --table J [--font NAME=FILE ...] [--picture NAME=FILE ...] OUTPUT

Each @NAME@ of the style is filled in with a --font's file in base64, and each of the template
with a --picture's SVG, made fit to stand inside the page, or with the page's own parts. The
window's table, which write_table.js wrote, is the page's WindowTable.
The Content-Security-Policy allows exactly the inline script, style and font of this file and
the compiling of its module; nothing may be fetched."""
import argparse
import base64
import hashlib
import re


def read(path, mode="r"):
    with open(path, mode, **({} if "b" in mode else {"encoding": "utf-8"})) as f:
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
    """The template with each @NAME@ replaced; a name without a value is an error, so that no
    placeholder reaches the page."""
    def value(match):
        if match.group(1) not in values:
            raise SystemExit(f"make_page.py: nothing given for @{match.group(1)}@")
        return values[match.group(1)]
    return re.sub(r"@([A-Z_]+)@", value, template)


def named_files(pairs):
    files = {}
    for pair in pairs:
        name, _, path = pair.partition("=")
        if not name or not path:
            raise SystemExit(f"make_page.py: '{pair}' is no NAME=FILE")
        files[name] = path
    return files


def main():
    parser = argparse.ArgumentParser(description="Puts a page together into one HTML file.")
    parser.add_argument("--template", required=True)
    parser.add_argument("--style", action="append", required=True,
                        help="the page's style sheets, in order")
    parser.add_argument("--script", action="append", required=True,
                        help="the page's own scripts, in the order they run")
    parser.add_argument("--module-script", required=True, help="emscripten's loader")
    parser.add_argument("--module-code", required=True, help="the WebAssembly module")
    parser.add_argument("--table", required=True, help="the window's table, as JSON")
    parser.add_argument("--font", action="append", default=[], metavar="NAME=FILE")
    parser.add_argument("--picture", action="append", default=[], metavar="NAME=FILE")
    parser.add_argument("output")
    arguments = parser.parse_args()

    fonts = {name: base64.b64encode(read(path, "rb")).decode("ascii")
             for name, path in named_files(arguments.font).items()}
    style_text = fill("\n".join(read(path) for path in arguments.style), fonts)
    # The module's code in base64 in a data block, which the browser neither runs nor checks
    # against the policy and so reads faster than a script's text; the first script takes it
    # out of the page for module.js to hand to the loader.
    module_code = base64.b64encode(read(arguments.module_code, "rb")).decode("ascii")
    code_block = f'<script type="application/octet-stream" id="module-code">{module_code}</script>'
    first_script = (f"var WindowTable = {read(arguments.table)};\n"
                    "var ModuleCode = document.getElementById('module-code').textContent;\n"
                    "document.getElementById('module-code').remove();")
    page_texts = [first_script] + [read(path) for path in arguments.script]
    module_text = read(arguments.module_script)
    policy = "; ".join([
        "default-src 'none'",
        "script-src " + " ".join(source_hash(text) for text in page_texts + [module_text])
        + " 'wasm-unsafe-eval'",
        "style-src " + source_hash(style_text),
        "font-src data:",
    ])
    values = {name: inline_svg(read(path))
              for name, path in named_files(arguments.picture).items()}
    values.update({
        "CONTENT_SECURITY_POLICY": policy,
        "STYLE": style_text,
        "PAGE_SCRIPTS": "\n".join([code_block]
                                   + [f"<script>{text}</script>" for text in page_texts]),
        "MODULE_SCRIPT": module_text,
    })
    page = fill(read(arguments.template), values)
    with open(arguments.output, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    main()
