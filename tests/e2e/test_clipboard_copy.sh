#!/bin/bash
# Copying the calendar image: key Z without a question, the right click
# after "Frage", "Nein" and Esc leave the clipboard as it was, and the copy is
# the calendar area of the window pixel for pixel, in PNG.
source "$(dirname "$0")/lib.sh"

TODAY='2024-01-15 10:00:00'
start_app || exit 1
IW=$((U * 126)); IH=$((32 * R + 2))   # the calendar image at (0, 2r)
# The shadows of the button row reach a few pixels into the top of the image
# on the screen; the comparisons start below them.
SKIP=6
calendar_area() { shot "$WORK/shot.png"; crop "$WORK/shot.png" 0 $((2 * R + SKIP)) "$IW" $((IH - SKIP)) "$1"; }
same_as_screen() {  # clipboard copy, screen area
  crop "$1" 0 "$SKIP" "$IW" $((IH - SKIP)) "$1.body.png"
  same_image "$1.body.png" "$2"
}
right_click() {  # on a day cell of the image
  main_focus
  xdotool mousemove --window "$WID" $((9 * U)) $((12 * R)) click 3
  settle
}

# --- Z: no question, the information, then the image ------------------------
calendar_area "$WORK/first.png"
keys z
shown '^Frage$' && fail "Z asked a question"
press_in '^Information$' Return
read_clipboard "$WORK/clip1.png"
[ "$(size_of "$WORK/clip1.png")" = "${IW}x${IH}" ] || fail "copy is $(size_of "$WORK/clip1.png"), expected ${IW}x${IH}"
same_as_screen "$WORK/clip1.png" "$WORK/first.png" || fail "copy differs from the calendar on the screen"
head -c 8 "$WORK/clip1.png" | od -An -tx1 | grep -q '89 50 4e 47 0d 0a 1a 0a' || fail "clipboard data is not a PNG"

# --- right click, "Nein" (button and Esc): the clipboard keeps the first copy
main_focus
keys F7
calendar_area "$WORK/second.png"
same_image "$WORK/first.png" "$WORK/second.png" && fail "F7 did not change the calendar"
right_click
press_in '^Frage$' Tab Return          # focus moves from "Ja" to "Nein"
shown '^Information$' && fail "\"Nein\" still copied"
right_click
press_in '^Frage$' Escape
shown '^Information$' && fail "Esc on the question still copied"
read_clipboard "$WORK/clip2.png"
same_as_screen "$WORK/clip2.png" "$WORK/first.png" || fail "\"Nein\" changed the clipboard"

# --- right click, "Ja": the new page is copied -------------------------------
right_click
press_in '^Frage$' Return
press_in '^Information$' Return
read_clipboard "$WORK/clip3.png"
same_as_screen "$WORK/clip3.png" "$WORK/second.png" || fail "\"Ja\" did not copy the current calendar"

# --- the copy keeps the cursor frame: today's frame is black in it ----------
main_focus
keys F6
calendar_area "$WORK/today.png"
keys z
press_in '^Information$' Return
read_clipboard "$WORK/clip4.png"
same_as_screen "$WORK/clip4.png" "$WORK/today.png" || fail "copy after F6 differs from the screen"
[ "$(pixel "$WORK/clip4.png" $((9 * U)) $(((15 + 2) * R - 1 - 2 * R)))" = "0,0,0" ] || fail "cursor frame missing in the copy"
stop_app

finish
