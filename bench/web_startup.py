#!/usr/bin/python3
"""Start-up of velmorand.html in headless Chromium against a static page with the same 34
controls, texts and style but no module, loaded alternately; the time of one Run and of a
pasted dividend of a million characters; and the file's size.

A load counts until the start texts are in the window: the page marks 'velmorand-started'
when it has shown the worksheet, and the static page marks it at its end.

Usage: bench/web_startup.py [PAGE] [RUNS]"""
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import Browser, wait_until  # noqa: E402

STARTED = "return performance.getEntriesByName('velmorand-started')[0]?.startTime"

# The window as the page made it, with the fields' texts written in and no script but the mark.
STATIC_PAGE = """
for (const field of document.querySelectorAll('#Form1 > input'))
    field.setAttribute('value', field.value);
const page = document.documentElement.cloneNode(true);
page.querySelectorAll('script, template, meta[http-equiv]').forEach(e => e.remove());
const mark = document.createElement('script');
mark.textContent = "performance.mark('velmorand-started')";
page.querySelector('body').append(mark);
return '<!DOCTYPE html>\\n' + page.outerHTML;
"""


def median_ms(values):
    return statistics.median(values)


def load_time(browser, url):
    browser.driver.get(url)
    return wait_until(lambda: browser.script(STARTED), what="the start texts")


def main(page="build/web/velmorand.html", runs="10"):
    runs = int(runs)
    browser = Browser(page)
    try:
        static = os.path.join(browser.folder, "static.html")
        with open(static, "w", encoding="utf-8") as f:
            f.write(browser.script(STATIC_PAGE))
        browser.open()
        times = {"velmorand.html": [], "static page": []}
        for _ in range(runs):
            times["velmorand.html"].append(load_time(browser, browser.url))
            times["static page"].append(load_time(browser, "file://" + static))

        browser.open()
        run = [browser.script("const t = performance.now(); Command1.click();"
                              "return performance.now() - t") for _ in range(max(runs, 5))]
        paste = []
        for _ in range(max(runs // 5, 1)):
            paste.append(browser.script("""
                const t = performance.now();
                Text1.value = '7'.repeat(1000000);
                Text1.dispatchEvent(new InputEvent('input'));
                const elapsed = performance.now() - t;
                Command2.click();
                return elapsed;"""))
    finally:
        browser.quit()

    print(f"velmorand.html: {os.path.getsize(page) / 1024:.1f} KiB")
    for name, values in times.items():
        print(f"load until the start texts show, {name}: median {median_ms(values):.1f} ms"
              f" over {runs}")
    ratio = median_ms(times["velmorand.html"]) / median_ms(times["static page"])
    print(f"ratio: {ratio:.2f}x")
    print(f"one Run: median {median_ms(run):.2f} ms over {len(run)}")
    print(f"a pasted dividend of 1,000,000 characters: median {median_ms(paste):.1f} ms"
          f" over {len(paste)}")


if __name__ == "__main__":
    main(*sys.argv[1:])
