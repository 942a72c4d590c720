#!/bin/bash
# With the desktop's text scaled by 1.5 the calendar and its windows grow
# with the text: no button, label or option text runs past its box, and the
# crew names stand whole.
SK_E2E_ATSPI=1
source "$(dirname "$0")/lib.sh"
export GDK_DPI_SCALE=1.5

start_app 2024-01-15 || exit 1
whole() { /usr/bin/python3 "$E2E_DIR/atspi_clipped.py" "$1" || fail "cut texts in '$1'"; }
whole '^Velmo Schichtkalender'
for title in "Stunden eingeben" "Urlaub eingeben"; do
  open_account_window "$title" || continue
  whole "^$title\$"
  keys Escape
  within gone "^$title\$" || fail "'$title' stayed open"
done
stop_app
finish
