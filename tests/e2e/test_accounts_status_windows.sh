#!/bin/bash
# The vacation and hours windows opened from their status fields: the
# records they store, byte for byte, and the fields afterwards (text and
# colour); key F moves the vacation block in the picture for this run only,
# key Y rotates the crews of the block.
source "$(dirname "$0")/lib.sh"

# Monday, 15 January 2024; 1 January 2024 is day 19723 (0x4d0b).
start_app 2024-01-15 || exit 1

# Both fields sit at the right end of the status lines.
HOURS_X=$((U * (126 - 9))); HOURS_Y=$(( (R * 346 + 5) / 10 ))
VAC_X=$((U * (126 - 6)));   VAC_Y=$(( (R * 364 + 5) / 10 ))
click_main() { xdotool mousemove --window "$WID" "$1" "$2" click 1; settle; }
# click_at x y: a click at (x/10 u, y/10 r) inside the focused window.
click_at() { xdotool mousemove --window "$FOCUSED" "$(( $1 * U / 10 ))" "$(( $2 * R / 10 ))" click 1; settle; }
# Pixels of the hours field in a colour: dark red r>=120,g<60 or dark green g>=120,r<60.
hours_field() { convert "$SHOTS/$1.png" -crop "$((8 * U - 6))x$((R - 2))+$((HOURS_X + 3))+$((HOURS_Y + 3))" +repage "$SHOTS/$1-hours.png"; }
count_pixels() {  # count_pixels image fx-condition
  convert "$1" -fx "$2 ? 1 : 0" -format '%[fx:int(mean*w*h+0.5)]' info:
}
RED='r>0.47 && g<0.24 && b<0.24'; GREEN='g>0.47 && r<0.24 && b<0.24'
# hours_in shot min|none colour: the hours field of that screenshot has more
# than 5 pixels of the colour, or none.
hours_in() {
  hours_field "$1"
  local n; n=$(count_pixels "$SHOTS/$1-hours.png" "$3")
  if [ "$2" = none ]; then [ "$n" -eq 0 ]; else [ "$n" -gt 5 ]; fi
}
pixel_is() { [ "$(pixel "$1" "$2" "$3")" = "$4" ]; }

# The first display applied the new-year rule: the count starts on 1 January.
expect_bytes "$DATA/Urlaubstage.dat" '\x0b\x4d\x00\x00\x00\x00\x00\x00'
expect_missing "$DATA/Minusstunden.dat"
check_shot "$SHOTS/main-start.png" "" "0,00 is not black" hours_in main-start none 'r>0.47 && g<0.24'

# --- "Urlaub eingeben": 75 days become 60, crew "blau", start 1 March ------
click_main $((VAC_X + 2 * U)) $((VAC_Y + R / 2))
focus_window '^Urlaub eingeben$' || exit 1
type_text '75'
click_at 250 37                  # option "blau" (24u, 3r)
click_at 170 17                  # the date field (15u, r)
keys Home; type_text '01032024'
shot "$SHOTS/vacation-window.png" "$FOCUSED"
keys Return
gone '^Urlaub eingeben$' || fail "vacation window stayed open after Return"
main_focus
# 1 March 2024 is day 19783 (0x4d47); 60 days.
expect_bytes "$DATA/Urlaubstage.dat" '\x47\x4d\x00\x00\x3c\x00\x00\x00'
# The home crew is stored with the hours record: crew 1, nothing else set.
expect_bytes "$DATA/Minusstunden.dat" '\x00\x00\x00\x00\x00\x00\x00\x00\x00\x01\x00'
check_shot "$SHOTS/main-vacation.png" "" "vacation field unchanged after saving" \
  differs "$SHOTS/main-start.png" "$SHOTS/main-vacation.png" "$VAC_X" "$VAC_Y" $((5 * U)) "$R"

# --- Abbruch stores nothing ----------------------------------------------
click_main $((VAC_X + 2 * U)) $((VAC_Y + R / 2))
focus_window '^Urlaub eingeben$' && { keys ctrl+a; type_text '5'; keys Escape; }
gone '^Urlaub eingeben$' || fail "Esc did not close the vacation window"
main_focus
expect_bytes "$DATA/Urlaubstage.dat" '\x47\x4d\x00\x00\x3c\x00\x00\x00'

