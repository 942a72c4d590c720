#!/bin/bash
# Under a dark theme the program's own beige keeps dark text (contrast of
# at least 4.5:1 in the status line and the labels of its windows), and
# every control of the windows opened here has a name a screen reader can
# say.
SK_E2E_ATSPI=1
source "$(dirname "$0")/lib.sh"
export GTK_THEME=Adwaita:dark

start_app 2024-01-15 || exit 1
# readable shot x y w h: the text in that part of the picture stands out.
readable() {
  local r; r=$(/usr/bin/python3 "$E2E_DIR/contrast.py" "$@")
  awk -v r="$r" 'BEGIN { exit !(r >= 4.5) }' || { echo "contrast $r in $1 at $2,$3"; return 1; }
}
named() { /usr/bin/python3 "$E2E_DIR/atspi_unnamed.py" "$1" || fail "unnamed controls in '$1'"; }

named '^Velmo Schichtkalender'
shot "$SHOTS/main.png"
readable "$SHOTS/main.png" $((U + 3)) $(( (R * 346 + 5) / 10 + 3 )) $((40 * U)) $((R - 2)) ||
  fail "the day info field is hard to read"

# The windows of the two account fields: labels on the program's beige.
for title in "Stunden eingeben" "Urlaub eingeben"; do
  open_account_window "$title" || continue
  named "^$title\$"
  shot "$SHOTS/$title.png" "$FOCUSED"
  readable "$SHOTS/$title.png" "$U" "$R" $((11 * U)) $((3 * R / 2)) || fail "the labels of '$title' are hard to read"
  # Keyboard alone: a digit typed, then Return on the focused "Abbruch" keeps the account as it was.
  before=$(cat "$DATA"/*.dat 2>/dev/null | md5sum)
  type_text 5
  for _ in $(seq 8); do
    [[ "$(/usr/bin/python3 "$E2E_DIR/atspi_focus.py" "^$title\$")" == *Abbruch ]] && break; keys Tab
  done
  keys Return
  within gone "^$title\$" || fail "'$title' stayed open"
  [ "$(cat "$DATA"/*.dat 2>/dev/null | md5sum)" = "$before" ] || fail "Return on 'Abbruch' in '$title' saved"
done

# A date field and the note windows.
for step in "d Datum eingeben" "t Notizen für den" "j Jährliche Notizen" "p Periodische Notizen" \
            "w Wochentag im Monat"; do
  read -r key title <<<"$step"
  main_focus; keys "$key"
  focus_window "^$title" || continue
  named "^$title"
  keys Escape
  within gone "^$title" || fail "'$title' stayed open"
done

# The windows of the program menu and the mark windows: every text that
# stands on its own there is readable, every control named.
labels_readable() {  # title regex
  local x y w h text
  shot "$SHOTS/labels.png" "$FOCUSED"
  while read -r x y w h text; do
    readable "$SHOTS/labels.png" "$x" "$y" "$w" "$h" || fail "'$text' in '$1' is hard to read"
  done < <(/usr/bin/python3 "$E2E_DIR/atspi_labels.py" "$1")
}
for step in "F10 Programm:a Kalender-Abgleich" "F10 Programm:r Erinnerungen" "F10 Programm:g Eigener Schichtplan" \
            "F10 Programm:e Programmeinstellungen" "k - Eingabe einer Kalendermarkierung" \
            "3 - Schichtmarkierung eingeben" "F9 Notiz:s Schichtspalte eingeben"; do
  read -r key entry title <<<"$step"   # entry: menu window:key
  main_focus; keys "$key"
  [ "$entry" = - ] || press_in "^${entry%%:*}\$" "${entry#*:}"
  focus_window "^$title\$" || continue
  named "^$title\$"
  labels_readable "^$title\$"
  keys Escape
  within gone "^$title\$" || fail "'$title' stayed open"
done

# Keyboard alone: Tab goes through "Kalender-Abgleich" as it is laid out
# (row by row, left to right, then round to the first field again); Return
# presses "Jetzt abgleichen" (which asks for the missing address), Esc closes.
focused_at() { /usr/bin/python3 "$E2E_DIR/atspi_focus.py" '^Kalender-Abgleich$'; }
main_focus; keys F10; press_in '^Programm$' a
if focus_window '^Kalender-Abgleich$'; then
  order=$(focused_at)
  for _ in $(seq 10); do keys Tab; order+=$'\n'$(focused_at); done
  # Lines "x y role: name" (a drop-down list's inner button gives none); one step back to the top only.
  backs=$(awk 'NF { if (n++ && ($2 < py || ($2 == py && $1 <= px))) b++; px = $1; py = $2 } END { print b + 0 }' <<<"$order")
  [ "$backs" = 1 ] || fail "Tab does not follow the layout of 'Kalender-Abgleich': $order"
  grep -q 'Jetzt abgleichen' <<<"$order" || fail "Tab never reached 'Jetzt abgleichen': $order"
  for _ in $(seq 10); do [ "$(focused_at)" = "$(head -1 <<<"$order")" ] && break; keys Tab; done   # the address field
  keys Return
  focus_window '^Information$' && keys Return || fail "Return in the address field did not start a sync"
  take_focus "$(window_id '^Kalender-Abgleich$')"
  keys Escape
  within gone '^Kalender-Abgleich$' || fail "Esc did not close 'Kalender-Abgleich'"
fi

# A message box is announced by its German title, not the toolkit's word.
main_focus
xdotool mousemove --window "$WID" $((3 * U)) $(( (R * 364 + 5) / 10 + R / 2 )) click 1; settle
focus_window '^Information$' && { named '^Information$'; keys Return; }
stop_app
finish
