#!/usr/bin/env python3
"""velmorand-practice.html in headless Chromium, copied alone into an empty folder.

The right answers are worked out here from the problem the page shows, «a : b», and the
numbers each question names, by plain arithmetic: an independent check of the session's
method, whose every step and mistake the core's own tests hold.

practice_test.py PAGE [unittest arguments]"""
import re

from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

import browser as shared
from browser import PageCase, ax, wait_until

PROGRESS_KEY = "velmorand-practice-progress"
# Each control, its label and the column's shapes as drawn and as the module places them for
# the window's size, in its text sizes: [what, drawn, given] pairs; and whether the window is
# arranged for the viewport and the level yet.
PLACES = """
    const html = document.documentElement;
    const arranged = askModule('velmorand_practice_arrange', html.clientWidth, html.clientHeight);
    const view = askModule('velmorand_practice_view');
    const root = Practice.getBoundingClientRect();
    const rect = e => {
        const r = e.getBoundingClientRect();
        return [r.left - root.left, r.top - root.top, r.width, r.height];
    };
    const pairs = [];
    for (const row of askModule('velmorand_practice_layout').Controls) {
        const placed = arranged.Controls[row.Name], shown = window[row.Name];
        pairs.push([row.Name, rect(shown), placed.Place]);
        if (placed.TextPixels)
            pairs.push([row.Name, parseFloat(getComputedStyle(shown).fontSize), placed.TextPixels]);
        const label = document.querySelector(`label[for=${row.Name}]`);
        if (row.Label)
            pairs.push([row.Name, [label.textContent, ...rect(label)],
                        [row.Label, ...placed.Label]]);
    }
    const cell = arranged.CellPixels;
    const shapes = [...Column.querySelector('.paper').children];
    pairs.push(['shapes', shapes.map(e => e.className), view.Column.Shapes.map(shape => shape[0])]);
    view.Column.Shapes.forEach((shape, i) => {
        if (shape[0] === 'Digit' || shape[0] === 'Current')
            pairs.push([shape, [shapes[i].offsetLeft / cell, shapes[i].offsetTop / cell,
                                shapes[i].textContent], [shape[1], shape[2], shape[5] ?? '']]);
    });
    // The whole column shows without sideways scrolling.
    pairs.push(['scrolled', html.scrollWidth <= innerWidth, true]);
    return {pairs, ready: [innerWidth, innerHeight, Level.value,
                           Practice.offsetWidth - arranged.Width,
                           Practice.offsetHeight - arranged.Height]};"""
# The accessible role of each kind of control in the module's table.
ROLES = {"LevelChoice": "combobox", "VariantField": "textbox", "AnswerField": "textbox",
         "SetField": "textbox", "Button": "button", "ColumnGrid": "grid"}
SET = "#set=7240:8,648:6,9156:42"


def numbers(text):
    """The numbers a text names; "606 459", split into classes, is one."""
    return [int(n) for n in re.findall(r"\d+", re.sub(r"(?<=\d)\u00a0(?=\d)", "", text))]


