#!/usr/bin/python3
"""Start-up of a page in headless Chromium against a static page with the same controls, texts
and style but no module, loaded alternately; then what its pupil does most, timed, and the
file's size. For velmorand.html that is one Run and a pasted dividend of a million characters;
for velmorand-practice.html, one answer checked and the column drawn again; for
velmorand-class.html, a class's list pasted and a name of a million characters refused.

A load counts until the pupil sees the start texts: the browser's first contentful paint,
which for both pages is the first frame with the texts in it. Each also marks when its script
is done: the page marks 'velmorand-started' when it has put the start texts in, the static
page marks it at its end; both marks come before the browser lays the texts out and paints
them, and that time is given too.

Usage: bench/web_startup.py [PAGE] [RUNS]"""
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import Browser, wait_until  # noqa: E402

STARTED = "return performance.getEntriesByName('velmorand-started')[0]?.startTime"
PAINTED = "return performance.getEntriesByName('first-contentful-paint')[0]?.startTime"

# The window as the page made it, with the fields' texts and choices written in and no script
# but the mark.
STATIC_PAGE = """
for (const field of document.querySelectorAll('input'))
    field.setAttribute('value', field.value);
for (const option of document.querySelectorAll('option'))
    option.toggleAttribute('selected', option.selected);
const page = document.documentElement.cloneNode(true);
page.querySelectorAll('script, template, meta[http-equiv]').forEach(e => e.remove());
const mark = document.createElement('script');
mark.textContent = "performance.mark('velmorand-started')";
page.querySelector('body').append(mark);
return '<!DOCTYPE html>\\n' + page.outerHTML;
"""


def median_ms(values):
    return statistics.median(values)


def load_times(browser, url):
    """Until the first paint, and until the script's mark."""
    browser.driver.get(url)
    painted = wait_until(lambda: browser.script(PAINTED), what="the first paint")
    return painted, wait_until(lambda: browser.script(STARTED), what="the start texts")


def time_worksheet(browser, runs):
    """velmorand.html: one Run, and a pasted dividend of a million characters."""
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
    return [("one Run", run, 2), ("a pasted dividend of 1,000,000 characters", paste, 1)]


def time_practice(browser, runs):
    """velmorand-practice.html: a wrong answer checked and said, and a hint, each with the
    column drawn again, on the largest problems (level 8)."""
    browser.driver.get("about:blank")
    browser.driver.get(browser.url + "#level=8&variant=1")
    wait_until(lambda: browser.script(STARTED), what="the page at level 8")
    timed = """
        const t = performance.now();
        %s
        return performance.now() - t;"""
    answer = [browser.script(timed % """
        Entry.value = '0';
        Entry.dispatchEvent(new KeyboardEvent('keydown', {key: 'Enter', bubbles: true}));""")
              for _ in range(max(runs, 5))]
    hint = [browser.script(timed % "Hint.click();") for _ in range(max(runs, 5))]
    return [("one answer checked", answer, 2), ("one hint", hint, 2)]


def time_class(browser, runs):
    """velmorand-class.html: a class of 45 pasted as a list, the table and chart drawn again,
    and a million characters typed as a name, refused."""
    enter = "new KeyboardEvent('keydown', {key: 'Enter', bubbles: true})"
    browser.script(f"ClassSet.value = '5 42'; ClassSet.dispatchEvent({enter})")
    timed = """
        const t = performance.now();
        %s
        return performance.now() - t;"""
    paste = [browser.script(timed % """
        const names = Array.from({length: 45}, (_, i) => 'Ученик ' + 'а'.repeat(i + 1));
        const data = new DataTransfer();
        data.setData('text/plain', names.join('\\n'));
        PupilName.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data,
                                                             cancelable: true}));""")
             for _ in range(max(runs, 5))]
    million = [browser.script(timed % f"""
        PupilName.value = 'я'.repeat(1000000);
        PupilName.dispatchEvent({enter});""") for _ in range(max(runs // 5, 1))]
    return [("a class of 45 pasted", paste, 1), ("a name of 1,000,000 characters", million, 1)]


def main(page="build/web/velmorand.html", runs="10"):
    runs = int(runs)
    name = os.path.basename(page)
    browser = Browser(page)
    try:
        static = os.path.join(browser.folder, "static.html")
        with open(static, "w", encoding="utf-8") as f:
            f.write(browser.script(STATIC_PAGE))
        browser.open()
        times = {name: [], "static page": []}
        for _ in range(runs):
            times[name].append(load_times(browser, browser.url))
            times["static page"].append(load_times(browser, "file://" + static))

        browser.open()
        kind = browser.script("return document.querySelector('main')?.id")
        actions = {"Practice": time_practice, "Class": time_class}.get(kind, time_worksheet)(
            browser, runs)
    finally:
        browser.quit()

    print(f"{name}: {os.path.getsize(page) / 1024:.1f} KiB")
    for index, until in enumerate(("the start texts are painted", "the script is done")):
        medians = {what: median_ms([load[index] for load in loads])
                   for what, loads in times.items()}
        for what, median in medians.items():
            print(f"load until {until}, {what}: median {median:.1f} ms over {runs}")
        print(f"ratio: {medians[name] / medians['static page']:.2f}x")
    for what, values, decimals in actions:
        print(f"{what}: median {median_ms(values):.{decimals}f} ms over {len(values)}")


if __name__ == "__main__":
    main(*sys.argv[1:])
