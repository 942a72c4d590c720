#!/bin/bash
# Day notes and periodic notes through their windows: the files a user keeps,
# byte for byte, and what the calendar shows afterwards.
source "$(dirname "$0")/lib.sh"

notes_field_colours() {  # of the notes status field in a screenshot of the main window
  colours_in "$1" $((U + 4)) $(( (R * 364 + 5) / 10 + 3 )) $((U * 30)) $((R - 2))
}
# more_colours file: the notes field shows more than it did without a note.
more_colours() { after=$(notes_field_colours "$1"); [ "$after" -gt "$before" ]; }

# Monday, 15 January 2024: day number 19737, NoteDateCode 20240015.
start_app 2024-01-15 || exit 1
still_shot "$SHOTS/main-empty.png" ""
before=$(notes_field_colours "$SHOTS/main-empty.png")

# T, a text over two lines, Esc and "Ja": the file holds exactly those bytes.
keys t
focus_window '^Notizen für den 15\.01\.2024$' || exit 1
type_text 'Frühschicht tauschen'
keys Return
type_text 'mit Maria  '
shot "$SHOTS/day-window.png" "$FOCUSED"
keys Escape
answer Ja
gone '^Notizen für den' || fail "day-note window stayed open"
expect_bytes "$DATA/20240015.txt" 'Fr\374hschicht tauschen\r\nmit Maria'
shot_until "$SHOTS/main-with-note.png" "" more_colours "$SHOTS/main-with-note.png" ||
  fail "status line shows no note ($before -> $after colours, picture kept: $KEPT)"

# Opening it again and leaving unchanged touches no file.
touch -d '2020-01-01' "$DATA/20240015.txt"
keys t; focus_window '^Notizen für den' && keys Escape
gone '^Notizen für den' || fail "unchanged window did not close on Esc"
main_focus
[ "$(stat -c %Y "$DATA/20240015.txt")" = "$(date -d 2020-01-01 +%s)" ] || fail "unchanged note was rewritten"

# A text with a character the file cannot hold is refused, the window stays.
keys Down t
focus_window '^Notizen für den 16\.01\.2024$' || exit 1
type_text 'Kosten 5 €'
keys Escape
answer Ja
focus_window '^Fehler$' && { shot "$SHOTS/refusal.png" "$FOCUSED"; keys Return; }
xdotool search --onlyvisible --name '^Notizen für den 16' >/dev/null || fail "window closed despite the euro sign"
expect_missing "$DATA/20240016.txt"
focus_window '^Notizen für den 16' && keys Escape
answer Nein
gone '^Notizen für den' || fail "Esc and Nein did not close"

# "Nein" leaves no file.
expect_missing "$DATA/20240016.txt"

# "Lösche Notiz" removes the note of 15 January (Tab order: editor, four buttons).
main_focus
keys Up t
focus_window '^Notizen für den 15\.01\.2024$' || exit 1
keys ctrl+Tab Tab Tab Tab space
gone '^Notizen für den' || fail "Lösche Notiz did not close"
expect_missing "$DATA/20240015.txt"

# P with period 14: anchor (19737 mod 14) + 14 = 11 + 14 = 25.
main_focus
keys p
focus_window '^Periodische Notizen am 15\.01\.2024$' || exit 1
type_text 'Zahltag'
shot "$SHOTS/periodic-window.png" "$FOCUSED"
# From the editor to the period field: ctrl+Tab, then the four buttons.
keys ctrl+Tab Tab Tab Tab Tab ctrl+a
type_text '14'
keys Tab
keys Escape
answer Ja
gone '^Periodische' || fail "periodic window stayed open"
expect_bytes "$DATA/25.14.tnt" 'Zahltag'
ls "$DATA"/*.tnt | grep -qv '25.14.tnt' && fail "other periodic files: $(ls "$DATA")"

# Pasting 9000 characters cuts the note to 8191 and says so once.
main_focus
head -c 9000 /dev/zero | tr '\0' 'x' | xclip -selection clipboard
# xclip serves the text from the background: pasted only once it does (10 s).
clip_chars() { [ "$(clip_text | wc -c)" = 9000 ]; }
within clip_chars || fail "the 9000 characters did not reach the clipboard"
keys Down Down t
focus_window '^Notizen für den 17\.01\.2024$' || exit 1
keys ctrl+v
focus_window '^Info$' && { shot "$SHOTS/cut-message.png" "$FOCUSED"; keys Return; }
gone '^Info$' || fail "length message stayed open"
focus_window '^Notizen für den 17' && keys Escape
answer Ja
gone '^Notizen für den' || fail "day-note window stayed open after the cut"
[ "$(stat -c %s "$DATA/20240017.txt" 2>/dev/null)" = 8191 ] || fail "cut note holds $(stat -c %s "$DATA/20240017.txt" 2>/dev/null) bytes"
stop_app
finish
