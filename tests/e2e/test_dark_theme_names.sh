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
for field in "117 346 Stunden eingeben" "120 364 Urlaub eingeben"; do
  read -r x y title <<<"$field"
  main_focus
  xdotool mousemove --window "$WID" $((U * x + 2 * U)) $(( (R * y + 5) / 10 + R / 2 )) click 1; settle
  focus_window "^$title\$" || continue
  named "^$title\$"
  shot "$SHOTS/$title.png" "$FOCUSED"
  readable "$SHOTS/$title.png" "$U" "$R" $((11 * U)) $((3 * R / 2)) || fail "the labels of '$title' are hard to read"
  keys Escape
  within gone "^$title\$" || fail "'$title' stayed open"
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

# A message box is announced by its German title, not the toolkit's word.
main_focus
xdotool mousemove --window "$WID" $((3 * U)) $(( (R * 364 + 5) / 10 + R / 2 )) click 1; settle
focus_window '^Information$' && { named '^Information$'; keys Return; }
stop_app
finish
