#!/bin/bash
# The main window on a small screen (1024x600): always whole on screen, its
# size following the layout both ways; the colour chooser opens over it.
# Every other window fits too: the plan window (scrolling its upper part),
# the settings, the lists, the longest help text, the file chooser of the
# school holidays, and the account windows of an own plan with six crews.
SK_E2E_SCREEN=1024x600x24
source "$(dirname "$0")/lib.sh"
SCREEN_W=1024 SCREEN_H=600

# geometry id: X Y W H of a window.
geometry() {
  xdotool getwindowgeometry "$1" | awk '/Position/ {split($2, p, ","); x = p[1]; y = p[2]}
                                        /Geometry/ {split($2, g, "x"); print x, y, g[1], g[2]}'
}
fits() {
  read -r X Y W H < <(geometry "${CHECKED:-$WID}")
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + W)) -le $SCREEN_W ] && [ $((Y + H)) -le $SCREEN_H ]
}
whole_on_screen() {  # what
  within fits || fail "$1: window at $X,$Y size ${W}x$H is not whole on the ${SCREEN_W}x$SCREEN_H screen"
}
width_is() { read -r _ _ W _ < <(geometry "$WID"); [ "$W" -eq "$1" ]; }
set_font_size() {  # size: in the default user's settings file
  sed -i "s/^Fontgröße = .*/Fontgröße = $1/" "$(settings_of Programm)"
}

# window_fits 'title regex' what: that window appears and is whole on screen;
# Esc closes it again.
window_fits() {
  CHECKED=$(window_id "$1") || { fail "$2: no window '$1'"; return 1; }
  whole_on_screen "$2"
  [ -n "${SK_E2E_KEEP:-}" ] && shot "$SHOTS/fits-$(echo "$2" | tr ' ' -).png" "$CHECKED"
  take_focus "$CHECKED"
  keys Escape
  gone "$1" || fail "$2: Esc did not close it"
  CHECKED=
}
# A plan of six crews, the longest of the own plan windows.
six_crew_plan() {
  local k names=(Rot Blau Gelb Grün Braun Violett)
  printf '%s\n' 'Version = 1' 'Name = Sechs Schichten' 'Verwendete Schichtarten = FSN' \
    'Früh Beginn = 06:00' 'Früh Ende = 14:00' 'Früh bezahlt = 8:00' 'Spät Beginn = 14:00' 'Spät Ende = 22:00' \
    'Spät bezahlt = 8:00' 'Nacht Beginn = 22:00' 'Nacht Ende = 06:00' 'Nacht bezahlt = 8:00' \
    'Zyklus = FFSSNN------' 'Zyklusbeginn = 2024-01-01' 'An Feiertagen arbeiten = ja' \
    'Feiertage für Konten = Standard' 'Anzahl Schichten = 6' > "$DATA/Eigener Schichtplan.txt"
  for k in 0 1 2 3 4 5; do
    printf 'Schicht %d Name = %s\nSchicht %d Farbe = #%06X\nSchicht %d Versatz = %d\n' $((k + 1)) "${names[$k]}" \
      $((k + 1)) $((k * 40 + 20)) $((k + 1)) $((2 * k)) >> "$DATA/Eigener Schichtplan.txt"
  done
}

# --- first start with the default font: no complaint, the window fits ------
start_app || exit 1
window_id '^Fehler$' 2 >/dev/null && fail "the first start on a small screen complained about the font"
whole_on_screen "default font"

# --- every window of the program fits the small screen -----------------------
keys F10
press_in '^Programm$' g && window_fits '^Eigener Schichtplan$' "plan window"
main_focus
keys F10
press_in '^Programm$' e && window_fits '^Programmeinstellungen$' "settings"
main_focus
keys F12
press_in '^Info$' m && window_fits '^Jahresstunden$' "yearly hours"
main_focus
keys F12
press_in '^Info$' t && window_fits '^Tastaturbelegung$' "longest help text"
main_focus
keys F12
if press_in '^Info$' s && focus_window '^(Ferientermine|Schulferien)$'; then
  LIST=$FOCUSED
  click_in "$LIST" $((44 * U)) $((13 * R / 10))   # "Aus Datei laden..."
  window_fits '^Schulferien aus iCalendar-Datei laden$' "school-holiday file chooser"
  take_focus "$LIST"
  keys Escape
fi
stop_app

# --- the own plan with six crews: its account windows and list fit ----------
six_crew_plan
sed -i "s/^Schichtart = .*/Schichtart = 8/" "$(settings_of Programm)"
start_app || exit 1
window_id '^Fehler$' 2 >/dev/null && fail "the six-crew plan was refused"
keys F10
press_in '^Programm$' p && window_fits '^Stunden eingeben$' "hours of six crews"
main_focus
keys F10
press_in '^Programm$' u && window_fits '^Urlaub eingeben$' "vacation of six crews"
main_focus
keys F12
press_in '^Info$' m && window_fits '^Jahresstunden$' "yearly hours of six crews"
main_focus
keys F10
press_in '^Programm$' g && window_fits '^Eigener Schichtplan$' "plan window of six crews"
stop_app
rm "$DATA/Eigener Schichtplan.txt"
sed -i "s/^Schichtart = .*/Schichtart = 0/" "$(settings_of Programm)"

# --- a chosen font too large for the screen: asked, and cancelling falls back
set_font_size 14
start_app || exit 1
focus_window '^Fehler$' || fail "no message for a font too large"
keys Return
focus_window '^Schriftart$' || fail "no font chooser after the message"
CHECKED=$FOCUSED whole_on_screen "font chooser"
keys Escape
gone '^Schriftart$' || fail "font chooser stayed"
main_focus
whole_on_screen "after cancelling the font chooser"
stop_app
size=$(setting Programm Fontgröße)
[ "$size" -lt 14 ] 2>/dev/null || fail "font size after the fallback is '$size'"

# --- a small font: the window is exactly the layout, and follows it --------
set_font_size 7
start_app || exit 1
read -r _ _ W7 H7 < <(geometry "$WID")
[ "$W7" -lt 848 ] && [ "$H7" -lt 540 ] || fail "font 7 window is ${W7}x$H7, not smaller than the first size 848x540"
[ $((W7 % 126)) -eq 0 ] && [ $((H7 % 40)) -eq 0 ] || fail "font 7 window ${W7}x$H7 is not 126 u x 40 r"
keys KP_Add
within width_is $((W7 + W7 / 7)) || fail "one more column: width $W7 -> $W"
W8=$W
keys KP_Subtract
within width_is "$W7" || fail "one column less again: width $W8 -> $W, expected $W7"
whole_on_screen "font 7"

# --- the colour chooser opens over the main window --------------------------
read -r MX MY MW MH < <(geometry "$WID")
keys H
chooser=$(window_id '^Hintergrundfarbe$') || fail "no colour chooser"
if [ -n "$chooser" ]; then
  centred() {
    read -r CX CY CW CH < <(geometry "$chooser")
    dx=$((CX + CW / 2 - MX - MW / 2)) dy=$((CY + CH / 2 - MY - MH / 2))
    [ ${dx#-} -le 20 ] && [ ${dy#-} -le 20 ]
  }
  within centred ||
    fail "colour chooser at $CX,$CY (${CW}x$CH) is not centred over the main window at $MX,$MY (${MW}x$MH)"
  take_focus "$chooser"
  keys Escape
  gone '^Hintergrundfarbe$' || fail "colour chooser stayed"
fi
stop_app

finish
