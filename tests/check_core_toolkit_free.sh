#!/usr/bin/env bash
# Fails when a core file (anything in the model folders outside their gtk/
# subfolders, and the command line) includes a toolkit header.
src=$1
hits=$(find "$src"/{base,calendar,shift,astro,notes,marks,accounting,settings,help,remind,ical,sync,cli} \
         -path '*/gtk' -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print 2>/dev/null |
       xargs -r grep -lE '#include *[<"](gtk|gdk|glib|gio|cairo|pango|sigc|atk)' )
if [ -n "$hits" ]; then
  echo "toolkit headers in core files:"; echo "$hits"; exit 1
fi
echo "core is toolkit-free"
