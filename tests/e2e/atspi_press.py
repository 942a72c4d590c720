#!/usr/bin/python3
"""Presses a control of the program by its accessible name, as a screen
reader user would: atspi_press.py 'window title regex' role 'name'.
role is one of: button, check, radio. Exit status 1 when there is no such
control (the names that window has are printed)."""
import re
import sys
import time

import pyatspi

ROLES = {
    "button": pyatspi.ROLE_PUSH_BUTTON,
    "check": pyatspi.ROLE_CHECK_BOX,
    "radio": pyatspi.ROLE_RADIO_BUTTON,
}


def windows():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "schichtkalender":
            yield from (w for w in app if w is not None)


def find(node, role, name, seen):
    if node is None:
        return None
    if node.getRole() == role:
        seen.append(node.name)
        if node.name == name:
            return node
    for child in node:
        found = find(child, role, name, seen)
        if found is not None:
            return found
    return None


def main():
    title, role_name, name = sys.argv[1:4]
    role = ROLES[role_name]
    seen = []
    # The window may still be on its way onto the bus: up to 5 s.
    for _ in range(50):
        seen = []
        for window in windows():
            if re.search(title, window.name or ""):
                control = find(window, role, name, seen)
                if control is not None:
                    control.queryAction().doAction(0)
                    return 0
        time.sleep(0.1)
    print(f"no {role_name} '{name}' in '{title}'; there are: {seen}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
