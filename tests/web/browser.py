"""Headless Chromium for the pages' tests and benchmark: the page copied alone into an empty
folder, a fresh profile each time, and nothing that reaches the network on its own; and what
the pages' tests share. A test file runs as: test_file.py PAGE [unittest arguments]"""
import base64
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

STARTED = "return performance.getEntriesByName('velmorand-started').length"
_page = None


def page_path():
    """The page under test, as the test file's command line names it."""
    return _page


def beside_page(name):
    """A path for what a test leaves beside the page, for a person to look at."""
    return os.path.join(os.path.dirname(_page), name)


def main():
    global _page
    _page = os.path.abspath(sys.argv.pop(1))
    unittest.main(module="__main__", verbosity=2)


def poppler(*arguments):
    """What one of poppler's tools writes; it answers in English whatever the machine's
    language."""
    return subprocess.run(arguments, check=True, capture_output=True,
                          env=dict(os.environ, LC_ALL="C", LANGUAGE="")).stdout


def wait_until(condition, timeout=10.0, what="the condition"):
    """Polls condition() until it gives a true value, which it returns."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.02)


# Collects the page's uncaught errors into window.pageErrors, from before its first script runs.
CATCH_ERRORS = """
window.pageErrors = [];
addEventListener('error', event => pageErrors.push(String(event.message)));
addEventListener('unhandledrejection', event => pageErrors.push(String(event.reason)));
"""


class Browser:
    """One Chromium with the page open. language is the browser's (navigator.language);
    environment adds variables, such as FONTCONFIG_FILE, to Chromium's."""

    def __init__(self, page, language="ru", environment=None, log_requests=False):
        self.folder = tempfile.mkdtemp(prefix="velmorand-page-")
        self.profile = tempfile.mkdtemp(prefix="velmorand-profile-")
        shutil.copy(page, self.folder)
        self.url = "file://" + os.path.join(self.folder, os.path.basename(page))
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        # The tests wait for what they need themselves; chromedriver would otherwise wait for
        # the pages the links open to finish loading after every click.
        options.page_load_strategy = "none"
        for argument in ["--headless=new", "--no-sandbox", "--disable-gpu",
                         "--disable-background-networking", "--disable-component-update",
                         "--no-first-run", "--disable-sync", "--disable-extensions",
                         "--user-data-dir=" + self.profile, "--accept-lang=" + language,
                         "--window-size=1024,800",
                         # The links' pages fail at once instead of waiting for a network.
                         "--host-resolver-rules=MAP * ~NOTFOUND"]:
            options.add_argument(argument)
        if log_requests:
            options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
        service = Service("/usr/bin/chromedriver",
                          env=dict(os.environ, **(environment or {})))
        try:
            self.driver = webdriver.Chrome(service=service, options=options)
        except Exception:
            self._remove_folders()
            raise
        self.open()

    def open(self, address=""):
        """A fresh load of the page at an address such as "#level=5&variant=42", after the
        errors of the one before, if caught, fail the test."""
        errors = self.errors()
        if errors:
            raise AssertionError(f"the page's uncaught errors: {errors}")
        self.driver.get("about:blank")
        self.driver.get(self.url + address)
        wait_until(lambda: self.script(STARTED), what="the page to start")

    def script(self, code, *arguments):
        return self.driver.execute_script(code, *arguments)

    def module(self, function):
        """The JSON answer of one of the module's functions: the table or the worksheet."""
        return self.script(f"return askModule('{function}')")

    def catch_errors(self):
        """From the next page loaded on, its uncaught errors are kept in window.pageErrors."""
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                    {"source": CATCH_ERRORS})

    def errors(self):
        return self.script("return window.pageErrors ?? []")

    def emulate(self, width, height, mobile=False, ratio=1):
        """A viewport of that size in CSS pixels, at that device pixel ratio; a phone's takes
        touch."""
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                    {"enabled": mobile, "maxTouchPoints": 5})
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": mobile})

    def stop_emulating(self):
        self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})

    def in_sight(self, selector):
        """Whether the element lies wholly inside the visual viewport, uncovered at its centre
        (by an answer bar, say)."""
        return self.script("""
            const e = document.querySelector(arguments[0]);
            const r = e.getBoundingClientRect();
            const v = visualViewport;
            const inside = r.top >= v.offsetTop - 0.5 && r.bottom <= v.offsetTop + v.height + 0.5 &&
                           r.left >= v.offsetLeft - 0.5 && r.right <= v.offsetLeft + v.width + 0.5;
            const top = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
            return inside && (top === e || e.contains(top));""", selector)

    def missing_letters(self, text):
        """The letters of the text (a script's expression) that the page's own font lacks: such a
        letter comes from the next family, where a serif and a monospace one differ."""
        return self.script(f"""
            await document.fonts.ready;
            const context = document.createElement('canvas').getContext('2d');
            const width = (c, family) => {{
                context.font = `40px "Liberation Sans", ${{family}}`;
                return context.measureText(c).width;
            }};
            return [...new Set(({text}).replace(/\\s/g, ''))].filter(
                c => Math.abs(width(c, 'serif') - width(c, 'monospace')) > 0.01);""")

    def accessibility_tree(self):
        """Each element's accessible node by the element's id, as Chromium reports it, and all
        the nodes that are not ignored."""
        ids, stack = {}, [self.driver.execute_cdp_cmd("DOM.getDocument", {"depth": -1})["root"]]
        while stack:
            node = stack.pop()
            attributes = dict(zip(*[iter(node.get("attributes", []))] * 2))
            if "id" in attributes:
                ids[node["backendNodeId"]] = attributes["id"]
            stack += node.get("children", [])
        nodes = [n for n in self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
                 if not n.get("ignored")]
        return {ids[n["backendDOMNodeId"]]: n for n in nodes
                if n.get("backendDOMNodeId") in ids}, nodes

    def live_regions(self):
        """The ids of the accessible nodes whose changes a screen reader says, None for one
        without an id."""
        tree, nodes = self.accessibility_tree()
        return [next((name for name, node in tree.items() if node is n), None) for n in nodes
                if any(p["name"] == "live" and p["value"]["value"] != "off"
                       for p in n.get("properties", []))]

    def print_pdf(self, name, **options):
        """The page printed to PDF as its style asks, left beside the page as name: its path and
        each page's size in whole millimetres."""
        pdf = base64.b64decode(self.driver.execute_cdp_cmd(
            "Page.printToPDF", dict(preferCSSPageSize=True, **options))["data"])
        path = beside_page(name)
        with open(path, "wb") as f:
            f.write(pdf)
        info = poppler("pdfinfo", "-f", "1", "-l", "9999", path).decode()
        sizes = re.findall(r"^Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts", info, re.M)
        return path, [tuple(round(float(n) * 25.4 / 72) for n in size) for size in sizes]

    def quit(self):
        try:
            self.driver.quit()
        finally:
            self._remove_folders()

    def _remove_folders(self):
        for folder in (self.folder, self.profile):
            shutil.rmtree(folder, ignore_errors=True)


