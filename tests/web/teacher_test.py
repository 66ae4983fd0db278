#!/usr/bin/env python3
"""The teacher's side from end to end, in headless Chromium: a set made on the practice page,
two of its problems solved with a hint and a zero missed, the code read there and typed into
the class journal's page, whose row shows what the pupil did.

teacher_test.py PRACTICE_PAGE CLASS_PAGE [unittest arguments]"""
import sys

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import browser as shared
from browser import PageCase, wait_until
from practice_test import Pupil

CLASS_PAGE = sys.argv.pop(2)



class TeacherTest(Pupil, PageCase):
    def test_a_pupils_code_from_the_practice_page_makes_his_row_in_the_journal(self):
        first_try, code = self.solve_two_of_a_set()
        address = self.browser.script("return location.href")
        journal = shared.Browser(CLASS_PAGE)
        try:
            find = lambda name: journal.driver.find_element(By.ID, name)
            find("ClassSet").send_keys(address + Keys.ENTER)
            find("PupilName").send_keys("Иванов Петя")
            find("PupilCode").send_keys(code + Keys.ENTER)
            row = wait_until(lambda: journal.script(
                "const r = document.querySelector('#ClassTable tbody tr'); "
                "return r && {...r.dataset}"), what="the pupil's row")
            self.assertEqual({k: row[k] for k in ("solved", "firstTry", "hints", "mistakes")},
                             {"solved": "2", "firstTry": str(first_try), "hints": "1",
                              "mistakes": "0,0,0,0,1,0"})
            # A blind teacher hears the row.
            wait_until(lambda: "Иванов Петя, решено 2" in journal.script(
                "return ClassError.textContent"), what="the row said")
        finally:
            journal.quit()


if __name__ == "__main__":
    shared.main()
