#!/bin/bash
# The password of the logged-in user enciphers new notes; reopening the note
# shows the plain text and, unchanged, rewrites nothing.
source "$(dirname "$0")/lib.sh"

start_app 2024-01-15 || exit 1
keys a
focus_window '^Anmeldung$' || exit 1
type_text 'Anna'
keys Tab
type_text 'abc'
keys Return
gone '^Anmeldung$' || fail "login window stayed open"
focus_window '^Velmo Schichtkalender.*Anna' || exit 1
WID=$FOCUSED
ANNA="$WORK/SKDaten/Anna"

keys t
focus_window '^Notizen für den 15\.01\.2024$' || exit 1
type_text 'äb'
keys Escape
answer Ja
# a XOR k per character, three digits each: 228 ^ 97 = 133, 98 ^ 98 = 0.
expect_bytes "$ANNA/20240015.txt" '133000'
expect_missing "$DATA/20240015.txt"

touch -d '2020-01-01' "$ANNA/20240015.txt"
main_focus
keys t
focus_window '^Notizen für den 15\.01\.2024$' || exit 1
keys ctrl+a ctrl+c
# The clipboard's owner answers in its own time: read again for up to 10 s.
editor_shows() { shows=$(clip_text); [ "$shows" = 'äb' ]; }
within editor_shows || fail "editor shows '$shows'"
keys Escape
gone '^Notizen für den' || fail "unchanged window asked or stayed open"
[ "$(stat -c %Y "$ANNA/20240015.txt")" = "$(date -d 2020-01-01 +%s)" ] || fail "unchanged enciphered note was rewritten"
stop_app
finish
