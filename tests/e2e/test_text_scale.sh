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
for field in "117 346 Stunden eingeben" "120 364 Urlaub eingeben"; do
  read -r x y title <<<"$field"
  main_focus
  xdotool mousemove --window "$WID" $((U * x + 2 * U)) $(( (R * y + 5) / 10 + R / 2 )) click 1; settle
  focus_window "^$title\$" || continue
  whole "^$title\$"
  keys Escape
  within gone "^$title\$" || fail "'$title' stayed open"
done
stop_app
finish
