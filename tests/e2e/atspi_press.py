#!/usr/bin/python3
"""Presses a control of the program by its accessible name, as a screen
reader user would: atspi_press.py 'window title regex' role 'name'.
role is one of: button, check, radio, or combo (a drop-down list; a fourth
argument names the entry to choose). Exit status 1 when there is no such
control or entry (the names that window has are printed)."""
import re
import sys
import time

import pyatspi
from atspi_common import program_windows as windows

ROLES = {
    "button": pyatspi.ROLE_PUSH_BUTTON,
    "check": pyatspi.ROLE_CHECK_BOX,
    "radio": pyatspi.ROLE_RADIO_BUTTON,
    "combo": pyatspi.ROLE_COMBO_BOX,
}


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


def choose(combo, entry):
    """Chooses the entry of a drop-down list by its text."""
    names = [item.name for menu in combo for item in menu]
    if entry not in names:
        print(f"no entry '{entry}'; there are: {names}", file=sys.stderr)
        return 1
    combo.querySelection().selectChild(names.index(entry))
    return 0


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
                    if role == pyatspi.ROLE_COMBO_BOX:
                        return choose(control, sys.argv[4])
                    else:
                        control.queryAction().doAction(0)
                    return 0
        time.sleep(0.1)
    print(f"no {role_name} '{name}' in '{title}'; there are: {seen}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
