#!/usr/bin/python3
"""Reads the calendar as a screen reader does: atspi_calendar.py KEY...
Prints the calendar table's row and column counts, presses the keys (xdotool)
and prints, one per line, the name of the cell the focus events named last
and the name of the table's selected (cursor) cell. Exit status 1 when there
is no calendar table or no focus event followed the keys.
atspi_calendar.py --cell COLUMN ROW prints the counts and the name of that cell."""
import subprocess
import sys
import time

import pyatspi
from atspi_common import program_windows
from gi.repository import GLib


def calendar_table():
    for window in program_windows():
        found = pyatspi.findDescendant(
            window, lambda n: n is not None and n.getRole() == pyatspi.ROLE_TABLE and n.name == "Kalender")
        if found is not None:
            return found
    return None


def main():
    table = None
    for _ in range(50):  # the window may still be on its way onto the bus
        table = calendar_table()
        if table is not None:
            break
        time.sleep(0.1)
    if table is None:
        print("no table 'Kalender'", file=sys.stderr)
        return 1
    grid = table.queryTable()
    print(grid.nRows, grid.nColumns)
    if sys.argv[1] == "--cell":
        cell = grid.getAccessibleAt(int(sys.argv[3]), int(sys.argv[2]))
        print(cell.name if cell is not None else "")
        return 0 if cell is not None else 1

    focused = []

    def on_event(event):
        if event.type.startswith("object:state-changed:focused") and event.detail1 != 1:
            return
        cell = event.source if event.type.startswith("object:state-changed") else event.any_data
        if cell is not None and cell.getRole() == pyatspi.ROLE_TABLE_CELL:
            focused.append(cell.name)

    def press():
        for key in sys.argv[1:]:
            subprocess.run(["xdotool", "key", key], check=True)
        # Events follow the keys in their own time: stop once they are quiet.
        GLib.timeout_add(1500, lambda: pyatspi.Registry.stop() or False)
        return False

    kinds = ["object:state-changed:focused", "object:active-descendant-changed"]
    pyatspi.Registry.registerEventListener(on_event, *kinds)
    GLib.timeout_add(200, press)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_event, *kinds)
    if not focused:
        print("no focus event named a cell", file=sys.stderr)
        return 1
    print(focused[-1])
    selection = table.querySelection()
    print(selection.getSelectedChild(0).name if selection.nSelectedChildren == 1 else "")
    return 0


if __name__ == "__main__":
    sys.exit(main())
