#!/bin/bash
# The shipped school holidays of the state stripe the summer of 2026 from
# the first start. "Schulferien" -> "Aus Datei laden...": a file of the
# user's own is chosen, its periods shown and taken; "Schulferien.dat" holds
# them and they stay after a restart. A damaged file is refused and changes
# nothing.
source "$(dirname "$0")/lib.sh"

SHIPPED="$BUILD/share/schichtkalender/school-holidays/schulferien-bayern.ics"
[ -f "$SHIPPED" ] || { fail "the build tree has no $SHIPPED"; finish; }
STORED="$DATA/Schulferien.dat"
STRIPE='#DBD6B5'   # RGB 219, 214, 181

# stripes none|some: pixels in the stripe colour in the last picture of the
# main window.
stripes() {
  local n
  n=$(convert "$WORK/main.png" -fill black +opaque "$STRIPE" -fill white -opaque "$STRIPE" \
    -format '%[fx:int(mean*w*h+0.5)]' info:)
  if [ "$1" = none ]; then [ "$n" = 0 ]; else [ "$n" -gt 0 ]; fi
}
# wait_for_lines file n: until the file has n lines (10 s).
wait_for_lines() {
  for _ in $(seq 100); do
    [ -f "$1" ] && [ "$(wc -l <"$1")" -eq "$2" ] && return 0
    sleep 0.1
  done
  return 1
}
# load_file path: opens "Schulferien", presses its button and chooses the
# file by typing its path into the chooser's location field.
load_file() {
  main_focus
  keys F12
  press_in '^Info$' s || return 1
  focus_window '^Schulferien$' || return 1
  # "Aus Datei laden..." sits at 36 u, 0.55 r, 17 u by 1.5 r.
  click_in "$FOCUSED" $((44 * U)) $((13 * R / 10))
  focus_window '^Schulferien aus iCalendar-Datei laden$' || return 1
  keys ctrl+l
  type_text "$1"
  keys Return
  gone '^Schulferien aus iCalendar-Datei laden$' || fail "the file chooser stayed open"
}

start_app 2026-08-10 || finish
check_shot "$WORK/main.png" "" "the shipped summer of 2026 is not striped at the first start" stripes some

# A damaged file: one message, nothing stored.
printf 'BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:Sommerferien\r\nRRULE:FREQ=YEARLY\r\nDTSTART;VALUE=DATE:20260803\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' >"$WORK/kaputt.ics"
if load_file "$WORK/kaputt.ics"; then
  press_in '^Fehler$' Return || true
  gone '^Fehler$' || fail "the error message stayed open"
  press_in '^Schulferien$' Escape
fi
expect_missing "$STORED"

# A file of the user's own: the question lists the periods, "Ja" takes them.
printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\nBEGIN:VEVENT\r\nUID:s@test\r\nSUMMARY:Sommerferien 2026\r\nDTSTART;VALUE=DATE:20260817\r\nDTEND;VALUE=DATE:20260926\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' >"$WORK/eigene.ics"
if load_file "$WORK/eigene.ics"; then
  focus_window '^Frage$' && shot "$SHOTS/question.png" "$FOCUSED"   # for a look with SK_E2E_KEEP
  press_in '^Frage$' Return
  wait_for_lines "$STORED" 1 || fail "Schulferien.dat does not hold the period"
  press_in '^Schulferien$' Escape
  gone '^Schulferien$' || fail "\"Schulferien\" stayed open"
fi
grep -qx '2026-08-17 2026-09-25 Sommer' "$STORED" || fail "the summer of 2026 is not stored"
main_focus
check_shot "$WORK/main.png" "" "the summer of 2026 is not striped" stripes some
stop_app

# Stored periods come back with the next start.
start_app 2026-08-10 || finish
check_shot "$WORK/main.png" "" "the stored periods are not striped after a restart" stripes some
stop_app
finish