class Answers:
    """The right answers for a : b. A quotient digit, a product and a difference come from the
    last two numbers the question names (a partial dividend of 0 gives the digit 0), the trial
    digit from the first two; a partial dividend is a's beginning so far, less 10 b as often as
    it goes in (what the quotient's digits before it took away)."""

    def __init__(self, a, b):
        self.a, self.b = a, b
        self.taken = next(n for n in range(1, len(str(a)) + 1) if int(str(a)[:n]) >= b)

    def __call__(self, step, question):
        named = numbers(question)
        if step in ("digit", "product", "difference"):
            if len(named) < 2:
                return 0
            x, y = named[-2:]
            return {"digit": y // x, "product": x * y, "difference": x - y}[step]
        if step == "trial":
            return min(named[0] // named[1], 9)
        unit = 10 if self.b < 100 else 100
        self.taken += step == "bring"
        beginning = int(str(self.a)[:self.taken])
        q, r = divmod(self.a, self.b)
        return {"first": beginning, "count": len(str(q)), "round": (self.b + unit // 2) // unit * unit,
                "bring": beginning % (10 * self.b), "quotient": q, "remainder": r,
                "check-product": q * self.b, "check-sum": self.a}[step]


class Pupil:
    """The page, driven as a pupil does."""

    def state(self):
        return self.browser.script("""
            const feedback = document.getElementById('Feedback');
            const said = hidden => [...feedback.childNodes].filter(
                n => !n.getAttribute?.('aria-hidden') === !hidden).map(n => n.textContent).join('');
            return {step: Question.dataset.step, question: Question.textContent,
                    mistake: feedback.dataset.mistake, hint: feedback.dataset.hint,
                    feedback: said(true), spoken: said(false), entry: Entry.value,
                    problem: Problem.textContent, progress: Progress.textContent,
                    answer: Answer.textContent, level: Level.value, variant: Variant.value,
                    hintButton: Hint.textContent, lit: Column.querySelectorAll('.Lit').length,
                    hash: location.hash, set: OwnProblems.value, setError: SetError.textContent,
                    number: ProblemNumber.textContent};""")

    def problem(self):
        a, b = numbers(self.state()["problem"])
        return a, b

    def written(self):
        """How many digits the column shows."""
        return self.browser.script("return document.querySelectorAll('#Column .Digit').length")

    def submit(self, text):
        entry = self.element("Entry")
        entry.send_keys(Keys.CONTROL, "a")
        entry.send_keys(Keys.DELETE)
        entry.send_keys(str(text) + Keys.ENTER)

    def answer_right(self, answers):
        """Answers the current step rightly; returns its name."""
        before = self.state()
        self.submit(answers(before["step"], before["question"]))
        wait_until(lambda: self.state()["question"] != before["question"] or
                   self.state()["step"] == "done", what=f"the step after {before['step']}")
        return before["step"]

    def solve(self, address):
        """Solves the problem at the address by typing, checking each right answer's effect."""
        self.browser.open(address)
        a, b = self.problem()
        answers = Answers(a, b)
        steps = []
        while self.state()["step"] != "done":
            written_before = self.written()
            step = self.answer_right(answers)
            steps.append(step)
            after = self.state()
            self.assertEqual(after["mistake"], "", step)
            self.assertEqual(after["entry"], "", f"the field is emptied after {step}")
            # A quotient digit, a product and a brought-down digit are written at once; the
            # first partial dividend is a's own digits, and a difference of 0 goes unwritten.
            if step in ("digit", "product", "bring"):
                self.assertGreater(self.written(), written_before, step)
            self.assertLess(len(steps), 60, "the problem never ends")
        return a, b, steps

    def solve_two_of_a_set(self):
        """Makes the set «7240 : 8; 648:6, 9156 ÷ 42» and solves its first two problems, the
        first with a hint above the first level and its zero missed; the answers right at the
        first try, and the code ShowCode then shows."""
        self.element("OwnProblems").send_keys("7240 : 8; 648:6, 9156 ÷ 42")
        self.element("MakeSet").click()
        wait_until(lambda: self.state()["hash"] == SET, what="the set's address")
        self.assertEqual([numbers(self.state()["number"]), self.problem()], [[1, 3], (7240, 8)])
        right = 0
        for first in (True, False):  # two problems solved, a hint and a zero missed in the first
            answers = Answers(*self.problem())
            for level in ("1", "2") if first else ():
                self.element("Hint").click()
                wait_until(lambda: self.state()["hint"] == level, what=f"hint {level}")
            while self.state()["step"] != "done":
                if first and self.state()["step"] == "quotient":
                    self.submit(95)
                    wait_until(lambda: self.state()["mistake"], what="the zero missed")
                self.answer_right(answers)
                right += 1
            if first:
                self.element("Next").click()
                wait_until(lambda: self.problem() == (648, 6), what="the second problem")
        self.element("ShowCode").click()
        return right - 1, wait_until(lambda: self.element("ResultCode").text, what="the code")


class PracticeTest(Pupil, PageCase):
    def setUp(self):
        super().setUp()
        self.browser.script("localStorage.clear()")

    # The tests.

    def test_a_set_typed_is_practised_and_the_code_of_the_work_is_shown_and_said(self):
        _, shown = self.solve_two_of_a_set()
        # A screen reader names the code a character at a time, and the live region says it.
        spoken = ax(self.browser.accessibility_tree()[0]["ResultCode"], "name")
        self.assertEqual([c for c in re.split(r"[,.]\s*", spoken) if c],
                         list(shown.replace("-", "")))
        self.assertIn(spoken, self.state()["spoken"])
        # Left beside the page, for a person to look at.
        with open(shared.beside_page("practice-code.txt"), "w", encoding="utf-8") as kept:
            kept.write(shown + "\n")

    def test_the_address_carries_a_set_and_a_bad_one_leaves_the_level(self):
        # The address is written just after the first paint, at the start too.
        wait_until(lambda: self.state()["hash"] == "#level=1&variant=1", what="the address")
        self.browser.open("#level=3&variant=2")
        level = self.state()["problem"]
        for address, field, problem, kept in (
                ("#level=3&variant=2&set=5%20:%200", "5 : 0", level, "#level=3&variant=2"),
                (SET, SET[5:], "7240 : 8", SET)):
            with self.subTest(address):
                self.browser.open(address)
                state = wait_until(lambda: (s := self.state())["hash"] == kept and s,
                                   what=kept)
                self.assertEqual([state[k] for k in ("set", "problem", "hash")],
                                 [field, problem, kept])
                self.assertEqual(field in state["setError"], address != SET)
        # A level chosen goes back to the levels and their address.
        Select(self.element("Level")).select_by_value("4")
        wait_until(lambda: self.state()["hash"] == "#level=4&variant=1", what="level 4")

    def test_a_bad_set_says_why_at_once_and_changes_nothing_else(self):
        self.browser.open("#level=5&variant=42")
        before = self.state()
        for typed, echoed in (("5 : 0", True), ("1234567 : 8", True), ("7" * 1000000, False),
                              ("12\x01:\x7f3", False), ("9156:42\n" * 1000, False)):
            with self.subTest(typed[:20]):
                said = self.state()["spoken"]
                self.browser.script("OwnProblems.value = arguments[0]; MakeSet.click()", typed)
                wait_until(lambda: self.state()["spoken"] != said, what="the reasons said")
                after = self.state()
                self.assertGreater(len(after["setError"].splitlines()), 1, after["setError"])
                self.assertEqual(typed in after["setError"], echoed, after["setError"])
                for what in ("problem", "number", "step", "hash", "feedback", "progress"):
                    self.assertEqual(after[what], before[what], what)

    def test_a_whole_problem_is_solved_by_typing(self):
        # Where each digit stands is the core's (PracticeGrid.GrowsAsTheExerciseBookShowsIt);
        # that the page draws it there, test_everything_stands_where_the_arrangement_places_it.
        for address in ("#level=5&variant=42", "#level=8&variant=3", "#level=4&variant=7",
                        "#level=1&variant=1"):
            with self.subTest(address):
                a, b, steps = self.solve(address)
                self.assertEqual(steps[:2], ["first", "count"])
                self.assertIn("quotient", steps)
                self.assertEqual("remainder" in steps, a % b != 0)
                self.assertIn(str(a // b), self.state()["answer"])
                self.assertEqual(self.browser.script(
                    "return document.querySelectorAll('#Column .Current').length"), 0)

    def test_a_wrong_answer_stays_selected_and_the_next_typed_replaces_it(self):
        # A wrong answer of two kinds, the mistake the page shows for it, and the right answer
        # typed over it; the session's own tests hold every mistake and its words.
        for step, wrong, mistake in (("first", lambda right: "абв", "not-a-number"),
                                     ("digit", lambda right: right + 10, "one-digit")):
            with self.subTest(step=step, mistake=mistake):
                self.browser.open("#level=5&variant=42")
                answers = Answers(*self.problem())
                while self.state()["step"] != step:
                    self.answer_right(answers)
                before = self.state()
                right = answers(step, before["question"])
                typed = str(wrong(right))
                self.submit(typed)
                wait_until(lambda: self.state()["mistake"], what="the mistake")
                after = self.state()
                self.assertEqual(after["mistake"], mistake)
                # Nothing moves on; the wrong answer stays to be mended, selected.
                self.assertEqual([after[k] for k in ("step", "question", "entry")],
                                 [before["step"], before["question"], typed])
                wait_until(lambda: self.state()["spoken"], what="the announcement")
                self.assertEqual(self.browser.script(
                    "return [document.activeElement.id, Entry.selectionStart, Entry.selectionEnd]"),
                    ["Entry", 0, len(typed)])
                self.element("Entry").send_keys(str(right) + Keys.ENTER)
                wait_until(lambda: self.state()["mistake"] == "", what="the mistake to go")

    def test_the_same_answer_said_twice_is_a_new_text_to_the_screen_reader(self):
        self.browser.open("#level=5&variant=42")
        said = [""]
        for _ in range(3):
            self.submit("абв")
            wait_until(lambda: self.state()["spoken"] != said[-1], what="the answer said again")
            said.append(self.state()["spoken"])
        self.assertEqual(len({text.rstrip("\u00a0") for text in said[1:]}), 1, said)

    def test_a_hint_shows_is_said_keeps_the_focus_and_a_right_answer_ends_it(self):
        # How the hints deepen is the session's
        # (PracticeSession.HintsGoDeeperUpToTheWorkedStepOnlyAfterAnAnswer).
        self.browser.emulate(1920, 1080)
        self.browser.open("#level=5&variant=42")
        answers = Answers(*self.problem())
        for _ in range(3):  # part-way into the problem
            self.answer_right(answers)
        for level in ("1", "2"):
            self.element("Hint").click()
            wait_until(lambda: self.state()["hint"] == level, what=f"hint {level}")
            # The pupil types on at once: the answer field has the focus after each hint.
            self.assertEqual(self.focused(), "Entry")
            state = self.state()
            self.assertTrue(state["feedback"])
            self.assertEqual(state["mistake"], "")
            wait_until(lambda: self.state()["spoken"], what="the hint said")
            self.assertGreater(state["lit"], 0, "the hint lights nothing")
        # The third comes after an answer, and then the button says there is no more.
        caption = self.state()["hintButton"]
        self.submit(answers(self.state()["step"], self.state()["question"]) + 1)
        wait_until(lambda: self.state()["mistake"], what="the wrong answer")
        self.element("Hint").click()
        wait_until(lambda: self.state()["hint"] == "3", what="hint 3")
        self.assertNotEqual(self.state()["hintButton"], caption)
        self.answer_right(answers)
        self.assertEqual(self.state()["hint"], "")
        self.assertEqual(self.state()["lit"], 0)

    def test_the_address_the_level_list_and_the_variant_field_choose_the_problem(self):
        # The level and variant the page shows for an address and writes back into it; the
        # module's own test (practice_bridge_test.js) reads every other kind of address.
        self.browser.open("#level=99&variant=0")
        self.assertEqual([self.state()[k] for k in ("level", "variant", "hash")],
                         ["10", "1", "#level=10&variant=1"])
        # An address changed in the open page is followed too.
        self.browser.script("location.hash = '#level=5&variant=42'")
        wait_until(lambda: self.state()["level"] == "5", what="level 5")
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
        self.assertEqual(self.focused(), "Entry")
        self.assertEqual(self.state()["hash"], "#level=7&variant=23")

    def test_progress_is_kept_across_a_reload_and_damaged_progress_starts_afresh(self):
        # What the progress line says, and when it suggests the next level, is the session's
        # (PracticeSession.ThreeInARowSuggestTheNextLevel); every kind of damage, the module's.
        self.browser.open("#level=1&variant=5")
        fresh = self.state()["progress"]
        self.assertTrue(fresh)
        self.solve("#level=1&variant=5")
        solved = self.state()["progress"]
        self.assertNotEqual(solved, fresh)
        self.assertTrue(self.browser.script(f"return localStorage.getItem('{PROGRESS_KEY}')"))
        self.browser.open("#level=1&variant=5")
        self.assertEqual(self.state()["progress"], solved)
        self.browser.script(f"localStorage.setItem('{PROGRESS_KEY}', '{{')")
        self.browser.open("#level=1&variant=5")
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
        # A school PC, a classroom panel and a phone, each at a level of six-digit dividends
        # (the colours are compared with the other programs' in tests/pictures). The window is
        # resized and the level changed in the open page.
        self.browser.open("#level=5&variant=11")
        for width, height, level in ((1024, 700, 5), (1920, 1080, 8), (360, 640, 5)):
            with self.subTest(f"{width} x {height}"):
                self.browser.emulate(width, height, mobile=width < 720)
                self.browser.script(f"location.hash = '#level={level}&variant=11'")
                # The resize and the new address reach the page later, each in its own event.
                seen = {}
                wait_until(lambda: seen.update(self.browser.script(PLACES)) or seen["ready"] ==
                           [width, height, str(level), 0, 0], what="the window arranged anew")
                for what, drawn, given in seen["pairs"]:
                    if isinstance(given, list) and all(isinstance(g, (int, float)) for g in given):
                        for got, want in zip(drawn, given):
                            self.assertAlmostEqual(got, want, delta=0.5, msg=what)
                    else:
                        self.assertEqual(drawn, given, what)

    def test_on_a_phone_the_entry_and_its_row_come_into_sight(self):
        # A problem answered part-way, down to a row low in the column; the pupil has scrolled
        # back to the top of the page before touching the answer field.
        self.browser.emulate(390, 844, mobile=True, ratio=3)
        self.browser.open("#level=8&variant=9")
        answers = Answers(*self.problem())
        for _ in range(7):
            self.answer_right(answers)
        self.browser.script("document.activeElement.blur(); scrollTo(0, 0)")
        self.element("Entry").click()
        wait_until(lambda: self.browser.in_sight("#Entry") and
                   self.browser.in_sight("#Column .Current"),
                   what="the answer field and its row in sight")
        self.assertEqual(self.element("Entry").get_attribute("inputmode"), "numeric")
        # The on-screen keyboard takes the lower half: the field stays in sight, and typing
        # goes on.
        self.browser.emulate(390, 422, mobile=True, ratio=3)
        wait_until(lambda: self.browser.in_sight("#Entry"), what="the field above the keyboard")
        self.answer_right(answers)
        wait_until(lambda: self.browser.in_sight("#Entry"), what="the field after an answer")

    def test_screen_readers_get_names_roles_the_question_and_one_live_region(self):
        self.browser.open("#level=5&variant=42")
        a, b = self.problem()
        answers = Answers(a, b)
        for _ in range(4):  # the first quotient digit and its product written
            self.answer_right(answers)
        tree, nodes = self.browser.accessibility_tree()
        question = self.state()["question"]
        # Each control's name and role as the module's table gives them; the announced text is
        # the one live region, so that nothing is said twice.
        for row in self.browser.module("velmorand_practice_layout")["Controls"]:
            with self.subTest(row["Name"]):
                node = tree[row["Name"]]
                if "AccessibleName" in row:
                    self.assertEqual(ax(node, "name"), row["AccessibleName"])
                if row["Kind"] in ROLES or row["Announced"]:
                    self.assertEqual(ax(node, "role"), ROLES.get(row["Kind"], "status"))
        self.assertEqual(ax(tree["Entry"], "description"),
                         self.browser.module("velmorand_practice_view")["SpokenQuestion"])
        self.assertIn(ax(tree["Level"], "value"), self.browser.module(
            "velmorand_practice_layout")["SpokenLevels"])
        self.assertEqual(self.browser.live_regions(), ["Feedback"])
        # The column read row by row, as the session words its rows: Up, Down, Home and End
        # move from one to the next, and the first row holds a's digits and b.
        spoken = self.browser.module("velmorand_practice_view")["Column"]["SpokenRows"]
        self.assertGreaterEqual(len(spoken), 2)
        self.assertIn(" ".join(str(a)), spoken[0])
        self.assertIn(str(b), spoken[0])
        self.assertEqual(len([n for n in nodes if ax(n, "role") == "row"]), len(spoken))
        self.browser.script("Column.focus()")
        for key, row in ((Keys.END, -1), (Keys.UP, -2), (Keys.HOME, 0), (Keys.UP, 0),
                         (Keys.DOWN, 1)):
            self.element("Column").send_keys(key)
            tree, _ = self.browser.accessibility_tree()
            active = self.element("Column").get_attribute("aria-activedescendant")
            self.assertEqual(ax(tree[active], "name"), spoken[row])
        self.browser.script("Entry.focus()")
        # The description follows the question after the next right answer, which the live
        # region says.
        self.answer_right(answers)
        wait_until(lambda: self.state()["spoken"], what="the right answer said")
        tree, _ = self.browser.accessibility_tree()
        self.assertEqual(ax(tree["Entry"], "description"),
                         self.browser.module("velmorand_practice_view")["SpokenQuestion"])
        self.assertNotEqual(self.state()["question"], question)

    def test_tab_follows_the_windows_order(self):
        # The controls that take the focus, in the core's table order.
        self.assert_tab_order([row["Name"] for row in self.browser.module(
            "velmorand_practice_layout")["Controls"] if row["Kind"] != "Text"])


class RequestTest(shared.RequestCase):
    table = "velmorand_practice_layout"

    def use(self, browser):
        element = browser.driver.find_element
        element("id", "Entry").send_keys("1" + Keys.ENTER)
        element("id", "Hint").click()
        element("id", "Next").click()
        Select(element("id", "Level")).select_by_value("3")
        wait_until(lambda: browser.script("return location.hash") == "#level=3&variant=1",
                   what="level 3")


if __name__ == "__main__":
    shared.main()
