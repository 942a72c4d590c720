"""What the accessibility helper scripts share: the program's windows on the
accessibility bus (the scripts run beside this file, so it imports)."""
import re
import time

import pyatspi


def program_windows():
    """The top-level windows of the running program."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "schichtkalender":
            yield from (w for w in app if w is not None)


def window(title, tries=50):
    """The program's window whose name matches the regex; None when none
    shows up within tries tenths of a second (it may still be on its way
    onto the bus)."""
    for _ in range(tries):
        for w in program_windows():
            if re.search(title, w.name or ""):
                return w
        time.sleep(0.1)
    return None
