#!/bin/bash
# Reminders reach a real notification service (dunst, on this script's own
# X server and session bus, with identical notifications not stacked, so a
# doubled one shows): the evening before an early shift of crew Blau (the
# home crew, not the first) exactly one, not again on the next run, none
# for a day with a vacation mark; while the program runs it sends the
# reminder itself (a click on it shows the day), and the background helper
# then sends it no second time.
source "$(dirname "$0")/lib.sh"

export TZ=Europe/Berlin
TITLE='Morgen Frühschicht 6.00 - 14.00 Uhr (Schicht Blau)'
remind() { "$BUILD/schichtplan" --remind --data "$DATA" "$@"; }

cat >"$WORK/dunstrc" <<'RC'
[global]
    stack_duplicates = false
    history_length = 100
    idle_threshold = 0
RC
dunst -config "$WORK/dunstrc" 2>"$WORK/dunst.log" &
service_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.freedesktop.Notifications 2>/dev/null | grep -q 'boolean true'
}
within service_up || { fail "dunst did not take the notification service: $(cat "$WORK/dunst.log")"; finish; }

# Every notification that arrived, shown or closed, one summary a line.
arrived() {
  dunstctl close-all
  dunstctl history | python3 -c 'import json, sys
for n in json.load(sys.stdin)["data"][0]: print(n["summary"]["data"])'
}
count_of() { arrived | grep -cxF "$1"; }
has_one() { [ "$(count_of "$TITLE")" = 1 ]; }

# Type 0 (no settings file), home crew Blau (the hours record's crew byte),
# reminders switched on by the one line the README shows. Blau works the
# early shift on Friday 2026-12-04 (day 20791).
mkdir -p "$DATA"
printf '\0\0\0\0\0\0\0\0\0\001\0' >"$DATA/Minusstunden.dat"
printf 'Erinnerungen = ja\n' >"$DATA/Erinnerungen.txt"

remind --dry-run --now "2026-12-03 20:00" | grep -qF "2026-12-03 20:00  $TITLE" ||
  fail "dry run does not name the reminder: $(remind --dry-run --now '2026-12-03 20:00')"
remind --now "2026-12-03 19:59" || fail "run before the time failed"
remind --now "2026-12-03 20:00" >"$WORK/out.txt" || fail "run at 20:00 failed: $(cat "$WORK/out.txt")"
within has_one || fail "expected one reminder, dunst has: $(arrived)"
remind --now "2026-12-03 20:15" || fail "second run failed"
[ "$(arrived | wc -l)" = 1 ] || fail "second run sent again: $(arrived)"

# Vacation ("Urlaub", code 2) in the early-shift column that day: no reminder.
rm "$DATA/Erinnerungen-gesendet.txt"
printf '\x37\x51\0\0\002\002' >"$DATA/Schichtmarkierung.dat"
remind --now "2026-12-03 20:00" || fail "run with the vacation mark failed"
[ "$(arrived | wc -l)" = 1 ] || fail "a reminder came for a vacation day: $(arrived)"

# The program, running that evening, sends it itself; the helper then does not.
rm -f "$DATA/Erinnerungen-gesendet.txt" "$DATA/Schichtmarkierung.dat"
TODAY='2026-12-03 20:00:00'
start_app || finish
shown_now() { [ "$(dunstctl count displayed)" = 1 ]; }
within shown_now || fail "the running program sent nothing: $(arrived)"
# A click on it shows its day: the picture of the cursor one day after
# today, after paging away first.
keys F6 Down
shot "$WORK/day.png"
keys F7
dunstctl action 0
check_shot "$WORK/clicked.png" "$WID" "the click did not show the reminder's day" \
  same_image "$WORK/clicked.png" "$WORK/day.png"
[ "$(count_of "$TITLE")" = 2 ] || fail "the running program sent something else: $(arrived)"
remind --now "2026-12-03 20:30" || fail "helper run beside the program failed"
[ "$(count_of "$TITLE")" = 2 ] || fail "helper sent what the program had sent: $(arrived)"

# The window "Erinnerungen" (program menu, key R) switches them off and on
# again; without a systemd user instance, switching on says how else to run
# the helper.
setting_is() { grep -qx "Erinnerungen = $1" "$DATA/Erinnerungen.txt"; }
for state in nein ja; do
  main_focus
  keys F10
  press_in '^Programm$' r
  focus_window '^Erinnerungen$' || break
  keys alt+e
  click_in "$FOCUSED" $((7 * U)) $((154 * R / 10))   # "Übernehmen"
  within setting_is $state || fail "the window did not write \"Erinnerungen = $state\""
done
focus_window '^Information$' && keys Return
stop_app
finish
