#!/usr/bin/python3
"""Lists the buttons, labels, options and fields of a window whose text runs
past their own box, or that cover each other (text cut off or hidden): atspi_clipped.py 'window title regex'.
Exit status 1 when there are any (or no such window)."""
import sys

import pyatspi
from atspi_common import window

KINDS = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_LABEL, pyatspi.ROLE_CHECK_BOX,
         pyatspi.ROLE_RADIO_BUTTON}


def boxes(node, out):
    """(text, box, text box) of every showing control of the kinds above."""
    if node is None:
        return
    if node.getRole() in KINDS | {pyatspi.ROLE_TEXT} and node.getState().contains(pyatspi.STATE_SHOWING):
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        try:
            text = node.queryText()
        except NotImplementedError:
            text = None
        shown = None
        if text is not None and text.characterCount > 0:
            first = text.getCharacterExtents(0, pyatspi.DESKTOP_COORDS)
            last = text.getCharacterExtents(text.characterCount - 1, pyatspi.DESKTOP_COORDS)
            if last[2] > 0:
                shown = (first[0], min(first[1], last[1]), last[0] + last[2], max(first[1] + first[3], last[1] + last[3]))
        out.append((text.getText(0, -1) if text else node.name, (box.x, box.y, box.x + box.width, box.y + box.height),
                    shown, node.getRole() == pyatspi.ROLE_TEXT))
    for child in node:
        boxes(child, out)


def clipped(node, found):
    controls = []
    boxes(node, controls)
    for name, (x0, y0, x1, y1), shown, field in controls:
        # A field's text may scroll; a label's or button's must fit its box.
        if shown and not field and (shown[0] < x0 - 1 or shown[2] > x1 + 1 or shown[1] < y0 - 1 or shown[3] > y1 + 1):
            found.append(name)
        elif shown and field and (shown[1] < y0 - 1 or shown[3] > y1 + 1):
            found.append(name)
    # Controls placed side by side must not cover each other.
    for i, (a, (ax0, ay0, ax1, ay1), _, _) in enumerate(controls):
        for b, (bx0, by0, bx1, by1), _, _ in controls[i + 1:]:
            if ax0 < bx1 - 1 and bx0 < ax1 - 1 and ay0 < by1 - 1 and by0 < ay1 - 1:
                found.append(f"{a} / {b}")


def main():
    w = window(sys.argv[1])
    if w is None:
        print(f"no window '{sys.argv[1]}'", file=sys.stderr)
        return 1
    found = []
    clipped(w, found)
    if found:
        print(f"'{w.name}': cut texts: {found}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
