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


def named_controls(app_name):
    """Every control of the application that has a name, depth first."""
    stack = [app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == app_name]
    while stack:
        for child in stack.pop():
            if child is not None:
                if child.name:
                    yield child
                stack.append(child)


def kind(control):
    if control.getState().contains(pyatspi.STATE_EDITABLE):
        return "field"
    return "button" if control.getRole() == pyatspi.ROLE_PUSH_BUTTON else "other"


def extents(control):
    return control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def until(attempt):
    """Calls attempt until it returns a true value, or the deadline passes."""
    deadline = time.monotonic() + DEADLINE_SECONDS
    while True:
        try:
            result = attempt()
        except Exception:  # the tree changes under us while the window is being made
            result = None
        if result or time.monotonic() > deadline:
            return result
        time.sleep(0.05)


def places(app_name):
    def shown():
        controls = list(named_controls(app_name))
        # The window is laid out once its controls, all of them, have a size on the screen.
        placed = [c for c in controls if extents(c)[2] > 0]
        return placed if len(placed) >= 20 and len(placed) == len(controls) else None

    controls = until(shown)
    if not controls:
        print(f"{app_name} did not appear in the accessibility tree", file=sys.stderr)
        return 1
    for control in controls:
        x, y, width, height = extents(control)
        print(f"{kind(control)}\t{control.name}\t{x + width // 2}\t{y + height // 2}")
    return 0


def awaits(app_name, control_name, expected, read, what):
    """Waits until a control so named reads (read(control) gives, None to pass it by) what is
    expected."""
    seen = []

    def matches():
        seen[:] = [read(c) for c in named_controls(app_name) if c.name == control_name]
        return expected in seen

    if not until(matches):
        print(f"'{control_name}' {what} {[s for s in seen if s is not None]}, not '{expected}'",
              file=sys.stderr)
        return 1
    return 0


def main(arguments):
    if len(arguments) == 2 and arguments[0] == "places":
        return places(arguments[1])
    # A label may carry a field's name as its caption: only editable text counts as the field.
    if len(arguments) == 4 and arguments[0] == "expect":
        return awaits(*arguments[1:], lambda c: c.queryText().getText(0, -1)
                      if kind(c) == "field" else None, "shows")
    if len(arguments) == 4 and arguments[0] == "describes":
        return awaits(*arguments[1:], lambda c: c.description, "is described as")
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
