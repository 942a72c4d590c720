#!/bin/bash
# The window "Lösche Notizen und Markierungen": each box removes exactly its
# kind, day notes and marks up to the chosen day, the others whatever the day.
source "$(dirname "$0")/lib.sh"

mkdir -p "$DATA"
for f in 20240014 20240015 20240016; do printf 'Tag %s' "$f" >"$DATA/$f.txt"; done
printf 'alle sieben Tage' >"$DATA/11.7.tnt"
printf 'Geburtstag' >"$DATA/15.jnt"
printf 'zweiter Montag' >"$DATA/10011.wmt"
# Calendar marks 8-28 January 2024 (days 19730-19750) and 19-24 January (19740-19745).
printf '\x12\x4d\x00\x00\x26\x4d\x00\x00\xef\xc2\xa1\x00\x1c\x4d\x00\x00\x21\x4d\x00\x00\xef\xc2\xa1\x00' \
  >"$DATA/Kalendermarkierung.dat"
# Shift marks on 14 January (crew 1) and 19 January (crew 2).
printf '\x18\x4d\x00\x00\x01\x01\x1c\x4d\x00\x00\x02\x02' >"$DATA/Schichtmarkierung.dat"

# Monday, 15 January 2024; the window starts on the selected day.
start_app 2024-01-15 || exit 1
# The notes of today greet the user first.
focus_window '^Notizen für den 15\.01\.2024$' && keys Escape
gone '^Notizen für den' || fail "notes of today stayed open"

# Focus starts in the date field; Tab walks the six boxes, then "Löschen".
open_delete() { main_focus; keys l; focus_window '^Lösche Notizen und Markierungen$'; }
# tick 'n n ...': ticks the boxes at those Tab steps (1-6) and presses "Löschen".
tick_and_delete() {
  local at=0 n
  for n in $1; do while [ $at -lt "$n" ]; do keys Tab; at=$((at + 1)); done; keys space; done
  while [ $at -lt 7 ]; do keys Tab; at=$((at + 1)); done
  keys space
}

# With every box clear "Löschen" does nothing.
open_delete || exit 1
shot "$SHOTS/delete-window.png" "$FOCUSED"
tick_and_delete ''
# A question that comes late is still caught.
window_id '^Frage$' 2 >/dev/null && fail "asked with no box ticked"
xdotool search --onlyvisible --name '^Lösche Notizen' >/dev/null || fail "window closed with no box ticked"
focus_window '^Lösche Notizen' && keys Escape
gone '^Lösche Notizen' || fail "Esc did not close the delete window"

# "Nein" deletes nothing.
open_delete || exit 1
tick_and_delete '1 4'
answer Nein
gone '^Lösche Notizen' || fail "window stayed open after Nein"
[ -f "$DATA/20240014.txt" ] && [ -f "$DATA/11.7.tnt" ] || fail "Nein deleted files"

# Day notes up to the 15th and all periodic notes.
open_delete || exit 1
tick_and_delete '1 4'
answer Ja Nein-first
gone '^Lösche Notizen' || fail "window stayed open after Ja"
expect_missing "$DATA/20240014.txt"
expect_missing "$DATA/20240015.txt"
expect_bytes "$DATA/20240016.txt" 'Tag 20240016'
expect_missing "$DATA/11.7.tnt"
expect_bytes "$DATA/15.jnt" 'Geburtstag'
expect_bytes "$DATA/10011.wmt" 'zweiter Montag'
expect_bytes "$DATA/Kalendermarkierung.dat" \
  '\x12\x4d\x00\x00\x26\x4d\x00\x00\xef\xc2\xa1\x00\x1c\x4d\x00\x00\x21\x4d\x00\x00\xef\xc2\xa1\x00'
expect_bytes "$DATA/Schichtmarkierung.dat" '\x18\x4d\x00\x00\x01\x01\x1c\x4d\x00\x00\x02\x02'

# Shift and calendar marks up to the 15th: the mark that starts on the 8th
# goes although it ends later; what starts after the 15th stays.
open_delete || exit 1
tick_and_delete '2 3'
answer Ja Nein-first
gone '^Lösche Notizen' || fail "window stayed open after Ja"
expect_bytes "$DATA/Kalendermarkierung.dat" '\x1c\x4d\x00\x00\x21\x4d\x00\x00\xef\xc2\xa1\x00'
expect_bytes "$DATA/Schichtmarkierung.dat" '\x1c\x4d\x00\x00\x02\x02'
expect_bytes "$DATA/20240016.txt" 'Tag 20240016'

# Yearly and weekday-in-month notes go whatever the date.
open_delete || exit 1
tick_and_delete '5 6'
answer Ja Nein-first
gone '^Lösche Notizen' || fail "window stayed open after Ja"
expect_missing "$DATA/15.jnt"
expect_missing "$DATA/10011.wmt"
expect_bytes "$DATA/20240016.txt" 'Tag 20240016'
stop_app
# The marks left were kept through the end of the program.
expect_bytes "$DATA/Kalendermarkierung.dat" '\x1c\x4d\x00\x00\x21\x4d\x00\x00\xef\xc2\xa1\x00'
expect_bytes "$DATA/Schichtmarkierung.dat" '\x1c\x4d\x00\x00\x02\x02'
finish
