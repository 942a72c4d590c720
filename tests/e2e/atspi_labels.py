#!/usr/bin/python3
"""Where the texts of a window stand, for a look at their pixels:
atspi_labels.py 'window title regex' prints "x y w h text" (window
coordinates) for each shown, usable label with a text. Exit status 1 when
there is no such window."""
import sys

import pyatspi
from atspi_common import window


def labels(node, found):
    if node is None:
        return
    state = node.getState()
    if not state.contains(pyatspi.STATE_SHOWING):
        return
    if node.getRole() == pyatspi.ROLE_LABEL and state.contains(pyatspi.STATE_SENSITIVE) and (node.name or "").strip():
        box = node.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
        if box.width > 0 and box.height > 0:
            found.append(f"{box.x} {box.y} {box.width} {box.height} {node.name.splitlines()[0]}")
    for child in node:
        labels(child, found)


def main():
    w = window(sys.argv[1])
    if w is not None:
        found = []
        labels(w, found)
        print("\n".join(found))
        return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
