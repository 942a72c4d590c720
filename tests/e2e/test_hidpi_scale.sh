#!/bin/bash
# At scale factor 2 (GDK_SCALE=2) the program starts, paints and copies:
# the clipboard copy keeps the calendar's logical size (painted once more at
# scale 1), half the window's width in device pixels.
export GDK_SCALE=2
source "$(dirname "$0")/lib.sh"

start_app || exit 1
keys z
press_in '^Information$' Return
read_clipboard "$WORK/clip.png"
size=$(size_of "$WORK/clip.png")
clip_w=${size%x*}
[ $((clip_w * 2)) -eq "$WIN_W" ] || fail "copied calendar is $size, the window $WIN_W pixels wide at scale 2"

stop_app
finish
