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
SHOT="$WORK/shot.png"
# calendar_area out: the calendar part of the last screenshot.
calendar_area() { crop "$SHOT" 0 $((2 * R + SKIP)) "$IW" $((IH - SKIP)) "$1"; }
same_as_screen() {  # clipboard copy, screen area
  crop "$1" 0 "$SKIP" "$IW" $((IH - SKIP)) "$1.body.png"
  same_image "$1.body.png" "$2"
}
# screen_is copy area: the calendar on the screen, cut out into the area
# file, is the copy.
screen_is() { calendar_area "$2"; same_as_screen "$1" "$2"; }
is_png() { head -c 8 "$1" | od -An -tx1 | grep -q '89 50 4e 47 0d 0a 1a 0a'; }
full_size() { [ "$(size_of "$1" 2>/dev/null)" = "${IW}x${IH}" ]; }
right_click() {  # on a day cell of the image
  main_focus
  xdotool mousemove --window "$WID" $((9 * U)) $((12 * R)) click 3
  settle
}

# --- Z: no question, the information, then the image ------------------------
keys z
shown '^Frage$' && fail "Z asked a question"
press_in '^Information$' Return
clip_until "$WORK/clip1.png" full_size "$WORK/clip1.png"
[ "$(size_of "$WORK/clip1.png")" = "${IW}x${IH}" ] || fail "copy is $(size_of "$WORK/clip1.png"), expected ${IW}x${IH}"
is_png "$WORK/clip1.png" || fail "clipboard data is not a PNG"
main_focus
check_shot "$SHOT" "" "copy differs from the calendar on the screen" screen_is "$WORK/clip1.png" "$WORK/first.png"

# --- right click, "Nein" (button and Esc): the clipboard keeps the first copy
keys F7
# area_differs area: the calendar on the screen, cut out into the area file,
# is no longer the first page.
area_differs() { calendar_area "$1"; ! same_image "$WORK/first.png" "$1"; }
check_shot "$SHOT" "" "F7 did not change the calendar" area_differs "$WORK/second.png"
right_click
press_in '^Frage$' Tab Return          # focus moves from "Ja" to "Nein"
shown '^Information$' && fail "\"Nein\" still copied"
right_click
press_in '^Frage$' Escape
shown '^Information$' && fail "Esc on the question still copied"
clip_until "$WORK/clip2.png" same_as_screen "$WORK/clip2.png" "$WORK/first.png" || fail "\"Nein\" changed the clipboard"

# --- right click, "Ja": the new page is copied -------------------------------
right_click
press_in '^Frage$' Return
press_in '^Information$' Return
clip_until "$WORK/clip3.png" full_size "$WORK/clip3.png"
main_focus
check_shot "$SHOT" "" "\"Ja\" did not copy the current calendar" screen_is "$WORK/clip3.png" "$WORK/second.png"

# --- the copy keeps the cursor frame: today's frame is black in it ----------
main_focus
keys F6
keys z
press_in '^Information$' Return
clip_until "$WORK/clip4.png" full_size "$WORK/clip4.png"
main_focus
check_shot "$SHOT" "" "copy after F6 differs from the screen" screen_is "$WORK/clip4.png" "$WORK/today.png"
[ "$(pixel "$WORK/clip4.png" $((9 * U)) $(((15 + 2) * R - 1 - 2 * R)))" = "0,0,0" ] || fail "cursor frame missing in the copy"
stop_app

finish
