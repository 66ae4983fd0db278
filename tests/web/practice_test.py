#!/usr/bin/env python3
"""velmorand-practice.html in headless Chromium, copied alone into an empty folder.

The right answers are worked out here from the problem the page shows, «a : b», by Python's
own long division, step by step as the page asks for them: an independent check of the
session's method.

practice_test.py PAGE [unittest arguments]"""
import json
import os
import re
import sys
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

from browser import Browser, wait_until

PAGE = None
PROGRESS_KEY = "velmorand-practice-progress"
STARTED = "return performance.getEntriesByName('velmorand-started').length"


class LongDivision:
    """The answers to the page's questions for a : b, as a pupil works them out on paper."""

    def __init__(self, dividend, divisor):
        self.digits = str(dividend)
        self.dividend, self.divisor = dividend, divisor
        self.partial = self.rest = self.digit = None
        self.next_digit = 0

    def answer(self, step):
        b = self.divisor
        if step == "first":
            length = 1
            while int(self.digits[:length]) < b:
                length += 1
            self.partial, self.next_digit = int(self.digits[:length]), length
            return self.partial
        if step == "count":
            return len(str(self.dividend // b))
        if step == "digit":
            self.digit = self.partial // b
            self.rest = self.partial  # a digit 0 has no product and no difference
            return self.digit
        if step == "product":
            return self.digit * b
        if step == "difference":
            self.rest = self.partial - self.digit * b
            return self.rest
        if step == "bring":
            self.partial = self.rest * 10 + int(self.digits[self.next_digit])
            self.next_digit += 1
            return self.partial
        if step == "quotient":
            return self.dividend // b
        if step == "remainder":
            return self.dividend % b
        raise AssertionError(f"no answer for the step {step!r}")


class PracticeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.browser = Browser(PAGE)
        cls.driver = cls.browser.driver
        cls.browser.catch_errors()

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()

    def setUp(self):
        self.clear_progress()

    def tearDown(self):
        self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
        self.assertEqual(self.browser.script("return window.pageErrors ?? []"), [])

    # The page, driven as a pupil does.

    def open(self, address=""):
        """A fresh load of the page at an address such as "#level=5&variant=42"."""
        if self.browser.script("return window.pageErrors !== undefined"):
            self.assertEqual(self.browser.script("return pageErrors"), [])
        self.driver.get("about:blank")
        self.driver.get(self.browser.url + address)
        wait_until(lambda: self.browser.script(STARTED), what="the page to start")

    def clear_progress(self):
        self.open()
        self.browser.script("localStorage.clear()")

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def state(self):
        return self.browser.script("""
            const question = document.getElementById('Question');
            const feedback = document.getElementById('Feedback');
            const shown = [...feedback.childNodes].filter(n => n.getAttribute?.('aria-hidden'));
            const spoken = [...feedback.childNodes].filter(n => !n.getAttribute?.('aria-hidden'));
            return {step: question.dataset.step, question: question.textContent,
                    mistake: feedback.dataset.mistake, hint: feedback.dataset.hint,
                    feedback: shown.map(n => n.textContent).join(''),
                    spoken: spoken.map(n => n.textContent).join(''),
                    entry: document.getElementById('Entry').value,
                    problem: document.getElementById('Problem').textContent,
                    progress: document.getElementById('Progress').textContent,
                    answer: document.getElementById('Answer').textContent,
                    level: document.getElementById('Level').value,
                    variant: document.getElementById('Variant').value,
                    hash: location.hash};""")

    def problem(self):
        a, b = re.fullmatch(r"(\d+) : (\d+)", self.state()["problem"]).groups()
        return int(a), int(b)

    def drawn(self, kind):
        """The column's shapes of a kind as drawn: [(row, column, text)], a cell's row and column
        being the grid's, under the paper's margin of one cell."""
        return [tuple(item) for item in self.browser.script("""
            const cell = parseFloat(getComputedStyle(Column).getPropertyValue('--cell'));
            return [...document.querySelectorAll('#Column .' + arguments[0])].map(
                e => [Math.round(e.offsetTop / cell) - 1, Math.round(e.offsetLeft / cell) - 1,
                      e.textContent]);""", kind)]

    def written(self):
        """The digits written in the column: {(row, column): digit}."""
        return {(row, column): digit for row, column, digit in self.drawn("Digit")}

    def current_cells(self):
        return [[row, column] for row, column, _ in self.drawn("Current")]

    def submit(self, text):
        entry = self.element("Entry")
        entry.send_keys(Keys.CONTROL, "a")
        entry.send_keys(Keys.DELETE)
        entry.send_keys(str(text) + Keys.ENTER)

    def answer_right(self, division):
        """Answers the current step rightly; returns its name."""
        before = self.state()
        self.submit(division.answer(before["step"]))
        wait_until(lambda: self.state()["question"] != before["question"] or
                   self.state()["step"] == "done", what=f"the step after {before['step']}")
        return before["step"]

    def solve(self, address):
        """Solves the problem at the address by typing, checking each right answer's effect."""
        self.open(address)
        a, b = self.problem()
        division = LongDivision(a, b)
        steps = []
        while self.state()["step"] != "done":
            written_before = len(self.written())
            step = self.answer_right(division)
            steps.append(step)
            after = self.state()
            self.assertEqual(after["mistake"], "", step)
            self.assertEqual(after["entry"], "", f"the field is emptied after {step}")
            # A quotient digit, a product and a brought-down digit are written at once; the
            # first partial dividend is a's own digits, and a difference of 0 goes unwritten.
            if step in ("digit", "product", "bring"):
                self.assertGreater(len(self.written()), written_before, step)
            self.assertLess(len(steps), 60, "the problem never ends")
        return a, b, steps

    def in_sight(self, selector):
        """Whether the element lies wholly inside the visual viewport, uncovered at its centre
        (by the answer bar, say)."""
        return self.browser.script("""
            const e = document.querySelector(arguments[0]);
            const r = e.getBoundingClientRect();
            const v = visualViewport;
            const inside = r.top >= v.offsetTop - 0.5 && r.bottom <= v.offsetTop + v.height + 0.5 &&
                           r.left >= v.offsetLeft - 0.5 && r.right <= v.offsetLeft + v.width + 0.5;
            const top = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
            return inside && (top === e || e.contains(top));""", selector)

    def emulate(self, width, height, mobile=False, ratio=1):
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                    {"enabled": mobile, "maxTouchPoints": 5})
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": mobile})

    # The tests.

    def test_a_whole_problem_is_solved_by_typing(self):
        for address in ("#level=5&variant=42", "#level=8&variant=3", "#level=4&variant=7",
                        "#level=1&variant=1"):
            with self.subTest(address):
                a, b, steps = self.solve(address)
                self.assertEqual(steps[:2], ["first", "count"])
                self.assertIn("quotient", steps)
                self.assertEqual("remainder" in steps, a % b != 0)
                # The column as the exercise book has it: a and b on the first row, the
                # quotient under b, and every digit the pupil typed in between.
                cells = self.written()
                n, q = len(str(a)), str(a // b)
                self.assertEqual("".join(cells.get((0, c), "") for c in range(n)), str(a))
                self.assertEqual("".join(cells.get((0, n + i), "") for i in range(len(str(b)))),
                                 str(b))
                self.assertEqual("".join(cells.get((1, n + i), "") for i in range(len(q))), q)
                self.assertIn(q, self.state()["answer"])
                self.assertEqual(self.current_cells(), [])

    def test_a_wrong_answer_stays_selected_and_the_next_typed_replaces_it(self):
        # A wrong answer of each kind, the mistake the page shows for it, and the right answer
        # typed over it; the session's own tests hold every mistake and its words.
        for step, wrong, mistake in (("first", lambda right, b: "абв", "not-a-number"),
                                     ("digit", lambda right, b: right + 1, "digit-too-big")):
            with self.subTest(step=step, mistake=mistake):
                self.open("#level=5&variant=42")
                a, b = self.problem()
                division = LongDivision(a, b)
                while self.state()["step"] != step:
                    self.answer_right(division)
                before = self.state()
                probe = LongDivision(a, b)
                probe.__dict__.update(division.__dict__)
                right = probe.answer(step)
                typed = wrong(right, b)
                self.submit(typed)
                wait_until(lambda: self.state()["mistake"], what="the mistake")
                after = self.state()
                self.assertEqual(after["mistake"], mistake)
                # Nothing moves on; the wrong answer stays to be mended, selected.
                self.assertEqual([after[k] for k in ("step", "question", "entry")],
                                 [before["step"], before["question"], str(typed)])
                wait_until(lambda: self.state()["spoken"], what="the announcement")
                self.assertEqual(self.browser.script(
                    "return [document.activeElement.id, Entry.selectionStart, Entry.selectionEnd]"),
                    ["Entry", 0, len(str(typed))])
                self.element("Entry").send_keys(str(right) + Keys.ENTER)
                wait_until(lambda: self.state()["mistake"] == "", what="the mistake to go")

    def test_the_same_answer_said_twice_is_a_new_text_to_the_screen_reader(self):
        self.open("#level=5&variant=42")
        said = [""]
        for _ in range(3):
            self.submit("абв")
            wait_until(lambda: self.state()["spoken"] != said[-1], what="the answer said again")
            said.append(self.state()["spoken"])
        said.pop(0)
        self.assertEqual(len({text.rstrip("\u00a0") for text in said}), 1, said)

    def test_three_hints_one_after_another_then_a_right_answer_ends_them(self):
        self.emulate(1920, 1080)
        self.open("#level=5&variant=42")
        a, b = self.problem()
        division = LongDivision(a, b)
        for _ in range(3):  # part-way into the problem
            self.answer_right(division)
        hints = []
        for level in ("1", "2", "3", "3"):
            self.element("Hint").click()
            wait_until(lambda: self.state()["hint"] == level, what=f"hint {level}")
            # The pupil types on at once: the answer field has the focus after each hint.
            self.assertEqual(self.browser.script("return document.activeElement.id"), "Entry")
            state = self.state()
            self.assertTrue(state["feedback"])
            self.assertEqual(state["mistake"], "")
            wait_until(lambda: self.state()["spoken"], what="the hint said")
            hints.append(state["feedback"])
        self.assertEqual(len(set(hints[:3])), 3, hints)
        self.answer_right(division)
        self.assertEqual(self.state()["hint"], "")

    def test_the_address_chooses_the_level_and_the_variant(self):
        # The level and variant the page shows for an address and writes back into it; the
        # module's own test reads every other kind of address.
        for address, level, variant in (("#level=5&variant=42", "5", "42"),
                                        ("#level=99&variant=0", "8", "1"), ("", "1", "1")):
            with self.subTest(address):
                self.open(address)
                state = self.state()
                self.assertEqual((state["level"], state["variant"]), (level, variant))
                self.assertEqual(state["hash"], f"#level={level}&variant={variant}")
        # An address changed in the open page is followed too.
        self.browser.script("location.hash = '#level=8&variant=42'")
        wait_until(lambda: self.state()["level"] == "8", what="level 8")

    def test_the_level_list_and_the_variant_field_choose_the_problem(self):
        self.open("#level=5&variant=42")
        Select(self.element("Level")).select_by_value("7")
        wait_until(lambda: self.state()["hash"] == "#level=7&variant=42", what="level 7")
        self.assertEqual(self.state()["step"], "first")
        before = self.state()
        variant = self.element("Variant")

        def choose(typed, key):
            variant.send_keys(Keys.CONTROL, "a")
            variant.send_keys(typed + key)

        choose("abc", Keys.ENTER)
        wait_until(lambda: self.state()["feedback"], what="the refusal")
        self.assertEqual([self.state()[k] for k in ("problem", "variant")],
                         [before["problem"], "42"])
        # Enter or leaving the field chooses what was typed; leaving it unedited, nothing.
        for typed, key in (("17", Keys.ENTER), ("23", Keys.TAB)):
            choose(typed, key)
            wait_until(lambda: self.state()["hash"] == f"#level=7&variant={typed}", what=typed)
        said = self.state()["spoken"]
        variant.click()
        variant.send_keys(Keys.TAB)
        self.assertEqual(self.state()["spoken"], said)
        # Next gives another problem of the same level and variant, and the field the focus.
        first = self.problem()
        self.element("Next").click()
        wait_until(lambda: self.problem() != first, what="the next problem")
        self.assertEqual(self.browser.script("return document.activeElement.id"), "Entry")
        self.assertEqual(self.state()["hash"], "#level=7&variant=23")

    def test_progress_is_kept_across_a_reload_and_damaged_progress_starts_afresh(self):
        self.open("#level=1&variant=5")
        fresh = self.state()["progress"]
        self.assertTrue(fresh)
        self.solve("#level=1&variant=5")
        solved = self.state()["progress"]
        self.assertNotEqual(solved, fresh)
        self.assertTrue(self.browser.script(f"return localStorage.getItem('{PROGRESS_KEY}')"))
        self.open("#level=1&variant=5")
        self.assertEqual(self.state()["progress"], solved)
        # Three in a row without a hint: the line goes on to suggest the next level, and
        # says so again after a reload. Only its numbers change before that.
        def shape(line):
            return re.sub(r"\d+", "#", line)

        self.solve("#level=1&variant=5")
        self.assertEqual(shape(self.state()["progress"]), shape(fresh))
        self.solve("#level=1&variant=5")
        suggesting = self.state()["progress"]
        self.assertNotEqual(shape(suggesting), shape(fresh))
        self.assertIn("2", re.findall(r"\d+", suggesting[len(fresh):]))
        self.open("#level=1&variant=5")
        self.assertEqual(self.state()["progress"], suggesting)
        # Damaged progress starts afresh, as the module's own test shows for every kind.
        self.browser.script(f"localStorage.setItem('{PROGRESS_KEY}', '{{')")
        self.open("#level=1&variant=5")
        self.assertEqual(self.state()["progress"], fresh)

    def test_a_browser_that_refuses_the_storage_still_runs_the_page(self):
        refuse = """
            for (const name of ['localStorage', 'sessionStorage'])
                Object.defineProperty(window, name, {configurable: true, get() {
                    throw new DOMException('The storage is refused', 'SecurityError'); }});"""
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                             {"source": refuse})
        try:
            a, b, steps = self.solve("#level=1&variant=2")
            self.assertIn("quotient", steps)
            self.assertTrue(self.state()["progress"])
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                        {"identifier": script["identifier"]})

    def test_everything_stands_where_the_arrangement_places_it(self):
        # A school PC, a classroom panel and a phone, each at a level of six-digit dividends:
        # each control, its label and the column's shapes where the module places them for
        # that size, in its text sizes, as [what, drawn, given] pairs (the colours are
        # compared with the other programs' in tests/pictures). The window
        # is resized and the level changed in the open page.
        self.open("#level=5&variant=11")
        for width, height, level in ((1024, 700, 5), (1920, 1080, 8), (360, 640, 5)):
            with self.subTest(f"{width} x {height}"):
                self.emulate(width, height, mobile=width < 720)
                self.browser.script(f"location.hash = '#level={level}&variant=11'")
                # The resize and the new address reach the page later, each in its own event.
                wait_until(lambda: self.browser.script("""
                    const html = document.documentElement;
                    const arranged = askModule('velmorand_practice_arrange', html.clientWidth,
                                               html.clientHeight);
                    return [innerWidth, innerHeight, Level.value,
                            Practice.offsetWidth - arranged.Width,
                            Practice.offsetHeight - arranged.Height];""") ==
                    [width, height, str(level), 0, 0], what="the window arranged anew")
                pairs = self.browser.script("""
                    const html = document.documentElement;
                    const arranged = askModule('velmorand_practice_arrange', html.clientWidth,
                                               html.clientHeight);
                    const rows = askModule('velmorand_practice_layout').Controls;
                    const view = askModule('velmorand_practice_view');
                    const root = Practice.getBoundingClientRect();
                    const rect = e => {
                        const r = e.getBoundingClientRect();
                        return [r.left - root.left, r.top - root.top, r.width, r.height];
                    };
                    const style = e => getComputedStyle(e);
                    const pairs = [];
                    for (const row of rows) {
                        const placed = arranged.Controls[row.Name], shown = window[row.Name];
                        pairs.push([row.Name, rect(shown), placed.Place]);
                        if (placed.TextPixels)
                            pairs.push([row.Name, parseFloat(style(shown).fontSize),
                                        placed.TextPixels]);
                        const label = document.querySelector(`label[for=${row.Name}]`);
                        if (row.Label)
                            pairs.push([row.Name, [label.textContent, ...rect(label)],
                                        [row.Label, ...placed.Label]]);
                    }
                    const cell = arranged.CellPixels;
                    const shapes = [...Column.querySelector('.paper').children];
                    pairs.push(['shapes', shapes.map(e => e.className),
                                view.Column.Shapes.map(shape => shape[0])]);
                    view.Column.Shapes.forEach((shape, i) => {
                        if (shape[0] === 'Digit' || shape[0] === 'Current')
                            pairs.push([shape, [shapes[i].offsetLeft / cell, shapes[i].offsetTop / cell,
                                                shapes[i].textContent],
                                        [shape[1], shape[2], shape[5] ?? '']]);
                    });
                    // The whole column shows without sideways scrolling.
                    pairs.push(['scrolled', html.scrollWidth <= innerWidth, true]);
                    return pairs;""")
                for what, drawn, given in pairs:
                    if isinstance(given, list) and all(isinstance(g, (int, float)) for g in given):
                        for got, want in zip(drawn, given):
                            self.assertAlmostEqual(got, want, delta=0.5, msg=what)
                    else:
                        self.assertEqual(drawn, given, what)

    def test_on_a_phone_the_entry_and_its_row_come_into_sight(self):
        # A problem answered part-way, down to a row low in the column; the pupil has scrolled
        # back to the top of the page before touching the answer field.
        self.emulate(390, 844, mobile=True, ratio=3)
        self.open("#level=8&variant=9")
        division = LongDivision(*self.problem())
        for _ in range(7):
            self.answer_right(division)
        self.browser.script("document.activeElement.blur(); scrollTo(0, 0)")
        self.element("Entry").click()
        wait_until(lambda: self.in_sight("#Entry") and self.in_sight("#Column .Current"),
                   what="the answer field and its row in sight")
        self.assertEqual(self.element("Entry").get_attribute("inputmode"), "numeric")
        # The on-screen keyboard takes the lower half: the field stays in sight, and typing
        # goes on.
        self.emulate(390, 422, mobile=True, ratio=3)
        wait_until(lambda: self.in_sight("#Entry"), what="the field above the keyboard")
        self.answer_right(division)
        wait_until(lambda: self.in_sight("#Entry"), what="the field after an answer")

    def test_screen_readers_get_names_roles_the_question_and_one_live_region(self):
        self.open("#level=5&variant=42")
        a, b = self.problem()
        division = LongDivision(a, b)
        for _ in range(4):  # the first quotient digit and its product written
            self.answer_right(division)

        def value(node, key):
            return node.get(key, {}).get("value", "")

        tree, nodes = self.browser.accessibility_tree()
        question = self.state()["question"]
        expected = {
            "Level": ("combobox", "Уровень"), "Variant": ("textbox", "Вариант"),
            "Problem": (None, "Пример"), "Entry": ("textbox", "Ответ"),
            "Hint": ("button", "Подсказка"), "Next": ("button", "Следующий пример"),
            "Feedback": ("status", None), "Column": ("grid", "Столбик"),
        }
        for name, (role, accessible_name) in expected.items():
            with self.subTest(name):
                node = tree[name]
                if role:
                    self.assertEqual(value(node, "role"), role)
                if accessible_name:
                    self.assertEqual(value(node, "name"), accessible_name)
        self.assertEqual(value(tree["Entry"], "description"), question)
        # One live region, so that nothing is said twice.
        live = [n for n in nodes
                if any(p["name"] == "live" and p["value"]["value"] != "off"
                       for p in n.get("properties", []))]
        self.assertEqual([n.get("backendDOMNodeId") for n in live],
                         [tree["Feedback"]["backendDOMNodeId"]])
        # The column read row by row, as the session words its rows: Up, Down, Home and End
        # move from one to the next, and the first row holds a's digits and b.
        spoken = self.browser.script("return askModule('velmorand_practice_view').Column.SpokenRows")
        self.assertGreaterEqual(len(spoken), 2)
        self.assertIn(" ".join(str(a)), spoken[0])
        self.assertIn(str(b), spoken[0])
        self.assertEqual(len([n for n in nodes if value(n, "role") == "row"]), len(spoken))
        self.browser.script("Column.focus()")
        for key, row in ((Keys.END, -1), (Keys.UP, -2), (Keys.HOME, 0), (Keys.UP, 0),
                         (Keys.DOWN, 1)):
            self.element("Column").send_keys(key)
            tree, _ = self.browser.accessibility_tree()
            active = self.element("Column").get_attribute("aria-activedescendant")
            self.assertEqual(value(tree[active], "name"), spoken[row])
        self.browser.script("Entry.focus()")
        # The description follows the question after the next right answer, which the live
        # region says.
        self.answer_right(division)
        wait_until(lambda: self.state()["spoken"], what="the right answer said")
        tree, _ = self.browser.accessibility_tree()
        self.assertEqual(value(tree["Entry"], "description"), self.state()["question"])
        self.assertNotEqual(self.state()["question"], question)

    def test_tab_follows_the_windows_order(self):
        self.open("#level=2&variant=2")
        # The controls that take the focus, in the core's table order.
        expected = self.browser.script("""
            return askModule('velmorand_practice_layout').Controls
                .filter(row => row.Kind !== 'Text').map(row => row.Name);""")
        self.assertEqual(expected[0], "Level")
        self.browser.script("document.getElementById('Level').focus()")
        order = ["Level"]
        for _ in expected[1:]:
            self.element(order[-1]).send_keys(Keys.TAB)
            order.append(self.browser.script("return document.activeElement.id"))
        self.assertEqual(order, expected)


