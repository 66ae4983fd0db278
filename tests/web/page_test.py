#!/usr/bin/env python3
"""velmorand.html in headless Chromium, copied alone into an empty folder.

page_test.py PAGE [unittest arguments]"""
import os
import re
import sys
import tempfile
import time
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import browser as shared
from browser import Browser, PageCase, ax, beside_page, page_path, wait_until

# Paper sizes in millimetres, upright.
PAPER_MM = {"A4": (210, 297)}
CSS_PIXELS_PER_MM = 96 / 25.4
TAGS = {"TextField": "input", "Button": "button", "Label": "div", "Picture": "div", "Line": "div"}
ROLES = {"EditableText": "textbox", "PushButton": "button", "Graphic": "image", "Link": "link"}


class PageTest(PageCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.layout = cls.browser.module("velmorand_layout")

    def shown(self, name):
        """The control's text as the pupil sees it: white-space that is not shown is left out."""
        return self.browser.script(
            "const e = document.getElementById(arguments[0]);"
            "return e.localName === 'input' ? e.value : e.innerText", name)

    def said(self):
        """What the live region holds for a screen reader to say."""
        return self.browser.script("return Announcement.textContent")

    def type_into(self, name, text):
        field = self.element(name)
        field.click()
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys(Keys.DELETE)
        if text:
            field.send_keys(text)

    def mouse_click(self, name, clicks):
        """Presses and releases the mouse over the element once or twice, as a pupil does."""
        x, y = self.browser.script("const r = arguments[0].getBoundingClientRect();"
                                   "return [r.left + r.width / 2, r.top + r.height / 2]",
                                   self.element(name))
        for count in range(1, clicks + 1):
            for event in ("mousePressed", "mouseReleased"):
                self.driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
                    "type": event, "x": x, "y": y, "button": "left", "clickCount": count})

    def open_on_phone(self):
        """The page on a phone held upright, opened there."""
        self.browser.emulate(390, 844, mobile=True, ratio=3)
        self.browser.open()

    def places(self):
        """Each control's place in the window's own pixels as the pupil sees it, the height of
        its target in CSS pixels, and the window's scale."""
        return self.browser.script("""
            const form = document.getElementById('Form1').getBoundingClientRect();
            const scale = form.width / document.getElementById('Form1').offsetWidth;
            const places = {}, targets = {};
            for (const e of document.getElementById('Form1').children) {
                if (!e.id) continue;
                const r = e.getBoundingClientRect();
                const s = getComputedStyle(e);
                let top = r.top, height = r.height;
                if (s.backgroundClip === 'content-box') { // what shows, in a taller target
                    const padding = [s.paddingTop, s.paddingBottom].map(parseFloat);
                    top += padding[0] * scale;
                    height -= (padding[0] + padding[1]) * scale;
                }
                places[e.id] = [(r.left - form.left) / scale, (top - form.top) / scale,
                                r.width / scale, height / scale];
                targets[e.id] = r.height;
            }
            return {scale, places, targets, form: [form.left, form.top, form.width, form.height],
                    viewport: [document.documentElement.clientWidth,
                               document.documentElement.clientHeight],
                    scrollWidth: document.documentElement.scrollWidth,
                    scrollHeight: document.documentElement.scrollHeight};""")

    def check_places(self):
        seen = self.places()
        for row in self.layout["Controls"]:
            p = row["Pixels"]
            expected = [p["Left"], p["Top"], p["Width"], p["Height"]]
            for got, want in zip(seen["places"][row["Name"]], expected):
                self.assertAlmostEqual(got, want, delta=0.5, msg=row["Name"])
        return seen

    def test_layout_follows_the_table_scaled_and_on_phones_with_targets_of_24_pixels(self):
        pixel = self.layout["TwipsPerPixel"]
        width, height = self.layout["Width"] / pixel, self.layout["Height"] / pixel
        # A larger viewport shows the window as large as fits; a smaller one, at its designed
        # size, scrolled. The window is resized in the open page, and a phone opens it afresh;
        # the upright phone comes last, for the picture left beside the page.
        for viewport, scale, mobile in [((width, height), 1, False),
                                        ((1920, 1080), 1080 / height, False),
                                        ((1280, 900), 900 / height, False),
                                        ((1280, 600), 1, False),
                                        ((740, 360), 1, True),
                                        ((360, 740), 1, True)]:
            self.browser.emulate(*viewport, mobile=mobile)
            if mobile:
                self.browser.open()
            wait_until(lambda: abs(self.places()["scale"] - scale) < 1e-3,
                       what=f"the scale {scale} in a viewport of {viewport}")
            seen = self.check_places()
            left, top, w, h = seen["form"]
            if scale > 1:
                self.assertLessEqual(left + w, seen["viewport"][0] + 0.5, viewport)
                self.assertLessEqual(top + h, seen["viewport"][1] + 0.5, viewport)
                self.assertLessEqual(seen["scrollWidth"], seen["viewport"][0], viewport)
            else:  # the page scrolls as far as the window reaches
                self.assertGreaterEqual(seen["scrollWidth"], left + w - 0.5, viewport)
                self.assertGreaterEqual(seen["scrollHeight"], top + h - 0.5, viewport)
                self.assertGreaterEqual(left, -0.5, viewport)
            if mobile:  # a finger's targets, all but the line, a drawn rule
                targets = [seen["targets"][row["Name"]] for row in self.layout["Controls"]
                           if row["Kind"] != "Line"]
                self.assertGreaterEqual(min(targets), 24 - 0.01, viewport)
                self.driver.save_screenshot(beside_page("velmorand-phone.png"))
                print(f"\non a phone: smallest target {min(targets):.1f} CSS px", file=sys.stderr)

    def test_the_focused_control_stays_in_sight_when_the_viewport_halves(self):
        # As when the on-screen keyboard comes up under a field in the lower half.
        for name in ("Text14", "Command3"):
            with self.subTest(name):
                self.open_on_phone()
                self.browser.script("document.getElementById(arguments[0]).focus()", name)
                self.assertEqual(self.focused(), name)
                self.assertTrue(self.browser.in_sight("#" + name))
                self.browser.emulate(390, 422, mobile=True, ratio=3)
                wait_until(lambda: self.browser.in_sight("#" + name), what=f"{name} in sight")

    def test_the_browsers_zoom_enlarges_the_window_and_a_denser_screen_does_not(self):
        height = self.layout["Height"] / self.layout["TwipsPerPixel"]
        fit = 1080 / height
        # Zoom shrinks the viewport in CSS pixels and enlarges those; the window keeps its
        # scale in CSS pixels, and so grows or shrinks on the screen, scrolled where it grows.
        # A screen of twice the density, then a smaller window there, is no zoom.
        for steps, scale in [([(1920, 1080, 1), (960, 540, 2)], fit),
                             ([(1920, 1080, 1), (1536, 864, 1.25)], fit),
                             ([(1920, 1080, 1), (3840, 2160, 0.5)], fit),
                             ([(1920, 1080, 1), (1920, 1080, 2), (1600, 900, 2)], 900 / height)]:
            with self.subTest(steps):
                self.browser.emulate(*steps[0][:2], ratio=steps[0][2])
                self.browser.open()
                for width, height_, ratio in steps[1:]:
                    self.browser.emulate(width, height_, ratio=ratio)
                    wait_until(lambda: self.browser.script(
                        "return [innerWidth, devicePixelRatio]") == [width, ratio],
                        what=f"a viewport of {width} at {ratio}")
                    # The resize is handled before the next frame is drawn.
                    self.browser.script("await new Promise(shown => requestAnimationFrame("
                                        "() => requestAnimationFrame(shown)))")
                self.assertAlmostEqual(self.places()["scale"], scale, delta=1e-3)

    def test_the_fields_that_take_a_number_ask_for_a_keyboard_of_digits(self):
        modes = self.browser.script("return Object.fromEntries([...document.querySelectorAll("
                                    "'#Form1 > input')].map(e => [e.id, e.inputMode]))")
        self.assertEqual(modes, {row["Name"]: "decimal" if row["TakesNumber"] else ""
                                 for row in self.layout["Controls"] if row["Kind"] == "TextField"})

    def printable_area(self):
        """The printable area of the page the style asks for, in CSS pixels."""
        size, margins = self.browser.script("""
            for (const sheet of document.styleSheets)
                for (const rule of sheet.cssRules)
                    if (rule instanceof CSSPageRule)
                        return [rule.style.getPropertyValue('size'),
                                ['top', 'right', 'bottom', 'left'].map(
                                    side => rule.style.getPropertyValue('margin-' + side))];""")
        paper, *orientation = size.split()
        width, height = PAPER_MM[paper.upper()]
        if orientation == ["landscape"]:
            width, height = height, width
        top, right, bottom, left = [float(re.fullmatch(r"([\d.]+)mm", m)[1]) for m in margins]
        return ((width - left - right) * CSS_PIXELS_PER_MM,
                (height - top - bottom) * CSS_PIXELS_PER_MM)

    def test_print_puts_the_whole_window_on_one_a4_page_as_large_as_fits(self):
        for width, height, mobile in [(1920, 1080, False), (1280, 720, False),
                                      (390, 844, True)]:
            with self.subTest(f"{width} x {height}"):
                self.browser.emulate(width, height, mobile=mobile)
                self.browser.open()
                area = self.printable_area()
                self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
                seen = self.places()
                left, top, w, h = seen["form"]
                rectangles = {"Form1": seen["form"]}
                for name, (x, y, cw, ch) in seen["places"].items():
                    rectangles[name] = [left + x * seen["scale"], top + y * seen["scale"],
                                        cw * seen["scale"], ch * seen["scale"]]
                for name, (x, y, cw, ch) in rectangles.items():
                    self.assertGreaterEqual(x, 0, name)
                    self.assertGreaterEqual(y, 0, name)
                    self.assertLessEqual(x + cw, area[0], name)
                    self.assertLessEqual(y + ch, area[1], name)
                # As large as fits: one side takes the area's whole length, to a few pixels.
                self.assertGreater(max(w / area[0], h / area[1]), 0.99, (w, h, area))
                self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
                print(f"\nprinted from {width} x {height}: scale {seen['scale']:.3f}",
                      file=sys.stderr)

        # The sheet itself, printed from a school PC's screen.
        self.browser.emulate(1920, 1080)
        self.browser.open()
        _, sizes = self.browser.print_pdf("velmorand-print.pdf", paperWidth=210 / 25.4,
                                          paperHeight=297 / 25.4)
        self.assertEqual([sorted(size) for size in sizes], [sorted(PAPER_MM["A4"])])

    def test_controls_have_the_tables_kind_colours_fonts_captions_and_tool_tips(self):
        self.assertEqual(self.driver.title, self.layout["Caption"])
        # The page shows the version the build was made as, like the other programs.
        self.assertTrue(self.driver.title.endswith(
            " Ver " + os.environ["VELMORAND_VERSION"]), self.driver.title)
        style = self.browser.script("""
            const s = {};
            for (const e of document.getElementById('Form1').children) {
                if (!e.id) continue;
                const c = getComputedStyle(e);
                s[e.id] = {tag: e.localName, color: c.color, background: c.backgroundColor,
                           size: parseFloat(c.fontSize), weight: c.fontWeight,
                           family: c.fontFamily, title: e.title, text: e.textContent,
                           align: c.textAlign, border: parseFloat(c.borderTopWidth)};
            }
            s.Form1 = getComputedStyle(document.getElementById('Form1')).backgroundColor;
            return s;""")

        def rgb(css):
            n = int(css[1:], 16)
            return f"rgb({n >> 16}, {(n >> 8) & 255}, {n & 255})"

        self.assertEqual(style["Form1"], rgb(self.layout["Background"]))
        for row in self.layout["Controls"]:
            got = style[row["Name"]]
            with self.subTest(row["Name"]):
                self.assertEqual(got["tag"], TAGS[row["Kind"]])
                self.assertAlmostEqual(got["size"], row["Points"] * 96 / 72, delta=0.01)
                self.assertEqual(got["weight"], "700" if row["Bold"] else "400")
                self.assertIn("Liberation Sans", got["family"])
                self.assertEqual(got["title"], row.get("ToolTip", ""))
                centred = row["Centered"] or row["Kind"] == "Button"
                self.assertEqual(got["align"], "center" if centred else "left")
                if "Caption" in row:
                    self.assertEqual(got["text"], row["Caption"])
                if row["Kind"] == "Picture":
                    self.assertEqual(got["border"], self.layout["PictureBorderPixels"])
                if "Background" in row:
                    self.assertEqual(got["background"], rgb(row["Background"]))
                if "TextColor" in row:
                    colour = got["background" if row["Kind"] == "Line" else "color"]
                    self.assertEqual(colour, rgb(row["TextColor"]))

    def test_each_action_and_edit_delivers_the_modules_answer(self):
        # What each writes, where it puts the focus and what it says are the core's
        # (division_run_test.cpp, digit_checks_test.cpp, and in window_description_test.cpp
        # Form1Actions and Announcements.EachActionAndEditSaysOneTextOrNothing): the page asks
        # the module, shows every text of its worksheet, Run only while it is there, moves the
        # focus and says the announcement the module gave.
        first = self.layout["FirstFocus"]
        wait_until(lambda: self.focused() == first, what=f"the focus in {first}")
        self.browser.script("""
            const ask = askModule;
            askModule = (name, ...texts) => window.asked[name] = ask(name, ...texts);""")
        for field, typed in ((None, None), ("Text1", "1234567"), ("Text1", "234567"),
                             ("Command1", None), ("Command1", None), ("Text15", "0"),
                             ("Command1", None), ("Command2", None)):
            with self.subTest(field=field, typed=typed):
                before = self.said()
                self.browser.script("window.asked = {}")
                if typed is not None:
                    self.type_into(field, typed)
                elif field:
                    self.element(field).click()
                asked = "velmorand_act" if typed is None else "velmorand_edit"
                answer = self.browser.script(f"return asked.{asked} ?? null") if field else {}
                self.assertIsNotNone(answer, "the module was not asked")
                sheet = self.browser.module("velmorand_worksheet")
                for name, text in sheet.items():
                    if isinstance(text, str):
                        self.assertEqual(self.shown(name), text, name)
                self.assertEqual(self.element("Command1").is_displayed(), sheet["RunVisible"])
                if answer.get("Focus"):
                    self.assertEqual(self.focused(), answer["Focus"])
                if answer.get("Announcement"):
                    # A text said again differs from the last one: a screen reader passes
                    # over a text it has just spoken.
                    self.assertEqual(self.said().rstrip("\u00a0"),
                                     answer["Announcement"])
                    if typed is None:
                        self.assertNotEqual(self.said(), before)
                else:
                    self.assertEqual(self.said(), before)

    def test_tab_order_is_the_tables(self):
        self.assert_tab_order([row["Name"] for row in self.layout["Controls"] if row["TakesFocus"]])

    def test_a_pasted_million_characters_are_answered(self):
        self.element("Text1").click()
        self.browser.script("Text1.select()")
        self.driver.execute_cdp_cmd("Input.insertText", {"text": "7" * 1_000_000})
        wait_until(lambda: self.shown("Label1") == "Разрядов делимого больше 6", timeout=20,
                   what="the message after the paste")
        self.assertEqual(self.browser.script("return Text1.value.length"), 1_000_000)
        self.assertFalse(self.element("Command1").is_displayed())
        self.element("Command2").click()
        self.assertEqual(self.shown("Text1"), "")

    def test_a_link_opens_one_page_per_click_and_per_double_click(self):
        links = [row for row in self.layout["Controls"] if row.get("Action") == "OpenLink"]
        self.assertTrue(links)
        try:
            for row in links:
                for double in (False, True):
                    before = set(self.driver.window_handles)
                    self.mouse_click(row["Name"], 2 if double else 1)
                    wait_until(lambda: len(self.driver.window_handles) > len(before),
                               what=f"a page from {row['Name']}")
                    time.sleep(0.3)  # room for a second, wrong page to appear
                    new = set(self.driver.window_handles) - before
                    self.assertEqual(len(new), 1, (row["Name"], double))
            targets = self.driver.execute_cdp_cmd("Target.getTargets", {})["targetInfos"]
            pages = [t for t in targets if t["type"] == "page" and t["url"] != self.browser.url]
            self.assertEqual(sorted(t["url"].rstrip("/") for t in pages),
                             sorted(row["Link"].rstrip("/") for row in links for _ in (1, 2)))
            for target in pages:  # noopener: the new page cannot reach the worksheet
                self.assertFalse(target.get("canAccessOpener", False), target["url"])
        finally:
            for target in self.driver.execute_cdp_cmd("Target.getTargets", {})["targetInfos"]:
                if target["type"] == "page" and target["url"] != self.browser.url:
                    self.driver.execute_cdp_cmd("Target.closeTarget",
                                                {"targetId": target["targetId"]})

    def test_exit_leaves_a_notice_where_the_browser_keeps_the_tab(self):
        # A browser lets a script close only a tab it opened or one that has shown nothing else.
        self.driver.get(self.browser.url + "#again")
        self.assertGreater(self.browser.script("return history.length"), 1)
        self.element("Command3").click()
        wait_until(lambda: self.browser.script(
            "return document.getElementById('Closed')?.textContent") == "Программа закрыта",
            what="the notice")
        self.assertIsNone(self.browser.script("return document.getElementById('Form1')"))
        self.assertIsNone(self.browser.script("return document.getElementById('Text1')"))
        self.assertEqual(self.focused(), "Closed")

    def test_exit_closes_a_tab_that_has_shown_nothing_else(self):
        main = self.driver.current_window_handle
        # As when the file is opened from a folder: a new tab that shows it first.
        tab = self.driver.execute_cdp_cmd("Target.createTarget",
                                          {"url": self.browser.url})["targetId"]
        try:
            self.driver.switch_to.window(tab)
            wait_until(lambda: self.browser.script(
                "return performance.getEntriesByName('velmorand-started').length"),
                what="the page in the new tab")
            self.assertEqual(self.browser.script("return history.length"), 1)
            self.element("Command3").click()
            wait_until(lambda: tab not in self.driver.window_handles, what="the tab to close")
        finally:
            if tab in self.driver.window_handles:
                self.driver.close()
            self.driver.switch_to.window(main)

    def test_screen_readers_get_the_tables_names_and_roles_and_one_live_region(self):
        tree, nodes = self.browser.accessibility_tree()
        # The caption and the message line in the words a screen reader says.
        headings = [ax(n, "name") for n in nodes if ax(n, "role") == "heading"]
        self.assertEqual(headings, [self.layout["SpokenCaption"]])
        spoken = self.browser.module("velmorand_worksheet")["SpokenNames"]
        self.assertTrue(spoken)
        for name, said in spoken.items():
            self.assertEqual(ax(tree[name], "name"), said, name)

        for row in self.layout["Controls"]:
            with self.subTest(row["Name"]):
                node = tree[row["Name"]]
                if "AccessibleName" in row:
                    self.assertEqual(ax(node, "name"), row["AccessibleName"])
                if "AccessibleDescription" in row:
                    self.assertEqual(ax(node, "description"), row["AccessibleDescription"])
                if row["Kind"] == "Button":
                    self.assertEqual(ax(node, "name"), row["Caption"])
                if row["Role"] in ROLES:
                    self.assertEqual(ax(node, "role"), ROLES[row["Role"]])
        # What is announced goes through one live region, and only there, so that nothing is
        # said twice.
        self.assertEqual(self.browser.live_regions(), ["Announcement"])
        self.assertEqual(ax(tree["Announcement"], "role"), "status")


