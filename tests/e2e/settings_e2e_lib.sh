#!/bin/bash
# Pieces of the settings and login end-to-end tests, sourced after lib.sh:
# reading the notes of the cursor day through the notes window, and writing
# a note enciphered with a password.

# The notes of the cursor day as the notes window shows them, in NOTES ("" when
# the day has none: the program then says so in a message that is closed here).
# Not meant for $(...): a failure on the way must count in this shell.
notes_of_cursor_day() {
  NOTES=""
  main_units
  xdotool mousemove --window "$WID" $((5 * U)) $(( (364 * R + 5) / 10 + R / 2 )) click 1
  settle; xdotool mousemove 1590 990
  local dlg
  dlg=$(window_id '^(Notizen für den .*|Information)$' 5) || { NOTES="<no window>"; return; }
  take_focus "$dlg"
  if [ "$(xdotool getwindowname "$dlg")" = "Information" ]; then keys Return; main_focus; return; fi
  printf '' | xclip -selection clipboard -i
  keys ctrl+a ctrl+c
  # The copy replaces the emptied clipboard; its owner answers in its own time.
  within copied_notes
  keys Escape
  main_focus
}
copied_notes() { NOTES=$(clip_text); [ -n "$NOTES" ]; }
# A note enciphered as the program does it: each character (ISO 8859-1) XOR
# the key byte in turn, written as three decimal digits.
write_enciphered_note() {  # file text password
  python3 - "$1" "$2" "$3" <<'PY'
import sys
path, text, key = sys.argv[1], sys.argv[2].encode('latin-1'), sys.argv[3].encode('latin-1')
with open(path, 'wb') as f:
    f.write(''.join('%03d' % (c ^ key[i % len(key)]) for i, c in enumerate(text)).encode())
PY
}
