#!/bin/bash
# "Ferientermine" -> "Aus Datei laden...": the shipped iCalendar file is
# chosen, its periods shown and taken; "Schulferien.dat" holds them and the
# calendar stripes the summer of 2026. A damaged file is refused and changes
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
# load_file path: opens "Ferientermine", presses its button and chooses the
# file by typing its path into the chooser's location field.
load_file() {
  main_focus
  keys F12
  press_in '^Info$' s || return 1
  focus_window '^Ferientermine$' || return 1
  # "Aus Datei laden..." sits at 36 u, 0.55 r, 17 u by 1.5 r.
  click_in "$FOCUSED" $((44 * U)) $((13 * R / 10))
  focus_window '^Schulferien aus iCalendar-Datei laden$' || return 1
  keys ctrl+l
  type_text "$1"
  keys Return
  gone '^Schulferien aus iCalendar-Datei laden$' || fail "the file chooser stayed open"
}

start_app 2026-08-10 || finish
check_shot "$WORK/main.png" "" "August 2026 is striped before any file was taken" stripes none

# A damaged file: one message, nothing stored.
printf 'BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:Sommerferien\r\nRRULE:FREQ=YEARLY\r\nDTSTART;VALUE=DATE:20260803\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' >"$WORK/kaputt.ics"
if load_file "$WORK/kaputt.ics"; then
  press_in '^Fehler$' Return || true
  gone '^Fehler$' || fail "the error message stayed open"
  press_in '^Ferientermine$' Escape
fi
expect_missing "$STORED"

# The shipped file: the question lists the periods, "Ja" takes them.
if load_file "$SHIPPED"; then
  focus_window '^Frage$' && shot "$SHOTS/question.png" "$FOCUSED"   # for a look with SK_E2E_KEEP
  press_in '^Frage$' Return
  wait_for_lines "$STORED" 28 || fail "Schulferien.dat does not hold the 28 periods"
  press_in '^Ferientermine$' Escape
  gone '^Ferientermine$' || fail "\"Ferientermine\" stayed open"
fi
grep -qx '2026-08-03 2026-09-14 Sommer' "$STORED" || fail "the summer of 2026 is not stored"
main_focus
check_shot "$WORK/main.png" "" "the summer of 2026 is not striped" stripes some
stop_app

# Stored periods come back with the next start.
start_app 2026-08-10 || finish
check_shot "$WORK/main.png" "" "the stored periods are not striped after a restart" stripes some
stop_app
finish
