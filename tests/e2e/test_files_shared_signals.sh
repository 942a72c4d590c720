#!/bin/bash
# The program among other programs: pipes in place of its data files, another
# instance writing marks into the same folder, and a note window holding
# unsaved text when the session ends by a signal.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/note_recovery_e2e_lib.sh"

RECOVERY="$DATA/Notiz-Wiederherstellung.dat"
NOTE_TITLE='^Notizen für den 15\.01\.2024$'
# wait_end: the program must end by itself after a signal (at most 5 s).
wait_end() {
  wait_for_exit || { fail "$1 did not end the program"; kill -9 "$APP"; }
  wait "$APP"; APP=""
}

# Pipes named like the settings and account files do not hold up the start.
mkdir -p "$DATA"
for f in "$WORK/SKDaten/Einstellungen.dat" "$DATA/Einstellungen.dat" "$DATA/Urlaubstage.dat" "$DATA/Minusstunden.dat"; do
  mkfifo "$f"
done
start_app 2024-01-15 || exit 1

# Another instance saved a shift mark of 10 January (day 19732 = 0x4d14)
# meanwhile; this one enters 15 January (0x4d19): the file keeps both.
printf '\x14\x4d\x00\x00\x01\x02' >"$DATA/Schichtmarkierung.dat"
keys 3
focus_window '^Schichtmarkierung eingeben$' && keys u
gone '^Schichtmarkierung eingeben$' || fail "mark window stayed open"
main_focus
[ "$(stat -c %s "$DATA/Schichtmarkierung.dat")" = 12 ] || fail "marks file does not hold both marks"
[ "$(head -c 6 "$DATA/Schichtmarkierung.dat" | od -An -tx1 | tr -d ' ')" = "144d00000102" ] ||
  fail "the other instance's mark was lost"

# SIGTERM with unsaved text in the day-note window: the program ends, the text
# goes to the recovery copy, the marks are kept.
keys t
focus_window "$NOTE_TITLE" || exit 1
type_text 'Nicht verlieren'
kill -TERM "$APP"
wait_end "SIGTERM with an open note"
[ -f "$RECOVERY" ] || fail "no recovery copy after SIGTERM"
grep -aq 'Nicht verlieren' "$RECOVERY" 2>/dev/null || fail "recovery copy lacks the text"
expect_missing "$DATA/20240015.txt"
[ "$(stat -c %s "$DATA/Schichtmarkierung.dat")" = 12 ] || fail "marks lost at SIGTERM"
[ -f "$DATA/Einstellungen.dat" ] || fail "settings not saved at SIGTERM"

ls "$DATA" | grep -q '\.tmp-' && fail "temporary files left: $(ls "$DATA")"

# The next start offers the copy; "Ja" makes it the note and drops the copy.
next_start_restores 'Nicht verlieren' "$RECOVERY"
finish
