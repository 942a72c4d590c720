#!/bin/bash
# Yearly and weekday-in-month notes, the note menu and the overview through
# their windows: the files a user keeps, byte for byte.
source "$(dirname "$0")/lib.sh"

# Tuesday, 26 May 2015: the last Tuesday of May.
start_app 2015-05-26 || exit 1

# The overview of months without notes only says so.
keys u
focus_window '^Information$' && keys Return
gone '^Information$' || fail "no-notes message stayed open"
main_focus

# W: opens on "letzten" Tuesday of "Mai"; saving stores code 10424.
keys w
focus_window '^Wochentag im Monat$' || exit 1
type_text 'Versammlung'
shot "$SHOTS/weekday-window.png" "$FOCUSED"
keys Escape
answer Ja
gone '^Wochentag im Monat$' || fail "weekday window stayed open"
expect_bytes "$DATA/10424.wmt" 'Versammlung'
[ "$(ls "$DATA" | grep -c '\.wmt$')" = 1 ] || fail "other weekday files: $(ls "$DATA")"

# J with "Einsetzen" for 1980 (editor, four buttons, the year field, the button).
main_focus
keys j
focus_window '^Jährliche Notizen für den 26\.05\.2015$' || exit 1
keys ctrl+Tab Tab Tab Tab Tab ctrl+a
type_text '1980'
keys Tab space
shot "$SHOTS/yearly-window.png" "$FOCUSED"
keys Escape
answer Ja
gone '^Jährliche' || fail "yearly window stayed open"
expect_bytes "$DATA/426.jnt" '<1980>. Geburtstag'

# The note menu: its key T opens the day-note window.
main_focus
keys F9
focus_window '^Notiz$' || exit 1
shot "$SHOTS/note-menu.png" "$FOCUSED"
keys t
gone '^Notiz$' || fail "note menu stayed open"
focus_window '^Notizen für den 26\.05\.2015$' || exit 1
type_text 'Urlaub beantragen'
keys Escape
answer Ja
expect_bytes "$DATA/20150426.txt" 'Urlaub beantragen'

# The overview lists the day with its three notes; the year marker is counted.
main_focus
keys u
focus_window '^Übersicht der Notizen' || exit 1
shot "$SHOTS/overview.png" "$FOCUSED"
keys ctrl+a ctrl+c
printf '26.05.2015\nUrlaub beantragen\n35. Geburtstag\nVersammlung' >"$WORK/overview-want.txt"
# The clipboard's owner answers in its own time: read again for up to 10 s.
overview_reads() { clip_text >"$WORK/overview.txt"; cmp -s "$WORK/overview.txt" "$WORK/overview-want.txt"; }
within overview_reads || fail "overview reads: $(cat -A "$WORK/overview.txt")"
keys Escape
gone '^Übersicht' || fail "overview stayed open"
stop_app
finish
