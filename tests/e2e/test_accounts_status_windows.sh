#!/bin/bash
# The vacation and hours windows opened from their status fields: the
# records they store, byte for byte, and the fields afterwards (text and
# colour); key F moves the vacation block in the picture for this run only,
# key Y rotates the crews of the block.
source "$(dirname "$0")/notes_helpers.sh"

# Monday, 15 January 2024; 1 January 2024 is day 19723 (0x4d0b).
start_app 2024-01-15 || exit 1

# Both fields sit at the right end of the status lines.
HOURS_X=$((U * (126 - 9))); HOURS_Y=$(( (R * 346 + 5) / 10 ))
VAC_X=$((U * (126 - 6)));   VAC_Y=$(( (R * 364 + 5) / 10 ))
click_main() { xdotool mousemove --window "$WID" "$1" "$2" click 1; sleep 0.3; }
# click_in x y: a click at (x u, y r) inside the focused window.
click_in() { xdotool mousemove --window "$FOCUSED" "$(( $1 * U / 10 ))" "$(( $2 * R / 10 ))" click 1; sleep 0.2; }
# Pixels of the hours field in a colour: dark red r>=120,g<60 or dark green g>=120,r<60.
hours_field() { convert "$SHOTS/$1.png" -crop "$((8 * U - 6))x$((R - 2))+$((HOURS_X + 3))+$((HOURS_Y + 3))" +repage "$SHOTS/$1-hours.png"; }
count_pixels() {  # count_pixels image fx-condition
  convert "$1" -fx "$2 ? 1 : 0" -format '%[fx:int(mean*w*h+0.5)]' info:
}

# The first display applied the new-year rule: the count starts on 1 January.
expect_bytes "$DATA/Urlaubstage.dat" '\x0b\x4d\x00\x00\x00\x00\x00\x00'
expect_missing "$DATA/Minusstunden.dat"
shot main-start
hours_field main-start
[ "$(count_pixels "$SHOTS/main-start-hours.png" 'r>0.47 && g<0.24')" -eq 0 ] || fail "0,00 is not black"

# --- "Urlaub eingeben": 75 days become 60, crew "blau", start 1 March ------
click_main $((VAC_X + 2 * U)) $((VAC_Y + R / 2))
focus_window '^Urlaub eingeben$' || exit 1
type_text '75'
click_in 250 37                  # option "blau" (24u, 3r)
click_in 170 17                  # the date field (15u, r)
keys Home; type_text '01032024'
shot vacation-window "$FOCUSED"
keys Return
gone '^Urlaub eingeben$' || fail "vacation window stayed open after Return"
main_focus
# 1 March 2024 is day 19783 (0x4d47); 60 days.
expect_bytes "$DATA/Urlaubstage.dat" '\x47\x4d\x00\x00\x3c\x00\x00\x00'
# The home crew is stored with the hours record: crew 1, nothing else set.
expect_bytes "$DATA/Minusstunden.dat" '\x00\x00\x00\x00\x00\x00\x00\x00\x00\x01\x00'
shot main-vacation
convert "$SHOTS/main-start.png" -crop "$((5 * U))x$R+$VAC_X+$VAC_Y" +repage "$WORK/v0.png"
convert "$SHOTS/main-vacation.png" -crop "$((5 * U))x$R+$VAC_X+$VAC_Y" +repage "$WORK/v1.png"
[ "$(compare -metric AE "$WORK/v0.png" "$WORK/v1.png" null: 2>&1)" != "0" ] || fail "vacation field unchanged after saving"

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
click_in 400 17                  # option "Std:Min" (39u, r)
click_in 20 57                   # the check box (u, 5r)
shot hours-window "$FOCUSED"
keys Return
gone '^Stunden eingeben$' || fail "hours window stayed open after Return"
main_focus
# 7.30 as a single float is 0x40e9999a; format 1, crew 1, vacation block as minus.
expect_bytes "$DATA/Minusstunden.dat" '\x00\x00\x00\x00\x9a\x99\xe9\x40\x01\x01\x01'
shot main-minus
hours_field main-minus
red=$(count_pixels "$SHOTS/main-minus-hours.png" 'r>0.47 && g<0.24 && b<0.24')
[ "$red" -gt 5 ] || fail "a balance far below -40 is not dark red ($red red pixels)"

# 50 hours, block no longer as minus: dark green.
click_main $((HOURS_X + 3 * U)) $((HOURS_Y + R / 2))
focus_window '^Stunden eingeben$' || exit 1
keys ctrl+a; type_text '50'
click_in 20 57
keys Return
gone '^Stunden eingeben$' || fail "hours window stayed open"
main_focus
expect_bytes "$DATA/Minusstunden.dat" '\x00\x00\x00\x00\x00\x00\x48\x42\x01\x01\x00'
shot main-plus
hours_field main-plus
green=$(count_pixels "$SHOTS/main-plus-hours.png" 'g>0.47 && r<0.24 && b<0.24')
[ "$green" -gt 5 ] || fail "a balance of 50 is not dark green ($green green pixels)"

# Abbruch leaves the file alone.
click_main $((HOURS_X + 3 * U)) $((HOURS_Y + R / 2))
focus_window '^Stunden eingeben$' && { keys ctrl+a; type_text '99'; keys Escape; }
gone '^Stunden eingeben$' || fail "Esc did not close the hours window"
main_focus
expect_bytes "$DATA/Minusstunden.dat" '\x00\x00\x00\x00\x00\x00\x48\x42\x01\x01\x00'

# --- key F: the block starts in June instead of 29 April ------------------
# 1 May 2024 (May column, sub-column 1) shows Rot's vacation day: red.
pixel() { convert "$1" -crop "1x1+$2+$3" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:; }
MAY1_X=$((U + 4 * 18 * U + 8 * U + 2)); MAY1_Y=$(( (1 + 2) * R + 2 ))
before=$(pixel "$SHOTS/main-plus.png" $MAY1_X $MAY1_Y)
[ "$before" = "255,0,0" ] || fail "1 May 2024 shows no red vacation day before F ($before)"
keys f
focus_window '^Frühester Urlaubsbeginn$' || exit 1
shot earliest-window "$FOCUSED"
keys Home; type_text '0106'; keys Return
gone '^Frühester Urlaubsbeginn$' || fail "F window stayed open"
main_focus
shot main-june
after=$(pixel "$SHOTS/main-june.png" $MAY1_X $MAY1_Y)
[ "$after" != "255,0,0" ] || fail "1 May 2024 still a vacation day after F moved the block to June"

# --- key Y: another crew order; five times gives the first picture back ----
keys y; shot main-y1
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }
same "$SHOTS/main-june.png" "$SHOTS/main-y1.png" && fail "Y did not change the vacation block"
keys y y y y; shot main-y5
same "$SHOTS/main-june.png" "$SHOTS/main-y5.png" || fail "five times Y is not the first order again"

# Neither F nor Y is kept.
stop_app
setting() { grep -a "^$1 = " "$WORK/SKDaten/Programm/Einstellungen.dat" | head -1 | sed "s/^$1 = //"; }
[ "$(setting UrlaubStartMonat)" = 4 ] || fail "F was saved: UrlaubStartMonat = $(setting UrlaubStartMonat)"
[ "$(setting UrlaubStartTag)" = 25 ] || fail "F was saved: UrlaubStartTag = $(setting UrlaubStartTag)"
[ "$(setting UrlaubZyklus)" = 0 ] || fail "Y was saved: UrlaubZyklus = $(setting UrlaubZyklus)"
finish
