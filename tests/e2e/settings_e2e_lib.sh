#!/bin/bash
# Pieces of the settings and login end-to-end tests, sourced after lib.sh:
# reading the notes of the cursor day through the notes window, and writing
# a note enciphered with a password.

# The notes of the cursor day as the notes window shows them ("" when the
# day has none: the program then says so in a message that is closed here).
notes_of_cursor_day() {
  main_units
  xdotool mousemove --window "$WID" $((5 * U)) $(( (364 * R + 5) / 10 + R / 2 )) click 1
  settle; xdotool mousemove 1590 990
  local dlg
  dlg=$(window_id '^(Notizen für den .*|Information)$' 5) || { echo "<no window>"; return; }
  xdotool windowfocus --sync "$dlg" 2>/dev/null; settle
  if [ "$(xdotool getwindowname "$dlg")" = "Information" ]; then keys Return; main_focus; echo ""; return; fi
  printf '' | xclip -selection clipboard -i
  keys ctrl+a ctrl+c
  timeout 3 xclip -selection clipboard -o 2>/dev/null
  keys Escape
  main_focus
}
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
