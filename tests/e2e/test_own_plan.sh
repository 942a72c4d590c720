#!/bin/bash
# The own shift plan: defined and saved in its window, shown as type 8 with
# each shift sub-column in the colour of the crew on it, still shown after a
# restart, chosen again by key G; a damaged plan file starts in type 0 with
# one message and is left as it is.
source "$(dirname "$0")/lib.sh"

PLAN="$DATA/Eigener Schichtplan.txt"
# Colour of sub-column k (1 Tag, 2 Früh, 3 Spät, 4 Nacht) on day d of the first column.
cell() { pixel "$1" $((U + 8 * U + 2 * ($3 - 1) * U + U / 2)) $((($2 + 2) * R + R / 2)); }
# What the cycle FFSSNN---- from 15 January 2024 gives on day d of January:
# per sub-column 2-4 the colour of the crew on it (crew k starts 2k days later).
expected() {
  python3 - "$1" <<'PY'
import sys
d = int(sys.argv[1]); cycle = "FFSSNN----"
colours = ["255,0,0", "0,0,255", "255,255,0", "0,255,0", "235,167,11"]
out = []
for letter in "FSN":
    crews = [k for k in range(5) if cycle[(d - 15 - 2 * k) % 10] == letter]
    out.append(colours[crews[0]] if crews else "-")
print(" ".join(out))
PY
}
check_cells() {  # screenshot, what
  local d k want got
  BG=$(pixel "$1" $((U + 8 * U + U / 2)) $(((16 + 2) * R + R / 2)))   # the unused day-shift column
  for d in 16 17 18 19 22 23; do
    want=($(expected "$d"))
    for k in 2 3 4; do
      got=$(cell "$1" "$d" "$k")
      if [ "${want[$((k - 2))]}" = - ]; then
        [ "$got" = "$BG" ] || fail "$2: day $d sub-column $k should be empty, is $got"
      else
        [ "$got" = "${want[$((k - 2))]}" ] || fail "$2: day $d sub-column $k is $got, expected ${want[$((k - 2))]}"
      fi
    done
  done
}

start_app || exit 1
xdotool mousemove 1590 990
# Without a plan the key G only explains where a plan is defined.
keys g
focus_window '^Information$' && keys Return
main_focus

# The window: the cycle typed in lower case, Return saves, "Ja" shows the plan.
keys F10
press_in '^Programm$' g || exit 1
focus_window '^Eigener Schichtplan$' || exit 1
shot "$WORK/plan_window.png" "$FOCUSED"
keys Tab ctrl+a
type_text "ffssnn----"
keys Return
gone '^Eigener Schichtplan$' || fail "Return did not save and close the plan window"
answer Ja
[ -f "$PLAN" ] || fail "the plan file was not written"
grep -qx 'Zyklus = FFSSNN----' "$PLAN" || fail "plan file: $(grep Zyklus "$PLAN")"
grep -qx 'Zyklusbeginn = 2024-01-15' "$PLAN" || fail "plan file: $(grep Zyklusbeginn "$PLAN")"
grep -qx 'Anzahl Schichten = 5' "$PLAN" || fail "plan file: $(grep Anzahl "$PLAN")"
main_focus
shot "$WORK/type8.png"
check_cells "$WORK/type8.png" "after saving"

# Another type by key, then back with G.
keys n
shot "$WORK/type0.png"
same_image "$WORK/type0.png" "$WORK/type8.png" && fail "key N did not leave the own plan"
keys g
shot "$WORK/type8_again.png"
same_image "$WORK/type8_again.png" "$WORK/type8.png" || fail "key G did not show the own plan again"
# G again: the plan's half-year page (a white page), G once more: the columns.
keys g
shot "$WORK/own_page.png"
[ "$(colours_in "$WORK/own_page.png" $((40 * U)) $((3 * R)) 4 4)" = 1 ] || fail "no half-year page after G in type 8"
same_image "$WORK/own_page.png" "$WORK/type8.png" && fail "G in type 8 did not switch to the half-year page"
keys g
shot "$WORK/type8_columns.png"
# The calendar below the buttons and their shadows (buttons greyed on the page may still be
# fading back).
crop "$WORK/type8.png" 0 $((2 * R + 6)) "$WIN_W" $((WIN_H - 2 * R - 6)) "$WORK/type8_calendar.png"
crop "$WORK/type8_columns.png" 0 $((2 * R + 6)) "$WIN_W" $((WIN_H - 2 * R - 6)) "$WORK/type8_columns_calendar.png"
same_image "$WORK/type8_columns_calendar.png" "$WORK/type8_calendar.png" || fail "G did not switch back to the month columns"
stop_app
expect_setting Programm Schichtart 8 "the own plan chosen"

# A restart keeps it.
start_app || exit 1
xdotool mousemove 1590 990
shot "$WORK/restart.png"
check_cells "$WORK/restart.png" "after a restart"
stop_app
expect_setting Programm Schichtart 8 "after a restart"

# A damaged plan: type 0 with one message, the file untouched.
sed -i 's/^Zyklus = .*/Zyklus = FFXX/' "$PLAN"
cp "$PLAN" "$WORK/damaged.txt"
LD_PRELOAD="$FAKELIB" FAKETIME="@$TODAY" "$APP_BIN" 2>>"$WORK/stderr.txt" & APP=$!
focus_window '^Fehler$' 15 || exit 1
keys Return
WID=$(window_id '^Velmo Schichtkalender') || fail "main window missing"
main_focus
stop_app
expect_setting Programm Schichtart 0 "with a damaged plan"
cmp -s "$PLAN" "$WORK/damaged.txt" || fail "the damaged plan file was changed"
start_app || exit 1
shown '^Fehler$' && fail "the message came again on the next start"
stop_app
finish
