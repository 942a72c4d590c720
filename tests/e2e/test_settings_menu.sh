#!/bin/bash
# The program menu: each letter key reaches its window, the chooser sets the
# calendar type, the greyed background button's key still works, and the
# main-window keys open the login and the settings.
source "$(dirname "$0")/lib.sh"

FILE=$(settings_of Programm)
menu() {  # opens the program menu and presses a key in it
  main_focus
  keys F10
  focus_window '^Programm$' || return 1
  MENU=$FOCUSED
  [ -n "${1:-}" ] && keys "$1"
  return 0
}
reaches() {  # key, window title: the key in the menu opens that window, Esc closes it
  menu "$1" || return
  focus_window "^$2\$" || { fail "menu key $1 did not open '$2'"; return; }
  keys Escape
  gone "^$2\$" || fail "'$2' did not close on Esc"
}

start_app || exit 1
xdotool mousemove 1590 990
main_units
menu && shot "$WORK/program_menu.png" "$MENU"
geom=$(window_size "$MENU")
# 25 widths, and 11 more for its longest label "Für Kalender-App exportieren..." to be shown whole.
[ "${geom%x*}" -ge $((35 * U)) ] && [ "${geom%x*}" -le $((37 * U)) ] || fail "menu width ${geom%x*} for u=$U"
keys Escape
gone '^Programm$' || fail "Esc did not close the menu"

reaches s Schriftart
reaches v "Wähle das neue Programmverzeichnis"
reaches e Programmeinstellungen
reaches K Kalender
reaches p "Stunden eingeben"
reaches U "Urlaub eingeben"

# Info opens the help text "Programm", 98 widths wide, after the menu closed.
menu i
HELP=$(window_id '^Programm$')
geom=$(window_size "$HELP")
[ "${geom%x*}" -ge $((97 * U)) ] || fail "help window width ${geom%x*}, u=$U"
take_focus "$HELP"; keys Escape
gone '^Programm$' || fail "help window did not close"

# The chooser sets the type: "Velmo Kessbach" is its seventh button.
menu k
focus_window '^Kalender$' && shot "$WORK/chooser.png" "$FOCUSED"
click_in "$FOCUSED" $((12 * U)) $(( R + 13 * R - R / 3 + R ))
gone '^Kalender$' || fail "a chooser button did not close the chooser"

# On the half-year page the background button is greyed, its key still works.
main_focus
keys x
menu && shot "$WORK/program_menu_type5.png" "$MENU"
keys h
focus_window '^Hintergrundfarbe$' || fail "H in the menu did not open the colour chooser in type 5"
keys Escape
main_focus
keys h
# A chooser that opens late is still caught.
window_id '^Hintergrundfarbe$' 2 >/dev/null && fail "main-window H worked in type 5"
keys v   # leave the half-year page: type 6

# The main-window keys of this group.
for k in F11 a; do
  main_focus; keys "$k"
  focus_window '^Anmeldung$' || fail "key $k did not open the login"
  keys Escape; gone '^Anmeldung$' || fail "login did not close"
done
main_focus; keys e
focus_window '^Programmeinstellungen$' || fail "key E did not open the settings"
keys Escape
stop_app
expect_setting Programm Schichtart 6 "after the chooser and V"
# Still the default folder, which is written empty so that a copy uses itself.
expect_setting Programm Anwenderverzeichnis "" "a cancelled folder chooser"

# The chooser's choice alone is saved as the type.
start_app || exit 1
main_units
menu k; focus_window '^Kalender$'
click_in "$FOCUSED" $((12 * U)) $(( R + 5 * R - R / 3 + R ))   # third button: "Haldenau Standard"
gone '^Kalender$' || fail "chooser did not close"
stop_app
expect_setting Programm Schichtart 5 "chooser"

finish
