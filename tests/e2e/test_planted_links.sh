#!/bin/bash
# Links planted in the data folder that lead out of it (in a shared folder
# another user can make them): the program reads nothing through them, says
# so, changes nothing they point at, and its saves replace them with files
# of its own.
source "$(dirname "$0")/lib.sh"

OUTSIDE="$WORK/fremd"
SECRET="$OUTSIDE/geheim"
mkdir -p "$DATA" "$OUTSIDE"
# A valid shift mark of 10 January 2024 followed by text: read, it would
# show in the calendar and go into the next save.
printf '\x14\x4d\x00\x00\x01\x02GEHEIMNIS' >"$SECRET"
chmod 600 "$SECRET"
cp -p "$SECRET" "$WORK/geheim.vorher"
for f in Schichtmarkierung.dat Kalendermarkierung.dat Einstellungen.dat Schulferien.dat; do
  ln -s "$SECRET" "$DATA/$f"
done

start_app 2024-01-15 || exit 1
focus_window '^Fehler$' || fail "no message about the links"
keys Return
gone '^Fehler$' || fail "message stayed open"
main_focus

# One shift mark on 15 January (day 0x4d19), saved at once.
keys 3
focus_window '^Schichtmarkierung eingeben$' && keys u
gone '^Schichtmarkierung eingeben$' || fail "mark window stayed open"
main_focus
stop_app

cmp -s "$SECRET" "$WORK/geheim.vorher" || fail "the outside file was changed"
[ "$(stat -c %a "$SECRET")" = 600 ] || fail "the outside file's mode changed"
[ -L "$DATA/Schichtmarkierung.dat" ] && fail "the saved marks went through the link"
[ "$(stat -c %s "$DATA/Schichtmarkierung.dat" 2>/dev/null)" = 6 ] || fail "the marks file holds more than the one new mark"
[ "$(head -c 4 "$DATA/Schichtmarkierung.dat" | od -An -tx1 | tr -d ' ')" = "194d0000" ] || fail "the new mark is not in the file"
[ -L "$DATA/Einstellungen.dat" ] && fail "the settings were saved through the link"
grep -rlaF GEHEIMNIS "$WORK/SKDaten" --no-messages | grep -q . && fail "the outside file's bytes are in the data folder"
finish
