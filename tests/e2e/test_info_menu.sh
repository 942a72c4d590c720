#!/bin/bash
# The info menu "Info" (F12 and the button) with its keys, each help text in
# its own window, key I for "Programminfo", Esc choosing nothing.
source "$(dirname "$0")/lib.sh"

TODAY='2024-01-15 10:00:00'
start_app || exit 1

# Window size in pixels of a window with that exact title.
size_of_window() { window_size "$(window_id "^$1\$")"; }

# F12 opens the menu: 25 x 27 units; a screenshot for a look at it.
main_focus
keys F12
MENU=$(window_id '^Info$') || fail "F12 did not open \"Info\""
if [ -n "$MENU" ]; then
  [ "$(size_of_window Info)" = "$((25 * U))x$((27 * R))" ] || fail "\"Info\" is $(size_of_window Info), expected $((25 * U))x$((27 * R))"
  xdotool mousemove 0 0; settle   # no tooltip over the buttons
  shot "$WORK/info_menu.png" "$MENU"
  # Esc chooses nothing: the menu closes and no other window opens.
  press_in '^Info$' Escape
  gone '^Info$' || fail "Esc did not close \"Info\""
fi

# Each key of the second group opens its text; the menu is closed first.
check_key() {  # key, title, height in rows
  local key=$1 title=$2 rows=$3
  main_focus
  keys F12
  press_in '^Info$' "$key" || return
  local id
  id=$(window_id "^$title\$") || { fail "key $key did not open \"$title\""; return; }
  gone '^Info$' || fail "\"Info\" still open behind \"$title\""
  [ "$(size_of_window "$title")" = "$((98 * U))x$((rows * R))" ] ||
    fail "\"$title\" is $(size_of_window "$title"), expected $((98 * U))x$((rows * R))"
  press_in "^$title\$" Escape
  gone "^$title\$" || fail "Esc did not close \"$title\""
}
check_key p Programminfo 22
check_key t Tastaturbelegung 38
check_key i Schichtmarkierung 39
check_key k Kalendermarkierung 9
check_key n "Infos zu den Notizen und Markierungen" 39
check_key r Programm 39
check_key a "Benutzername und Passwort" 13
check_key E Programmeinstellungen 39

# The button "Info" opens the menu as F12 does (button row at y = r/5).
A=$(python3 -c "print(round($U * 8.7))")
L=$((U * (126 - 106) / 2))
B4=$((L + U + 4 * A + 4 * A + U + 2 * A))
main_focus
xdotool mousemove --window "$WID" $((B4 + A + A / 2)) $((R / 5 + R / 2)) click 1
press_in '^Info$' Escape

# Key I in the main window opens "Programminfo" directly.
main_focus
keys i
press_in '^Programminfo$' Escape
gone '^Programminfo$' || fail "Esc did not close \"Programminfo\""
stop_app

# The first group opens the three lists; each closes with Esc and the
# program goes on (a fresh start each, so one fault does not hide the next).
check_list() {  # key, title
  start_app || return
  keys F12
  press_in '^Info$' "$1" || { stop_app; return; }
  if window_id "^$2\$" >/dev/null; then
    press_in "^$2\$" Escape
    gone "^$2\$" || fail "Esc did not close \"$2\""
  else
    fail "key $1 did not open \"$2\""
  fi
  kill -0 "$APP" 2>/dev/null || fail "the program ended after closing \"$2\""
  stop_app
}
check_list m Jahresstunden
check_list s Schulferien
check_list f Feiertage

finish
