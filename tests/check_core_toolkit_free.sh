#!/usr/bin/env bash
# Fails when a core file (anything but *Window.cpp/h in the model folders)
# includes a toolkit header.
src=$1
hits=$(find "$src"/{calendar,shift,astro,notes,marks,accounting,settings,help,cli} -type f \
         \( -name '*.cpp' -o -name '*.h' \) ! -name '*Window.*' 2>/dev/null |
       xargs -r grep -lE '#include *[<"](gtk|gdk|glib|gio|cairo|pango|sigc|atk)' )
if [ -n "$hits" ]; then
  echo "toolkit headers in core files:"; echo "$hits"; exit 1
fi
echo "core is toolkit-free"