# --- "Stunden eingeben": 7,5 switched to Std:Min is 7:30, block as minus ---
click_main $((HOURS_X + 3 * U)) $((HOURS_Y + R / 2))
focus_window '^Stunden eingeben$' || exit 1
type_text '7,5'
click_at 400 17                  # option "Std:Min" (39u, r)
click_at 20 57                   # the check box (u, 5r)
shot "$SHOTS/hours-window.png" "$FOCUSED"
keys Return
gone '^Stunden eingeben$' || fail "hours window stayed open after Return"
main_focus
# 7.30 as a single float is 0x40e9999a; format 1, crew 1, vacation block as minus.
expect_bytes "$DATA/Minusstunden.dat" '\x00\x00\x00\x00\x9a\x99\xe9\x40\x01\x01\x01'
check_shot "$SHOTS/main-minus.png" "" "a balance far below -40 is not dark red" hours_in main-minus some "$RED"

# 50 hours, block no longer as minus: dark green.
click_main $((HOURS_X + 3 * U)) $((HOURS_Y + R / 2))
focus_window '^Stunden eingeben$' || exit 1
keys ctrl+a; type_text '50'
click_at 20 57
keys Return
gone '^Stunden eingeben$' || fail "hours window stayed open"
main_focus
expect_bytes "$DATA/Minusstunden.dat" '\x00\x00\x00\x00\x00\x00\x48\x42\x01\x01\x00'
check_shot "$SHOTS/main-plus.png" "" "a balance of 50 is not dark green" hours_in main-plus some "$GREEN"

# Abbruch leaves the file alone.
click_main $((HOURS_X + 3 * U)) $((HOURS_Y + R / 2))
focus_window '^Stunden eingeben$' && { keys ctrl+a; type_text '99'; keys Escape; }
gone '^Stunden eingeben$' || fail "Esc did not close the hours window"
main_focus
expect_bytes "$DATA/Minusstunden.dat" '\x00\x00\x00\x00\x00\x00\x48\x42\x01\x01\x00'

# --- key F: the block starts in June instead of 29 April ------------------
# 1 May 2024 (May column, sub-column 1) shows Rot's vacation day: red.
MAY1_X=$((U + 4 * 18 * U + 8 * U + 2)); MAY1_Y=$(( (1 + 2) * R + 2 ))
before=$(pixel "$SHOTS/main-plus.png" $MAY1_X $MAY1_Y)
[ "$before" = "255,0,0" ] || fail "1 May 2024 shows no red vacation day before F ($before)"
keys f
focus_window '^Frühester Urlaubsbeginn$' || exit 1
shot "$SHOTS/earliest-window.png" "$FOCUSED"
keys Home; type_text '0106'; keys Return
gone '^Frühester Urlaubsbeginn$' || fail "F window stayed open"
main_focus
check_shot "$SHOTS/main-june.png" "" "1 May 2024 still a vacation day after F moved the block to June" \
  eval '! pixel_is "$SHOTS/main-june.png" $MAY1_X $MAY1_Y 255,0,0'

# --- key Y: another crew order; five times gives the first picture back ----
keys y
check_shot "$SHOTS/main-y1.png" "" "Y did not change the vacation block" \
  eval '! same_image "$SHOTS/main-june.png" "$SHOTS/main-y1.png"'
keys y y y y
check_shot "$SHOTS/main-y5.png" "" "five times Y is not the first order again" \
  same_image "$SHOTS/main-june.png" "$SHOTS/main-y5.png"

# Neither F nor Y is kept.
stop_app
[ "$(setting Programm UrlaubStartMonat)" = 4 ] || fail "F was saved: UrlaubStartMonat = $(setting Programm UrlaubStartMonat)"
[ "$(setting Programm UrlaubStartTag)" = 25 ] || fail "F was saved: UrlaubStartTag = $(setting Programm UrlaubStartTag)"
[ "$(setting Programm UrlaubZyklus)" = 0 ] || fail "Y was saved: UrlaubZyklus = $(setting Programm UrlaubZyklus)"
finish
