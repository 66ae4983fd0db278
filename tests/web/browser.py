"""Headless Chromium for the page's tests and benchmark: velmorand.html copied alone into an
empty folder, a fresh profile each time, and nothing that reaches the network on its own."""
import os
import shutil
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


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

    def open(self):
        self.driver.get(self.url)
        wait_until(lambda: self.script("return performance.getEntriesByName('velmorand-started').length"),
                   what="the page to start")

    def script(self, code, *arguments):
        return self.driver.execute_script(code, *arguments)

    def module(self, function):
        """The JSON answer of one of the module's functions: the table or the worksheet."""
        return self.script(f"return askModule('{function}')")

    def catch_errors(self):
        """From the next page loaded on, its uncaught errors are kept in window.pageErrors."""
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                    {"source": CATCH_ERRORS})

    def accessibility_tree(self):
        """Each element's accessible node by the element's id, as Chromium reports it, and all
        the nodes that are not ignored."""
        ids = {}

        def walk(node):
            attributes = node.get("attributes", [])
            if "id" in attributes[::2]:
                ids[node["backendNodeId"]] = attributes[attributes[::2].index("id") * 2 + 1]
            for child in node.get("children", []):
                walk(child)

        walk(self.driver.execute_cdp_cmd("DOM.getDocument", {"depth": -1})["root"])
        nodes = [n for n in self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
                 if not n.get("ignored")]
        return {ids[n["backendDOMNodeId"]]: n for n in nodes
                if n.get("backendDOMNodeId") in ids}, nodes

    def quit(self):
        try:
            self.driver.quit()
        finally:
            self._remove_folders()

    def _remove_folders(self):
        shutil.rmtree(self.folder, ignore_errors=True)
        shutil.rmtree(self.profile, ignore_errors=True)