class EnglishBrowserTest(unittest.TestCase):
    def test_the_browsers_language_chooses_the_decimal_sign(self):
        for language, fraction in (("en-US", "0.785714285714286"), ("ru", "0,785714285714286")):
            browser = Browser(page_path(), language=language)
            try:
                browser.driver.find_element(By.ID, "Command1").click()
                wait_until(lambda: browser.script("return Text17.value") == fraction,
                           what=f"the fractional part in {language}")
            finally:
                browser.quit()


class RequestTest(shared.RequestCase):
    table = "velmorand_layout"

    def use(self, browser):
        for name in ("Command1", "Command2"):
            browser.driver.find_element(By.ID, name).click()
        browser.driver.find_element(By.ID, "Text1").send_keys("861")
        wait_until(lambda: browser.script("return Label1.textContent") == "Разрядов делимого  3",
                   what="the message after typing")


class RobotoOnlyTest(unittest.TestCase):
    """Android's Roboto has spaces narrower than half a digit; the page brings its own font."""

    def test_two_spaces_are_one_digit_wide_with_only_roboto_installed(self):
        folder = tempfile.mkdtemp(prefix="velmorand-fonts-")
        config = os.path.join(folder, "fonts.conf")
        with open(config, "w") as f:
            f.write('<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "fonts.dtd">\n'
                    "<fontconfig><dir>/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF</dir>"
                    f"<cachedir>{folder}/cache</cachedir></fontconfig>\n")
        browser = Browser(page_path(), environment={"FONTCONFIG_FILE": config})
        try:
            # Fifty of each, as the field writes them; a font that rounds advances to whole
            # pixels would show here too.
            widths = browser.script("""
                await document.fonts.ready;
                const measure = (font, rendering) => {
                    const probe = document.createElement('span');
                    Object.assign(probe.style, {position: 'absolute', whiteSpace: 'pre', font,
                                                textRendering: rendering});
                    document.body.append(probe);
                    const width = text => {
                        probe.textContent = text.repeat(50);
                        return probe.getBoundingClientRect().width / 50 /
                               parseFloat(getComputedStyle(probe).fontSize);
                    };
                    const widths = [width('  '), width('0')];
                    probe.remove();
                    return widths;
                };
                const field = getComputedStyle(Text2);
                return {field: measure(field.font, field.textRendering),
                        device: measure('16px sans-serif', 'geometricPrecision')};""")
            spaces, digit = widths["device"]
            self.assertGreater(digit - spaces, 0.03, "the device's sans-serif is not Roboto")
            spaces, digit = widths["field"]
            self.assertAlmostEqual(spaces, digit, delta=0.001)
        finally:
            browser.quit()


if __name__ == "__main__":
    shared.main()
