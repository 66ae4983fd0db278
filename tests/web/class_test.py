#!/usr/bin/env python3
"""velmorand-class.html in headless Chromium, copied alone into an empty folder.

The codes typed are made by class_code, the practice core run under node, as the pupil's
program makes them; what the journal reads from a code is the core's own tests'.

class_test.py PAGE NODE CLASS_CODE [unittest arguments]"""
import os
import subprocess
import sys
import tempfile

from selenium.webdriver.common.keys import Keys

import browser as shared
from browser import PageCase, ax, wait_until

NODE, CLASS_CODE = sys.argv.pop(2), sys.argv.pop(2)
KEY = "velmorand-class-journal"
ALPHABET = "0123456789АГДЖКМНПРСТФХ"
# Solved, first-try answers, hints and the six groups' mistakes.
WORK = [3, 20, 2, 1, 0, 2, 0, 0, 1]
ROWS = """return [...document.querySelectorAll('#ClassTable tbody tr')].map(
    r => [{...r.dataset}, [...r.cells].map(c => c.textContent)])"""


def made_code(level, variant, work):
    """The code of the work and, as the data-* attributes write it, what the code says."""
    code, said = subprocess.run(
        [NODE, "--no-experimental-fetch", CLASS_CODE, str(level), str(variant), *map(str, work)],
        check=True, capture_output=True, text=True).stdout.split("\n")[:2]
    solved, first_try, hints, mistakes = said.split()
    return code, {"state": "Counted", "solved": solved, "firstTry": first_try, "hints": hints,
                  "mistakes": mistakes}


