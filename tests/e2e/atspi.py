#!/usr/bin/python3
"""Reads a running program's controls from the AT-SPI accessibility tree, as a screen reader
does, waiting with a deadline for what is asked. Controls are found by their accessible names.

  atspi.py places APP             once APP's window is in the tree with its controls, prints
                                  "kind<TAB>name<TAB>x<TAB>y" per named control: kind is field
                                  (editable text), button or other; x y its centre on screen
  atspi.py expect APP NAME TEXT   waits until the field NAME shows TEXT; otherwise fails and
                                  prints what it shows
  atspi.py describes APP NAME TEXT
                                  waits until a control named NAME has the description TEXT;
                                  otherwise fails and prints the descriptions of those so named
"""
import sys
import time

import pyatspi

DEADLINE_SECONDS = 20


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def named_controls(root):
    """Every control under root that has a name, depth first."""
    stack = [root]
    while stack:
        node = stack.pop()
        for child in node:
            if child is None:
                continue
            if child.name:
                yield child
            stack.append(child)


def kind(control):
    if control.getState().contains(pyatspi.STATE_EDITABLE):
        return "field"
    if control.getRole() == pyatspi.ROLE_PUSH_BUTTON:
        return "button"
    return "other"


def find_field(app_name, name):
    """A label may carry a field's name as its caption: only editable text counts here."""
    app = application(app_name)
    if app is None:
        return None
    return next((c for c in named_controls(app) if c.name == name and kind(c) == "field"), None)


def centre(control):
    x, y, width, height = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return x + width // 2, y + height // 2


def text_of(control):
    return control.queryText().getText(0, -1)


def until(deadline, attempt):
    """Calls attempt until it returns something other than None, or the deadline passes."""
    while True:
        try:
            result = attempt()
        except Exception:  # the tree changes under us while the window is being made
            result = None
        if result is not None or time.monotonic() > deadline:
            return result
        time.sleep(0.05)


def places(app_name):
    deadline = time.monotonic() + DEADLINE_SECONDS

    def shown():
        app = application(app_name)
        controls = list(named_controls(app)) if app is not None else []
        # The window is laid out once its controls, all of them, have a size on the screen.
        placed = [c for c in controls if c.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)[2] > 0]
        return placed if len(placed) >= 20 and len(placed) == len(controls) else None

    controls = until(deadline, shown)
    if controls is None:
        print(f"{app_name} did not appear in the accessibility tree", file=sys.stderr)
        return 1
    for control in controls:
        x, y = centre(control)
        print(f"{kind(control)}\t{control.name}\t{x}\t{y}")
    return 0


def expect(app_name, control_name, expected):
    deadline = time.monotonic() + DEADLINE_SECONDS
    actual = None

    def matches():
        nonlocal actual
        control = find_field(app_name, control_name)
        if control is None:
            return None
        actual = text_of(control)
        return True if actual == expected else None

    if until(deadline, matches) is None:
        print(f"'{control_name}' shows '{actual}', not '{expected}'", file=sys.stderr)
        return 1
    return 0


def describes(app_name, control_name, expected):
    deadline = time.monotonic() + DEADLINE_SECONDS
    seen = []

    def matches():
        app = application(app_name)
        if app is None:
            return None
        seen[:] = [c.description for c in named_controls(app) if c.name == control_name]
        return True if expected in seen else None

    if until(deadline, matches) is None:
        print(f"'{control_name}' is described as {seen}, not '{expected}'", file=sys.stderr)
        return 1
    return 0


def main(arguments):
    if len(arguments) == 2 and arguments[0] == "places":
        return places(arguments[1])
    if len(arguments) == 4 and arguments[0] == "expect":
        return expect(*arguments[1:])
    if len(arguments) == 4 and arguments[0] == "describes":
        return describes(*arguments[1:])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
