#!/bin/bash
# At scale factor 2 (GDK_SCALE=2) the program starts, paints and copies:
# the clipboard copy keeps the calendar's logical size (painted once more at
# scale 1), half the window's width in device pixels.
export GDK_SCALE=2
source "$(dirname "$0")/lib.sh"

# half_wide file: the picture is half the window's width (its size in SIZE).
half_wide() {
  SIZE=$(size_of "$1" 2>/dev/null)
  [ "${SIZE%x*}" -gt 0 ] 2>/dev/null && [ $((${SIZE%x*} * 2)) -eq "$WIN_W" ]
}

start_app || exit 1
keys z
press_in '^Information$' Return
clip_until "$WORK/clip.png" half_wide "$WORK/clip.png" || fail "copied calendar is $SIZE, the window $WIN_W pixels wide at scale 2"

stop_app
finish