class ClassTest(PageCase):
    def setUp(self):
        super().setUp()
        self.browser.script("localStorage.clear()")
        self.browser.open()
        self.code, self.coded = made_code(5, 42, WORK)
        # One character changed: the code's check refuses it.
        first = self.code[0]
        self.mistyped = ALPHABET[(ALPHABET.index(first) + 1) % len(ALPHABET)] + self.code[1:]

    def type_into(self, name, text):
        field = self.element(name)
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys(Keys.DELETE)
        field.send_keys(text + Keys.ENTER)

    def class_of_three(self):
        self.type_into("ClassSet", "5 42")
        for name, code in (("Иванов Петя", self.code), ("Петров Коля", self.mistyped),
                           ("Сидорова Аня", "")):
            self.element("PupilName").send_keys(name)
            self.type_into("PupilCode", code)
            wait_until(lambda: name in self.text("ClassTable"), what=name)
        return self.browser.script(ROWS)

    def text(self, name):
        return self.browser.script("return document.getElementById(arguments[0]).textContent",
                                   name)

    def said(self, name):
        """What a screen reader reads of the element: its accessible text nodes, in order."""
        backend = self.browser.accessibility_tree()[0][name]["backendDOMNodeId"]
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        by_id = {n["nodeId"]: n for n in nodes}
        stack, texts = [next(n for n in nodes if n.get("backendDOMNodeId") == backend)], []
        while stack:
            node = stack.pop(0)
            if not node.get("ignored") and ax(node, "role") == "StaticText":
                texts.append(ax(node, "name"))
            stack[:0] = [by_id[c] for c in node.get("childIds", []) if c in by_id]
        return "".join(texts).rstrip("\u00a0")

    def test_codes_typed_refused_and_missing_make_the_rows_totals_and_chart(self):
        (counted, counted_cells), (refused, refused_cells), (missing, missing_cells) = \
            self.class_of_three()
        empty = {"solved": "", "firstTry": "", "hints": "", "mistakes": ""}
        self.assertEqual(counted, self.coded)
        self.assertEqual(refused, dict(empty, state="Refused"))
        self.assertEqual(missing, dict(empty, state="Missing"))
        # The refused code's row says why, as the message of adding it said.
        self.element("PupilName").send_keys("Петров Коля")
        self.type_into("PupilCode", self.mistyped)
        wait_until(lambda: self.text("ClassError"), what="the refusal")
        reason = refused_cells[-1].split(": ", 1)[1]
        self.assertIn(reason, self.text("ClassError"))
        self.assertEqual(counted_cells[-1], "")
        self.assertNotIn(reason, missing_cells[-1])
        self.assertIn("Сидорова Аня", self.text("ClassMissing"))
        self.assertNotIn("Иванов Петя", self.text("ClassMissing"))
        # The chart: a picture with a bar per mistake group, said as the journal words it.
        view = self.browser.script("return askModule('velmorand_class_view', 640)")
        chart = self.browser.script("""return [ClassChart.tagName, ClassChart.getAttribute('role'),
            ClassChart.getAttribute('aria-label'), ClassChart.querySelectorAll('rect.bar').length,
            [...ClassChart.querySelectorAll('text.count')].map(t => Number(t.textContent))]""")
        self.assertEqual(chart[:4], ["svg", "img", view["Texts"]["ClassChart"],
                                     len(self.coded["mistakes"].split(","))])
        self.assertEqual(sorted(chart[4]), sorted(map(int, self.coded["mistakes"].split(","))))
        # A screen reader finds the table, its headers and rows, and hears the refusal.
        tree, nodes = self.browser.accessibility_tree()
        layout = self.browser.script("return askModule('velmorand_class_layout')")
        self.assertEqual([ax(tree["ClassTable"], k) for k in ("role", "name")],
                         ["table", next(r["Label"] for r in layout["Controls"]
                                        if r["Name"] == "ClassTable")])
        self.assertEqual([ax(n, "name") for n in nodes if ax(n, "role") == "columnheader"],
                         layout["Columns"])
        self.assertEqual([ax(n, "name") for n in nodes if ax(n, "role") == "rowheader"],
                         ["Иванов Петя", "Петров Коля", "Сидорова Аня"])
        # Each cell is named as the journal words it for speech: a code a character at a time,
        # a note without its colon.
        self.assertEqual([ax(n, "name") for n in nodes if ax(n, "role") in ("rowheader", "cell")
                          and ax(n, "name")],
                         [said for row in view["Rows"] for said in row["Said"] if said])
        self.assertEqual(self.browser.live_regions(), ["ClassError"])
        announced = self.browser.script(
            "return askModule('velmorand_class_add', arguments[0], arguments[1]).Announcement",
            "Петров Коля", self.mistyped)
        self.assertEqual(self.said("ClassError"), announced)

    def test_the_spreadsheet_is_the_journals_bytes(self):
        self.class_of_three()
        folder = tempfile.mkdtemp(prefix="velmorand-csv-")
        self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                    {"behavior": "allow", "downloadPath": folder})
        self.element("SaveCsv").click()
        name = self.browser.script("return askModule('velmorand_class_layout').Words.FileName")
        path = os.path.join(folder, name)
        wait_until(lambda: os.path.exists(path) and os.path.getsize(path) > 0, what=name)
        with open(path, "rb") as f:
            written = f.read()
        self.assertEqual(written[:3], b"\xef\xbb\xbf")
        headers = self.browser.script(
            "return [...document.querySelectorAll('#ClassTable thead th')].map(t => t.textContent)")
        self.assertEqual(written[3:].decode("utf-8").split("\r\n")[0], ";".join(headers))
        self.assertEqual(written, self.browser.script(
            "return atob(askModule('velmorand_class_csv').Bytes)").encode("latin-1"))

    def test_remember_keeps_the_class_forget_and_damage_start_afresh(self):
        rows = self.class_of_three()
        self.element("Remember").click()
        self.browser.open()
        self.assertEqual(self.browser.script(ROWS), rows)
        self.assertTrue(self.element("Remember").is_selected())
        self.element("Forget").click()
        self.assertFalse(self.element("Remember").is_selected())
        self.browser.open()
        self.assertEqual(self.browser.script(ROWS), [])
        self.assertIsNone(self.browser.script(f"return localStorage.getItem('{KEY}')"))
        for damaged in ("velmorand-class 1\n5 42\nИванов без кода\n", "{", "\x00" * 9):
            self.browser.script(f"localStorage.setItem('{KEY}', arguments[0])", damaged)
            self.browser.open()
            self.assertEqual([self.browser.script(ROWS), self.element("ClassSet").get_attribute(
                "value"), self.element("Remember").is_selected()], [[], "", False])

    def test_bad_input_is_refused_at_once_and_changes_nothing(self):
        rows = self.class_of_three()
        lines = "".join(f"Ученик {i} {self.code}\n" for i in range(1000))
        million = "я" * 1_000_000
        for field, text, pasted in (("PupilName", lines, True), ("PupilName", million, False),
                                    ("PupilCode", million, False), ("ClassSet", million, False),
                                    ("PupilName", "Пет\x01ров", False)):
            with self.subTest(field=field, text=text[:20]):
                self.browser.script("ClassError.firstChild.textContent = ''")
                if pasted:
                    self.browser.script("""
                        const data = new DataTransfer();
                        data.setData('text/plain', arguments[1]);
                        document.getElementById(arguments[0]).dispatchEvent(new ClipboardEvent(
                            'paste', {clipboardData: data, bubbles: true, cancelable: true}));""",
                                        field, text)
                else:
                    self.browser.script(
                        "document.getElementById(arguments[0]).value = arguments[1]", field, text)
                    self.element(field).send_keys(Keys.END + Keys.ENTER)
                wait_until(lambda: self.text("ClassError"), what="the message")
                self.assertEqual(self.browser.script(ROWS), rows)
                self.browser.script("document.getElementById(arguments[0]).value = ''", field)

    def test_on_paper_the_journal_is_upright_a4_without_the_controls(self):
        self.class_of_three()
        path, sizes = self.browser.print_pdf("velmorand-class.pdf")
        self.assertEqual(set(sizes), {(210, 297)})
        printed = shared.poppler("pdftotext", "-layout", path, "-").decode()
        for shown in ("ClassProblems", "ClassTotals"):
            self.assertIn(self.text(shown).split(",")[0], printed)
        self.assertIn("Сидорова Аня", printed)
        self.assertNotIn(self.text("AddPupil"), printed)

    def test_tab_follows_the_tables_order(self):
        self.assert_tab_order([row["Name"] for row in self.browser.script(
            "return askModule('velmorand_class_layout').Controls")
            if row["Kind"] in ("Field", "Button", "Check")])


class RequestTest(shared.RequestCase):
    table = "velmorand_class_layout"

    def use(self, browser):
        element = browser.driver.find_element
        element("id", "ClassSet").send_keys("5 42" + Keys.ENTER)
        element("id", "PupilName").send_keys("Иванов Петя" + Keys.ENTER)
        element("id", "Remember").click()
        wait_until(lambda: browser.script("return ClassTable.rows.length") == 2, what="the row")


if __name__ == "__main__":
    shared.main()
