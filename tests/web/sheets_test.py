#!/usr/bin/env python3
"""«Листы для печати» in velmorand-practice.html, in headless Chromium: the choices, the
preview, and the pages Chromium prints to PDF, read back with poppler's tools. The key's answers
are checked by Python's own division; the squared paper is measured on the printed page at
254 dots to the inch, 10 dots to the millimetre.

sheets_test.py PAGE [unittest arguments]
The PDF of 5 mm cells and its first page are left beside PAGE: sheets-print.pdf,
sheets-preview.png."""
import re

from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

from browser import PageCase, beside_page, main, poppler, wait_until

PREVIEW = """return [...document.querySelectorAll('#SheetsPreview .sheet-page')].map(page => {
    const box = page.getBoundingClientRect();
    return {kind: page.dataset.kind, variant: +page.dataset.variant, size: [box.width, box.height],
            problems: [...page.querySelectorAll('[data-problem]')].map(g => g.dataset.problem)};
});"""
def grid_lines(pgm):
    """The middles of the columns and of the rows that are not white all across the middle of
    a page rendered in grey: the squared paper's vertical and horizontal lines."""
    _, size, _, pixels = pgm.split(b"\n", 3)
    width, height = map(int, size.split())
    dark = [[value < 245 for value in pixels[y * width:(y + 1) * width]] for y in range(height)]
    middle_x = range(width * 3 // 10, width * 7 // 10)
    middle_y = range(height * 3 // 10, height * 7 // 10)
    found = []
    for lines in ([x for x in range(width) if all(dark[y][x] for y in middle_y)],
                  [y for y in range(height) if all(dark[y][x] for x in middle_x)]):
        runs = []
        for place in lines:
            if runs and place == runs[-1][-1] + 1:
                runs[-1].append(place)
            else:
                runs.append([place])
        found.append([(run[0] + run[-1]) / 2 for run in runs])
    return found


def grouped(n):
    """A number as the sheets write it, from five digits on split into classes of three."""
    return str(n) if n < 10000 else f"{n:,}".replace(",", " ")


def answer_text(problem):
    """The key's line for the problem, as pdftotext reads it: a no-break space as a space."""
    a, b = (int(n.replace("\u00a0", "")) for n in problem.split(" : "))
    q, r = divmod(a, b)
    return f"{grouped(a)} : {grouped(b)} = {grouped(q)}" + (f" (ост. {grouped(r)})" if r else "")


class SheetsTest(PageCase):
    def script(self, code):
        return self.browser.script(code)

    def drawn(self):
        return int(wait_until(lambda: self.script(
            "return document.getElementById('SheetsPreview').dataset.drawn"), what="the pages"))

    def open_view(self, address=""):
        """The page loaded afresh at an address, and the sheets' view opened from it."""
        self.browser.open(address)
        self.element("OpenSheets").click()
        return self.drawn()

    def choose(self, name, value):
        if name == "SheetsVariant":
            self.element(name).send_keys(Keys.CONTROL, "a")
            self.element(name).send_keys(value + "\n")
        elif name in ("SheetsAnswers", "SheetsLarge"):
            if self.element(name).is_selected() != value:
                self.element(name).click()
        else:
            Select(self.element(name)).select_by_value(str(value))
        return self.drawn()

    def test_printed_pages(self):
        for large, pitch in [(False, 5), (True, 10)]:  # the cells' size in mm
            with self.subTest(large=large):
                self.open_view()
                caption = self.script("return document.querySelector('#Practice h1').textContent")
                # The footer names the level as the practice window's list shows it.
                level = self.script(
                    "return document.querySelector('#Level option[value=\"5\"]').textContent")
                for name, value in [("SheetsLevel", 5), ("SheetsVariant", "42"),
                                    ("SheetsVariants", 2), ("SheetsAnswers", True),
                                    ("SheetsLarge", large)]:
                    self.choose(name, value)
                pages = self.script(PREVIEW)
                self.assertEqual([(p["kind"], p["variant"]) for p in pages],
                                 [("Problems", 42), ("Answers", 42),
                                  ("Problems", 43), ("Answers", 43)])
                for page in pages:  # 210 mm by 297 mm, at 96 CSS pixels to the inch
                    self.assertAlmostEqual(page["size"][0], 210 / 25.4 * 96, delta=0.5)
                    self.assertAlmostEqual(page["size"][1], 297 / 25.4 * 96, delta=0.5)
                self.assertTrue(pages[0]["problems"])
                self.assertEqual(pages[0]["problems"], pages[1]["problems"])
                self.assertNotEqual(pages[0]["problems"], pages[2]["problems"])
                self.assertEqual(self.browser.missing_letters(
                    "[...document.querySelectorAll('.sheet-page text')].map(t => t.textContent)"
                    ".join('')"), [])

                path, sizes = self.browser.print_pdf(
                    "sheets-print-large.pdf" if large else "sheets-print.pdf")
                self.assertEqual(sizes, [(210, 297)] * 4)  # A4
                for font in poppler("pdffonts", path).decode().splitlines()[2:]:
                    self.assertIn("LiberationSans", font.split()[0])

                for number, page in enumerate(pages, start=1):
                    text = poppler("pdftotext", "-layout", "-enc", "UTF-8", "-f", str(number),
                                   "-l", str(number), path, "-").decode("utf-8")
                    self.assertIn(f"Уровень {level}, вариант {page['variant']}", text)
                    self.assertNotIn(caption, text)  # the practice window is not printed
                    numbered = list(enumerate(page["problems"], start=1))
                    if page["kind"] == "Answers":
                        self.assertIn(f"Ответы. Вариант {page['variant']}", text)
                        for i, problem in numbered:
                            self.assertIn(f"{i}. {answer_text(problem)}", text)
                    else:
                        self.assertIn("Фамилия, имя", text)
                        # Each number, then its column's first row: a's digits and b's, a cell
                        # each.
                        rows = re.findall(r"(\d+)\.((?: +\d(?![\d.]))+)", text)
                        self.assertEqual([(i, row.replace(" ", "")) for i, row in rows],
                                         [(str(i), re.sub(r"\D", "", p)) for i, p in numbered])

                for number in [1, 2]:  # a problems page and its key
                    columns, rows = grid_lines(poppler(
                        "pdftoppm", "-r", "254", "-gray", "-f", str(number), "-l", str(number),
                        path))
                    for lines in [columns, rows]:
                        self.assertGreater(len(lines), 180 // (2 * pitch))
                        self.assertAlmostEqual(lines[0], 150, delta=1.5)  # the 15 mm margin
                        for before, after in zip(lines, lines[1:]):
                            self.assertAlmostEqual(after - before, pitch * 10, delta=1)
                if not large:
                    poppler("pdftoppm", "-r", "254", "-png", "-f", "1", "-l", "1",
                            "-singlefile", path, beside_page("sheets-preview"))

    def test_choices(self):
        # The view's controls are the module's table, but for the file it cannot write; it
        # begins with the level and variant being practised and the module's other choices:
        # one variant, with its key.
        self.assertEqual(self.open_view("#level=3&variant=7"), 2)
        rows = self.browser.module("velmorand_practice_layout")["Sheets"]["Controls"]
        shown = self.script("return [...document.querySelectorAll('#Sheets [id^=Sheets]')]"
                            ".map(e => e.id)")
        self.assertEqual([n for n in shown if n != "SheetsCaption"],
                         [row["Name"] for row in rows if not row["WritesFile"]])
        self.assertEqual(self.element("SheetsLevel").get_attribute("value"), "3")
        self.assertTrue(self.element("SheetsAnswers").is_selected())
        self.assertEqual([(p["kind"], p["variant"]) for p in self.script(PREVIEW)],
                         [("Problems", 7), ("Answers", 7)])
        self.choose("SheetsAnswers", False)
        # The variant typed as the module takes it, shown back; what is no number leaves the
        # variant before.
        for typed, variants, shown, wanted in [("1000000", 2, "999999", [999999, 1]),
                                               (" 250 ", 3, "250", [250, 251, 252]),
                                               ("12a", 1, "250", [250])]:
            with self.subTest(typed=typed):
                self.choose("SheetsVariants", variants)
                self.choose("SheetsVariant", typed)
                self.assertEqual(self.element("SheetsVariant").get_attribute("value"), shown)
                self.assertEqual([p["variant"] for p in self.script(PREVIEW)], wanted)
        # Fewer problems than fit: the first ones of the same list; more: every one of them,
        # over as many pages as they take.
        every = self.script(PREVIEW)[0]["problems"]
        self.choose("SheetsProblems", 2)
        self.assertEqual(self.script(PREVIEW)[0]["problems"], every[:2])
        self.choose("SheetsLevel", 5)
        pages = self.choose("SheetsProblems", 8)
        self.assertGreater(pages, 1)
        self.assertEqual(sum(len(p["problems"]) for p in self.script(PREVIEW)), 8)
        count = next(row["Text"] for row in rows if row["Kind"] == "PageCount")
        self.assertEqual(self.element("SheetsCount").text, f"{count}{pages}")
        # Escape goes back to the practice window as it was, the focus on the button.
        self.element("SheetsCaption").send_keys(Keys.ESCAPE)
        wait_until(lambda: self.element("Practice").is_displayed(), what="the practice window")
        self.assertFalse(self.element("Sheets").is_displayed())
        self.assertEqual(self.focused(), "OpenSheets")
        self.assertEqual(self.script("return location.hash"), "#level=3&variant=7")

    def test_a_set_practised_prints_its_own_problems(self):
        self.assertEqual(self.open_view("#set=7240:8,648:6"), 2)
        pages = self.script(PREVIEW)
        self.assertEqual([p["kind"] for p in pages], ["Problems", "Answers"])
        for page in pages:
            self.assertEqual([re.findall(r"\d+", p) for p in page["problems"]],
                             [["7240", "8"], ["648", "6"]])


if __name__ == "__main__":
    main()
