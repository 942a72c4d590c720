#!/usr/bin/python3
"""Says which control of a window has the keyboard focus, as a screen reader
learns it: atspi_focus.py 'window title regex' prints its position in the
window (x y), its role and its name; exit status 1 when nothing has the focus."""
import re
import sys
import time

import pyatspi
from atspi_common import program_windows


def focused(node):
    if node is None:
        return None
    state = node.getState()
    if state.contains(pyatspi.STATE_FOCUSED) and node.getRole() != pyatspi.ROLE_DIALOG:
        return node
    if not state.contains(pyatspi.STATE_SHOWING) and node.getRole() != pyatspi.ROLE_DIALOG:
        return None
    if node.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE):
        return None  # a list's focus is the list itself
    for child in node:
        found = focused(child)
        if found is not None:
            return found
    return None


def main():
    for _ in range(30):  # the focus event may still be on its way
        for w in program_windows():
            if not re.search(sys.argv[1], w.name or ""):
                continue
            node = focused(w)
            if node is not None:
                box = node.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
                print(box.x, box.y, f"{node.getRoleName()}: {node.name}")
                return 0
        time.sleep(0.1)
    return 1


if __name__ == "__main__":
    sys.exit(main())
