#!/bin/bash
# "Bundesland" Sachsen chosen in the settings: Buß- und Bettag, 17 November
# 2027, turns red in the calendar, and a vacation mark on it no longer costs
# a day of the remaining vacation (in Bayern it does). The settings file
# holds the state; Bayern wrote no line for it.
SK_E2E_ATSPI=1
source "$(dirname "$0")/lib.sh"

# 10 days left from 1 January 2027 (day 20819 = 0x5153); a "U" mark on
# 17 November 2027 (day 21139 = 0x5293) in the early-shift column of crew
# Rot, which works that day.
mkdir -p "$DATA"
printf '\x53\x51\x00\x00\x0a\x00\x00\x00' >"$DATA/Urlaubstage.dat"
printf '\x93\x52\x00\x00\x02\x02' >"$DATA/Schichtmarkierung.dat"

start_app 2027-11-15 || exit 1
VAC_X=$((U * (126 - 6))); VAC_Y=$(( (R * 364 + 5) / 10 ))
# Red pixels of the day number of the 17th in the first month column.
red_17() {
  convert "$1" -crop "$((2 * U))x$R+$U+$(((17 + 2) * R))" +repage \
    -fx 'r>0.7 && g<0.3 && b<0.3 ? 1 : 0' -format '%[fx:int(mean*w*h+0.5)]' info:
}
is_red() { [ "$(red_17 "$1")" -gt 3 ]; }
is_black() { [ "$(red_17 "$1")" = 0 ]; }
check_shot "$SHOTS/bayern.png" "" "17 November 2027 is red in Bayern" is_black "$SHOTS/bayern.png"

keys e
focus_window '^Programmeinstellungen$' || exit 1
press_named '^Programmeinstellungen$' combo 'Bundesland' Sachsen
shot "$SHOTS/settings.png" "$FOCUSED"
press_named '^Programmeinstellungen$' button Speichern
gone '^Programmeinstellungen$' || fail "Speichern did not close the dialog"
expect_setting Programm Bundesland SN "the chosen state"

main_focus
check_shot "$SHOTS/sachsen.png" "" "17 November 2027 is not red in Sachsen" is_red "$SHOTS/sachsen.png"
check_shot "$SHOTS/sachsen-still.png" "" "the remaining vacation did not give the day back" \
  differs "$SHOTS/bayern.png" "$SHOTS/sachsen-still.png" "$VAC_X" "$VAC_Y" $((5 * U)) "$R"
stop_app

# The next start reads the state back.
start_app 2027-11-15 || finish
check_shot "$SHOTS/again.png" "" "17 November 2027 is not red after a restart" is_red "$SHOTS/again.png"
check_shot "$SHOTS/again-vacation.png" "" "the vacation count differs after a restart" \
  eval 'crop "$SHOTS/sachsen-still.png" "$VAC_X" "$VAC_Y" $((5 * U)) "$R" "$WORK/a.png";
        crop "$SHOTS/again-vacation.png" "$VAC_X" "$VAC_Y" $((5 * U)) "$R" "$WORK/b.png";
        same_image "$WORK/a.png" "$WORK/b.png"'
stop_app
finish
