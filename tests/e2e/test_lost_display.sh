#!/bin/bash
# A logout that takes the X server away without sending a signal: the
# program keeps the changed setting and the unsaved note text as it does at a
# termination signal, and the next start offers the note back.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/note_recovery_e2e_lib.sh"

RECOVERY="$DATA/Notiz-Wiederherstellung.dat"
NOTE_TITLE='^Notizen für den 15\.01\.2024$'

start_app 2024-01-15 || exit 1
keys b   # calendar type 2: a setting saved only when the program ends
keys t
focus_window "$NOTE_TITLE" || exit 1
type_text 'Nicht verlieren'

# Only the script's own X server is taken away.
kill "$SK_E2E_XVFB"
wait_for_exit 10 || { fail "the lost display did not end the program"; kill -9 "$APP"; }
wait "$APP"; rc=$?; APP=""
[ $rc -eq 0 ] || fail "exit status $rc after the lost display"
grep -q 'Verbindung zur Anzeige' "$WORK/stderr.txt" || fail "stderr does not name the lost display"
expect_setting Programm Schichtart 2 "lost display"
grep -aq 'Nicht verlieren' "$RECOVERY" 2>/dev/null || fail "no recovery copy with the note text"
expect_missing "$DATA/20240015.txt"
ls "$DATA" | grep -q '\.tmp-' && fail "temporary files left: $(ls "$DATA")"

# The next start, on a new display, offers the copy.
start_xvfb "$WORK/display2" || { fail "no second X server"; finish; }
next_start_restores 'Nicht verlieren' "$RECOVERY"
finish
