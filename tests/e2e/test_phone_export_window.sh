#!/bin/bash
# "Für Kalender-App exportieren..." in the program menu writes the home
# crew's next twelve months as an iCalendar file into the home folder, the
# very file schichtplan writes for the same choices, and says where it is.
# A calendar program (khal) reads it with the long Sunday shifts, and a
# second export asks before it replaces the file.
source "$(dirname "$0")/lib.sh"

TODAY='2024-03-15 10:00:00'
export HOME="$WORK/home"
mkdir -p "$HOME"
TITLE='^Für Kalender-App exportieren$'

export_now() {
  main_focus
  keys F10
  press_in '^Programm$' x
  focus_window "$TITLE" || return 1
  # The focus starts on "Speichern".
  keys Return
}

start_app || exit 1
export_now || finish
focus_window '^Information$' || finish
keys Return
gone '^Information$' || fail "information message stayed open"

file="$HOME/Schichtplan-Rot-2024-03-bis-2025-02.ics"
if [ ! -s "$file" ]; then
  fail "no calendar file $file: $(ls "$HOME")"
else
  "$BUILD/schichtplan" --format ics --type 0 --crew 1 --from 2024-03-01 --to 2025-02-28 \
    --data "$DATA" >"$WORK/cli.ics" || fail "schichtplan failed"
  if ! diff <(grep -v '^DTSTAMP' "$file") <(grep -v '^DTSTAMP' "$WORK/cli.ics") >/dev/null; then
    fail "the window's file differs from schichtplan's"
  fi
  events=$(grep -c '^BEGIN:VEVENT' "$file")
  # Crew Rot of type 0 works three weeks in five: about 220 shifts a year.
  [ "$events" -gt 200 ] || fail "only $events events"

  # khal, a calendar program of its own, reads the Sundays as two 12-hour
  # shifts: 7 April 2024 is an early Sunday of Rot, 24 March a night one
  # after the ordinary night from Saturday.
  if command -v khal >/dev/null; then
    mkdir -p "$WORK/khal/cal"
    printf '[calendars]\n[[schicht]]\npath = %s\n[locale]\ntimeformat = %%H:%%M\ndateformat = %%Y-%%m-%%d\nlongdateformat = %%Y-%%m-%%d\ndatetimeformat = %%Y-%%m-%%d %%H:%%M\nlongdatetimeformat = %%Y-%%m-%%d %%H:%%M\ndefault_timezone = Europe/Berlin\nlocal_timezone = Europe/Berlin\n' \
      "$WORK/khal/cal" >"$WORK/khal/config"
    khal_() { khal -c "$WORK/khal/config" "$@" 2>>"$WORK/khal.log"; }
    khal_ import --batch -a schicht "$file" || fail "khal could not import the file"
    for day in "2024-04-07 06:00-18:00 Frühschicht" "2024-03-24 18:00-06:00 Nachtschicht" \
               "2024-03-23 22:00-06:00 Nachtschicht"; do
      set -- $day
      got=$(khal_ list --format '{start-time}-{end-time} {title}' "$1" 1d)
      grep -qxF "$2 $3" <<<"$got" || fail "khal shows '$got' on $1, without '$2 $3'"
    done
  else
    fail "khal is not installed (scripts/setup-debian.sh)"
  fi

  # The same export again: the existing file is replaced only after a question.
  touch -d '2001-01-01' "$file"
  export_now || finish
  focus_window '^Frage$' || finish
  keys Escape
  gone '^Frage$' || fail "question box stayed open"
  [ "$(stat -c %Y "$file")" = "$(date -d 2001-01-01 +%s)" ] || fail "the file was replaced although the answer was no"
  focus_window "$TITLE" && keys Escape
  gone "$TITLE" || fail "export window stayed open"
fi

stop_app
finish
