#!/usr/bin/python3
"""Lists the controls of a window that a screen reader could not name:
atspi_unnamed.py 'window title regex'. Exit status 1 when there are any
(or no such window)."""
import sys

import pyatspi
from atspi_common import window

CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_SLIDER,
}


def unnamed(node, found):
    if node is None:
        return
    role = node.getRole()
    if role in CONTROLS and node.getState().contains(pyatspi.STATE_SHOWING) and not (node.name or "").strip():
        found.append(node.getRoleName())
    if role in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_COMBO_BOX):
        return  # their rows and entries are named by their texts
    for child in node:
        unnamed(child, found)


def main():
    w = window(sys.argv[1])
    if w is None:
        print(f"no window '{sys.argv[1]}'", file=sys.stderr)
        return 1
    found = []
    unnamed(w, found)
    if found:
        print(f"'{w.name}': {len(found)} unnamed: {', '.join(found)}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
