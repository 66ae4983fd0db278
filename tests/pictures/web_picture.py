#!/usr/bin/python3
"""Draws velmorand-practice.html in headless Chromium with a viewport of the given size, at
level 5 and variant 42, after typing each answer into the answer field with Enter, and saves
the viewport's picture.

Usage: web_picture.py PAGE WIDTH HEIGHT OUTPUT.png ANSWER...
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "web"))
from browser import Browser, wait_until  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402


def main(page, width, height, output, answers):
    browser = Browser(page)
    try:
        driver = browser.driver
        browser.emulate(width, height)
        browser.open("#level=5&variant=42")
        entry = driver.find_element(By.ID, "Entry")
        feedback = driver.find_element(By.ID, "Feedback")
        for answer in answers:
            before = feedback.get_attribute("textContent")
            entry.send_keys(answer, Keys.ENTER)
            wait_until(lambda: feedback.get_attribute("textContent") != before or
                       not entry.get_attribute("value"), what=f"the answer {answer} to be taken")
        # What is drawn after the last answer reaches the screen before the picture is taken.
        browser.script("return new Promise(done => requestAnimationFrame(() => "
                       "requestAnimationFrame(done)))")
        driver.save_screenshot(output)
    finally:
        browser.quit()


if __name__ == "__main__":
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    main(sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4], sys.argv[5:])
