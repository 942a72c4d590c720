#!/bin/bash
# "Für Kalender-App exportieren..." in the program menu writes the home
# crew's year as an iCalendar file into the home folder, the very file
# schichtplan writes for the same choices, and says where it is.
source "$(dirname "$0")/lib.sh"

TODAY='2024-03-15 10:00:00'
export HOME="$WORK/home"
mkdir -p "$HOME"
TITLE='^Für Kalender-App exportieren$'

start_app || exit 1
keys F10
press_in '^Programm$' x
focus_window "$TITLE" || finish
# The focus starts on "Speichern".
keys Return
focus_window '^Information$' || finish
keys Return
gone '^Information$' || fail "information message stayed open"

file="$HOME/Schichtplan-Rot-2024.ics"
if [ ! -s "$file" ]; then
  fail "no calendar file $file"
else
  "$BUILD/schichtplan" --format ics --type 0 --crew 1 --from 2024-01-01 --to 2024-12-31 \
    --data "$DATA" >"$WORK/cli.ics" || fail "schichtplan failed"
  if ! diff <(grep -v '^DTSTAMP' "$file") <(grep -v '^DTSTAMP' "$WORK/cli.ics") >/dev/null; then
    fail "the window's file differs from schichtplan's"
  fi
  events=$(grep -c '^BEGIN:VEVENT' "$file")
  # Crew Rot of type 0 works three weeks in five: about 220 shifts a year.
  [ "$events" -gt 200 ] || fail "only $events events"
fi

stop_app
finish
