#!/bin/bash
# The main window on a small screen (1024x600): always whole on screen, its
# size following the layout both ways; the colour chooser opens over it.
SK_E2E_SCREEN=1024x600x24
source "$(dirname "$0")/lib.sh"
SCREEN_W=1024 SCREEN_H=600

# geometry id: X Y W H of a window.
geometry() {
  xdotool getwindowgeometry "$1" | awk '/Position/ {split($2, p, ","); x = p[1]; y = p[2]}
                                        /Geometry/ {split($2, g, "x"); print x, y, g[1], g[2]}'
}
fits() {
  read -r X Y W H < <(geometry "$WID")
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + W)) -le $SCREEN_W ] && [ $((Y + H)) -le $SCREEN_H ]
}
whole_on_screen() {  # what
  within fits || fail "$1: window at $X,$Y size ${W}x$H is not whole on the ${SCREEN_W}x$SCREEN_H screen"
}
width_is() { read -r _ _ W _ < <(geometry "$WID"); [ "$W" -eq "$1" ]; }
set_font_size() {  # size: in the default user's settings file
  sed -i "s/^Fontgröße = .*/Fontgröße = $1/" "$(settings_of Programm)"
}

# --- first start with the default font: no complaint, the window fits ------
start_app || exit 1
window_id '^Fehler$' 2 >/dev/null && fail "the first start on a small screen complained about the font"
whole_on_screen "default font"
stop_app

# --- a chosen font too large for the screen: asked, and cancelling falls back
set_font_size 14
start_app || exit 1
focus_window '^Fehler$' || fail "no message for a font too large"
keys Return
focus_window '^Schriftart$' || fail "no font chooser after the message"
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
