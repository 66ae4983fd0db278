#!/usr/bin/env python3
"""«Листы для печати» in velmorand-practice.html, in headless Chromium: the choices, the
preview, and the pages as Chromium prints them to PDF, read back with poppler's tools.

The answers on the key are checked against Python's own division, and the squared paper's
pitch is measured on the printed page rendered at 254 dots to the inch, where 1 mm is 10 dots.

sheets_test.py PAGE [unittest arguments]
The last PDF printed and its first page rendered are left beside PAGE as sheets-print.pdf and
sheets-preview.png."""
import base64
import os
import re
import subprocess
import shutil
import sys
import tempfile
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

from browser import Browser, wait_until

PAGE = None
# Collects the page's uncaught errors, from before its first script runs.
CATCH_ERRORS = """
window.pageErrors = [];
addEventListener('error', event => pageErrors.push(String(event.message)));
addEventListener('unhandledrejection', event => pageErrors.push(String(event.reason)));
"""
DOTS_PER_MM = 10  # pdftoppm -r 254
A4_POINTS = (595, 842)
# Poppler's tools answer in English whatever the machine's language.
POPPLER_ENVIRONMENT = dict(os.environ, LC_ALL="C", LANG="C", LANGUAGE="")


def poppler(*arguments):
    return subprocess.run(arguments, check=True, capture_output=True,
                          env=POPPLER_ENVIRONMENT).stdout


def line_positions(profile, length):
    """The middles of the runs of places where a line crosses nearly all of `length` pixels."""
    positions, start = [], None
    for place, count in enumerate(profile + [0]):
        if count >= 0.95 * length and start is None:
            start = place
        elif count < 0.95 * length and start is not None:
            positions.append((start + place - 1) / 2)
            start = None
    return positions


def grid_lines(pgm):
    """The x of the vertical lines and the y of the horizontal ones drawn across the middle of
    a page rendered in grey (PGM): a line is a column or row that is not white all along."""
    magic, size, _, pixels = pgm.split(b"\n", 3)
    assert magic == b"P5"
    width, height = map(int, size.split())
    rows = [pixels[y * width:(y + 1) * width] for y in range(height)]
    top, bottom = height * 3 // 10, height * 7 // 10
    left, right = width * 3 // 10, width * 7 // 10
    columns = [0] * width
    for y in range(top, bottom):
        for x, value in enumerate(rows[y]):
            if value < 245:
                columns[x] += 1
    across = [sum(1 for value in rows[y][left:right] if value < 245) for y in range(height)]
    return line_positions(columns, bottom - top), line_positions(across, right - left)


def answer_text(problem):
    """The key's line for «a : b», by Python's division."""
    a, b = map(int, problem.split(" : "))
    text = f"{problem} = {a // b}"
    return text + (f" (ост. {a % b})" if a % b else "")


class SheetsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.browser = Browser(PAGE)
        cls.driver = cls.browser.driver
        cls.folder = tempfile.mkdtemp(prefix="velmorand-sheets-")
        cls.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                   {"source": CATCH_ERRORS})

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        shutil.rmtree(cls.folder, ignore_errors=True)

    def tearDown(self):
        self.assertEqual(self.script("return window.pageErrors ?? []"), [])

    def load(self, address=""):
        """A fresh load of the page at an address such as "#level=5&variant=42"."""
        self.driver.get("about:blank")
        self.driver.get(self.browser.url + address)
        wait_until(lambda: self.script(
            "return performance.getEntriesByName('velmorand-started').length"),
            what="the page to start")

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def script(self, code, *arguments):
        return self.browser.script(code, *arguments)

    def open_sheets(self):
        self.element("OpenSheets").click()
        wait_until(lambda: self.element("Sheets").is_displayed(), what="the sheets' view")
        self.wait_drawn()

    def wait_drawn(self):
        return int(wait_until(lambda: self.script(
            "return document.getElementById('SheetPages').dataset.drawn"),
            what="the pages to be drawn"))

    def type_variant(self, text):
        field = self.element("SheetVariant")
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys(text + "\n")

    def choose(self, level, variant, variants, answers, large=False, problems=None):
        Select(self.element("SheetLevel")).select_by_value(str(level))
        self.type_variant(str(variant))
        Select(self.element("SheetVariants")).select_by_value(str(variants))
        if problems is not None:
            Select(self.element("SheetProblems")).select_by_value(str(problems))
        for name, wanted in [("SheetAnswers", answers), ("SheetLarge", large)]:
            if self.element(name).is_selected() != wanted:
                self.element(name).click()
        return self.wait_drawn()

    def preview(self):
        """Each page of the preview: its kind, variant, problems in order and its size on the
        screen in CSS pixels."""
        return self.script("""
            return [...document.querySelectorAll('#SheetPages .sheet-page')].map(page => {
                const box = page.getBoundingClientRect();
                return {kind: page.dataset.kind, variant: +page.dataset.variant,
                        size: [box.width, box.height],
                        problems: [...page.querySelectorAll('[data-problem]')].map(
                            g => g.dataset.problem)};
            });""")

    def print_pdf(self):
        printed = self.driver.execute_cdp_cmd(
            "Page.printToPDF", {"preferCSSPageSize": True})
        path = os.path.join(self.folder, "sheets.pdf")
        with open(path, "wb") as f:
            f.write(base64.b64decode(printed["data"]))
        return path

    def page_text(self, pdf, number):
        """The page's text as it stands on the page, row by row."""
        return poppler("pdftotext", "-layout", "-enc", "UTF-8", "-f", str(number), "-l", str(number),
                       pdf, "-").decode("utf-8")

    # The tests.

    def test_printed_pages(self):
        # (large cells, the squared paper's pitch in mm)
        for large, pitch in [(False, 5), (True, 10)]:
            with self.subTest(large=large):
                self.open_view()
                self.assertEqual(self.choose(5, 42, 2, True, large), 4)
                pages = self.preview()
                self.assertEqual([(p["kind"], p["variant"]) for p in pages],
                                 [("Problems", 42), ("Answers", 42),
                                  ("Problems", 43), ("Answers", 43)])
                # 210 mm by 297 mm at CSS's 96 pixels to the inch.
                for page in pages:
                    self.assertAlmostEqual(page["size"][0], 210 / 25.4 * 96, delta=0.5)
                    self.assertAlmostEqual(page["size"][1], 297 / 25.4 * 96, delta=0.5)
                    self.assertTrue(page["problems"])
                self.assertEqual(pages[0]["problems"], pages[1]["problems"])
                self.assertEqual(pages[2]["problems"], pages[3]["problems"])
                self.assertNotEqual(pages[0]["problems"], pages[2]["problems"])

                # The font inside the page has every letter of the pages: a letter it lacks
                # would come from the next family, which differs between serif and monospace.
                missing = self.script("""
                    await document.fonts.ready;
                    const context = document.createElement('canvas').getContext('2d');
                    const width = (text, family) => {
                        context.font = `40px "Liberation Sans", ${family}`;
                        return context.measureText(text).width;
                    };
                    const texts = [...document.querySelectorAll('.sheet-page text')];
                    const text = texts.map(t => t.textContent).join('');
                    return [...new Set(text.replace(/\\s/g, ''))].filter(
                        c => Math.abs(width(c, 'serif') - width(c, 'monospace')) > 0.01);""")
                self.assertEqual(missing, [])

                pdf = self.print_pdf()
                info = poppler("pdfinfo", "-f", "1", "-l", "99", pdf).decode()
                self.assertEqual(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1), "4")
                sizes = re.findall(r"^Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts", info, re.M)
                self.assertEqual(len(sizes), 4)
                for width, height in sizes:
                    self.assertAlmostEqual(float(width), A4_POINTS[0], delta=1)
                    self.assertAlmostEqual(float(height), A4_POINTS[1], delta=1)
                # Every text is in the page's own font: nothing fell back to another.
                fonts = poppler("pdffonts", pdf).decode().splitlines()[2:]
                self.assertTrue(fonts)
                for font in fonts:
                    self.assertIn("LiberationSans", font.split()[0])

                for number, page in enumerate(pages, start=1):
                    text = self.page_text(pdf, number)
                    self.assertNotIn(self.practice_caption, text)
                    if page["kind"] == "Answers":
                        self.assertIn(f"Ответы. Вариант {page['variant']}", text)
                        keys = re.findall(r"(\d+)\. (\d+ : \d+ = \d+(?: \(ост\. \d+\))?)",
                                          text)
                        self.assertEqual(keys, [(str(i), answer_text(problem)) for i, problem
                                                in enumerate(page["problems"], start=1)])
                    else:
                        self.assertIn(f"Вариант {page['variant']}", text)
                        self.assertIn("Фамилия, имя", text)
                        # Each number, and then the first row of its column: the dividend's
                        # digits and the divisor's, one to a cell.
                        rows = re.findall(r"(\d+)\.((?: +\d(?![\d.]))+)", text)
                        self.assertEqual(
                            [(label, row.replace(" ", "")) for label, row in rows],
                            [(str(i), problem.replace(" : ", "")) for i, problem
                             in enumerate(page["problems"], start=1)])
                    self.assertIn(f"Уровень 5, вариант {page['variant']}", text)

                # The squared paper, measured on a problems page and on a key.
                for number in [1, 2]:
                    picture = poppler("pdftoppm", "-r", "254", "-gray", "-f", str(number),
                                      "-l", str(number), pdf)
                    columns, rows = grid_lines(picture)
                    for lines in [columns, rows]:
                        self.assertGreater(len(lines), 180 // (2 * pitch))
                        for before, after in zip(lines, lines[1:]):
                            self.assertAlmostEqual(after - before, pitch * DOTS_PER_MM, delta=1)
                    # The paper starts at the 15 mm margin.
                    self.assertAlmostEqual(columns[0], 15 * DOTS_PER_MM, delta=1.5)
                    self.assertAlmostEqual(rows[0], 15 * DOTS_PER_MM, delta=1.5)
                if not large:
                    self.leave(pdf)

    def leave(self, pdf):
        """The PDF and its first page as a picture, beside the page, to be looked at."""
        folder = os.path.dirname(PAGE)
        with open(pdf, "rb") as source, \
                open(os.path.join(folder, "sheets-print.pdf"), "wb") as kept:
            kept.write(source.read())
        poppler("pdftoppm", "-r", "254", "-png", "-f", "1", "-l", "1", "-singlefile", pdf,
                os.path.join(folder, "sheets-preview"))

    def open_view(self, address=""):
        self.load(address)
        self.practice_caption = self.script(
            "return document.querySelector('#Practice .caption').textContent")
        self.open_sheets()

    def test_choices(self):
        self.open_view("#level=3&variant=7")
        # The view begins with the level and variant being practised, one variant, no key.
        self.assertEqual([p["kind"] for p in self.preview()], ["Problems"])
        self.assertEqual(self.preview()[0]["variant"], 7)
        self.assertEqual(Select(self.element("SheetLevel")).first_selected_option.text, "3")
        # (variant typed, variants, the variants of the pages): out of range is the nearest
        # in range, after 999999 comes 1, and what is no number leaves the variant before.
        for typed, variants, shown, wanted in [
                ("1000000", 2, "999999", [999999, 1]),
                ("0", 1, "1", [1]),
                ("-5", 3, "1", [1, 2, 3]),
                (" 250 ", 4, "250", [250, 251, 252, 253]),
                ("12a", 1, "250", [250])]:
            with self.subTest(typed=typed):
                Select(self.element("SheetVariants")).select_by_value(str(variants))
                self.wait_drawn()
                self.type_variant(typed)
                self.wait_drawn()
                self.assertEqual(self.element("SheetVariant").get_attribute("value"), shown)
                self.assertEqual([p["variant"] for p in self.preview()], wanted)
        # Fewer problems than fit: the first ones of the same list.
        many = self.preview()[0]["problems"]
        Select(self.element("SheetProblems")).select_by_value("2")
        self.wait_drawn()
        self.assertEqual(self.preview()[0]["problems"], many[:2])
        # Back to the practice window, which is as it was.
        self.element("SheetsCaption").send_keys(Keys.ESCAPE)
        wait_until(lambda: self.element("Practice").is_displayed(), what="the practice window")
        self.assertFalse(self.element("Sheets").is_displayed())
        self.assertEqual(self.script("return document.activeElement.id"), "OpenSheets")
        self.assertEqual(self.script("return location.hash"), "#level=3&variant=7")


if __name__ == "__main__":
    PAGE = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