def ax(node, key):
    """A property of an accessible node, such as its "name" or "role", or ""."""
    return node.get(key, {}).get("value", "")


class PageCase(unittest.TestCase):
    """The class's tests in one browser, each test on the page loaded afresh, failing on its
    uncaught errors and leaving the viewport as it found it."""

    @classmethod
    def setUpClass(cls):
        cls.browser = Browser(page_path())
        cls.driver = cls.browser.driver
        cls.browser.catch_errors()

    def setUp(self):
        self.browser.open()

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()

    def tearDown(self):
        self.browser.stop_emulating()
        self.assertEqual(self.browser.errors(), [])

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def focused(self):
        return self.browser.script("return document.activeElement.id")

    def assert_tab_order(self, expected):
        """Tab takes the focus through the controls in that order, from the first."""
        self.browser.script("document.getElementById(arguments[0]).focus()", expected[0])
        order = [self.focused()]
        for _ in expected[1:]:
            ActionChains(self.driver).send_keys(Keys.TAB).perform()
            order.append(self.focused())
        self.assertEqual(order, expected)


class RequestCase(unittest.TestCase):
    """The page within 300 kilobytes, font and module included, so that a school site or a slow
    panel loads it whole; and, driven by use(browser), asking for nothing beyond itself. table
    names the module's function that answers the window's table."""
    table = None

    def use(self, browser):
        raise NotImplementedError

    def test_the_file_stays_within_300_kilobytes(self):
        self.assertLessEqual(os.path.getsize(page_path()), 300 * 1024)

    def test_the_page_asks_for_nothing_beyond_itself(self):
        browser = Browser(page_path(), log_requests=True)
        try:
            self.use(browser)
            urls = []
            for entry in browser.driver.get_log("performance"):
                message = json.loads(entry["message"])["message"]
                if message["method"] == "Network.requestWillBeSent" and \
                        message["params"].get("documentURL", "").split("#")[0] == browser.url:
                    urls.append(message["params"]["request"]["url"])
            self.assertIn(browser.url, urls)
            # The font is a data: address inside the page; nothing else may be asked for.
            self.assertEqual([u for u in urls if u.split("#")[0] != browser.url
                              and not u.startswith("data:")], [])
            policy = browser.script(
                "return document.querySelector('meta[http-equiv=Content-Security-Policy]').content")
            self.assertIn("default-src 'none'", policy)
            self.assertNotIn("connect-src", policy)
            # The page was built with the window's table the module answers.
            self.assertEqual(browser.script("return WindowTable"), browser.module(self.table))
            # The font inside the page has every letter and sign the window writes.
            self.assertEqual(browser.missing_letters("document.body.innerText + '·−—«»ёЁ'"), [])
        finally:
            browser.quit()