class RequestTest(unittest.TestCase):
    def test_the_file_stays_within_300_kilobytes(self):
        self.assertLessEqual(os.path.getsize(PAGE), 300 * 1024)

    def test_the_page_asks_for_nothing_beyond_itself(self):
        browser = Browser(PAGE, log_requests=True)
        try:
            driver = browser.driver
            driver.find_element(By.ID, "Entry").send_keys("1" + Keys.ENTER)
            driver.find_element(By.ID, "Hint").click()
            driver.find_element(By.ID, "Next").click()
            Select(driver.find_element(By.ID, "Level")).select_by_value("3")
            wait_until(lambda: browser.script("return location.hash") == "#level=3&variant=1",
                       what="level 3")
            urls = []
            for entry in driver.get_log("performance"):
                message = json.loads(entry["message"])["message"]
                if message["method"] == "Network.requestWillBeSent" and \
                        message["params"].get("documentURL", "").split("#")[0] == browser.url:
                    urls.append(message["params"]["request"]["url"])
            self.assertIn(browser.url, urls)
            self.assertEqual([u for u in urls if u.split("#")[0] != browser.url
                              and not u.startswith("data:")], [])
            policy = browser.script(
                "return document.querySelector('meta[http-equiv=Content-Security-Policy]').content")
            self.assertIn("default-src 'none'", policy)
            self.assertNotIn("connect-src", policy)
            # The font inside the page has every letter and sign the window writes.
            # A letter the font lacks comes from the next family, which differs between a
            # serif and a monospace one.
            missing = browser.script("""
                await document.fonts.ready;
                const context = document.createElement('canvas').getContext('2d');
                const width = (text, family) => {
                    context.font = `40px "Liberation Sans", ${family}`;
                    return context.measureText(text).width;
                };
                const text = document.body.innerText + '·−—«»ёЁ';
                return [...new Set(text.replace(/\\s/g, ''))].filter(
                    c => Math.abs(width(c, 'serif') - width(c, 'monospace')) > 0.01);""")
            self.assertEqual(missing, [])
        finally:
            browser.quit()


if __name__ == "__main__":
    PAGE = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
