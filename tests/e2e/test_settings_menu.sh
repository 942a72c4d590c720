#!/bin/bash
# The program menu: each letter key reaches its window, the chooser sets the
# calendar type, the greyed background button's key still works, and the
# main-window keys open the login and the settings.
set -u
source "$(dirname "$(readlink -f "$0")")/settings_e2e_lib.sh"

FILE=$(settings_of Programm)
menu() {  # opens the program menu and presses a key in it
  refocus_main
  keys F10
  focus_window Programm || return 1
  MENU=$DLG
  [ -n "${1:-}" ] && keys "$1"
  return 0
}
reaches() {  # key, window title: the key in the menu opens that window, Esc closes it
  menu "$1" || return
  focus_window "$2" || { fail "menu key $1 did not open '$2'"; return; }
  keys Escape
  window_gone "$2" || fail "'$2' did not close on Esc"
}

start_app || exit 1
xdotool mousemove 1590 990
main_units
menu && shot "$MENU" program_menu.png
geom=$(xdotool getwindowgeometry "$MENU" | awk '/Geometry/ {print $2}')
[ "${geom%x*}" -ge $((24 * U)) ] && [ "${geom%x*}" -le $((26 * U)) ] || fail "menu width ${geom%x*} for u=$U"
keys Escape
window_gone Programm || fail "Esc did not close the menu"

reaches s Schriftart
reaches v "Wähle das neue Programmverzeichnis"
reaches e Programmeinstellungen
reaches K Kalender
reaches p "Stunden eingeben"
reaches U "Urlaub eingeben"

# Info opens the help text "Programm", 98 widths wide, after the menu closed.
menu i
sleep 0.5
HELP=$(xdotool search --onlyvisible --name '^Programm$' | tail -1)
geom=$(xdotool getwindowgeometry "$HELP" | awk '/Geometry/ {print $2}')
[ "${geom%x*}" -ge $((97 * U)) ] || fail "help window width ${geom%x*}, u=$U"
xdotool windowfocus --sync "$HELP"; keys Escape
window_gone Programm || fail "help window did not close"

# The chooser sets the type: "Velmo Kessbach" is its seventh button.
menu k
focus_window Kalender && shot "$DLG" chooser.png
click_in "$DLG" $((12 * U)) $(( R + 13 * R - R / 3 + R ))
window_gone Kalender || fail "a chooser button did not close the chooser"

# On the half-year page the background button is greyed, its key still works.
refocus_main
keys x
menu && shot "$MENU" program_menu_type5.png
keys h
focus_window Hintergrundfarbe || fail "H in the menu did not open the colour chooser in type 5"
keys Escape
refocus_main
keys h
sleep 0.5
xdotool search --onlyvisible --name '^Hintergrundfarbe$' >/dev/null && fail "main-window H worked in type 5"
keys v   # leave the half-year page: type 6

# The main-window keys of this group.
for k in F11 a; do
  refocus_main; keys "$k"
  focus_window Anmeldung || fail "key $k did not open the login"
  keys Escape; window_gone Anmeldung || fail "login did not close"
done
refocus_main; keys e
focus_window Programmeinstellungen || fail "key E did not open the settings"
keys Escape
stop_app
expect_setting Programm Schichtart 6 "after the chooser and V"
expect_setting Programm Anwenderverzeichnis "$WORK/SKDaten/" "a cancelled folder chooser"

# The chooser's choice alone is saved as the type.
start_app || exit 1
main_units
menu k; focus_window Kalender
click_in "$DLG" $((12 * U)) $(( R + 5 * R - R / 3 + R ))   # third button: "Haldenau Standard"
window_gone Kalender || fail "chooser did not close"
stop_app
expect_setting Programm Schichtart 5 "chooser"

finish
