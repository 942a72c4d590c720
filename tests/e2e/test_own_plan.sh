#!/bin/bash
# The own shift plan: defined and saved in its window, shown as type 8 with
# each shift sub-column in the colour of the crew on it, still shown after a
# restart, chosen again by key G; a damaged plan file starts in type 0 with
# one message and is left as it is, and the plan window opens it with what
# could be read.
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
# The colours the cells of days 16-23 must have, worked out once.
for d in 16 17 18 19 22 23; do WANT[$d]=$(expected "$d"); done
# cells_right screenshot what: each sub-column in its crew's colour; what is
# wrong goes to WRONG.
cells_right() {
  local d k want got
  WRONG=()
  BG=$(pixel "$1" $((U + 8 * U + U / 2)) $(((16 + 2) * R + R / 2)))   # the unused day-shift column
  for d in 16 17 18 19 22 23; do
    want=(${WANT[$d]})
    for k in 2 3 4; do
      got=$(cell "$1" "$d" "$k")
      if [ "${want[$((k - 2))]}" = - ]; then
        [ "$got" = "$BG" ] || WRONG+=("$2: day $d sub-column $k should be empty, is $got")
      else
        [ "$got" = "${want[$((k - 2))]}" ] || WRONG+=("$2: day $d sub-column $k is $got, expected ${want[$((k - 2))]}")
      fi
    done
  done
  [ ${#WRONG[@]} -eq 0 ]
}
report() { local w; for w in "${WRONG[@]}"; do fail "$w (picture kept: $KEPT)"; done; }
# settled_plan file: the plan's cells are right and the picture has come to
# rest, for the later pictures to be compared with it.
settled_plan() {
  cells_right "$1" "after saving" || return 1
  unchanged "$1" || { WRONG=("$(basename "$1") did not come to rest"); return 1; }
}
# own_page file: a white half-year page instead of the columns; what is wrong
# goes to WRONG.
own_page() {
  WRONG=()
  [ "$(colours_in "$1" $((40 * U)) $((3 * R)) 4 4)" = 1 ] || WRONG+=("no half-year page after G in type 8")
  same_image "$1" "$WORK/type8.png" && WRONG+=("G in type 8 did not switch to the half-year page")
  [ ${#WRONG[@]} -eq 0 ]
}
# The calendar below the buttons and their shadows (buttons greyed on the page may still be
# fading back).
calendar_of() { crop "$1" 0 $((2 * R + 6)) "$WIN_W" $((WIN_H - 2 * R - 6)) "$2"; }

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
shot_until "$WORK/type8.png" "" settled_plan "$WORK/type8.png" || report

# Another type by key, then back with G.
keys n
check_shot "$WORK/type0.png" "" "key N did not leave the own plan" eval '! same_image "$WORK/type0.png" "$WORK/type8.png"'
keys g
check_shot "$WORK/type8_again.png" "" "key G did not show the own plan again" same_image "$WORK/type8_again.png" "$WORK/type8.png"
# G again: the plan's half-year page (a white page), G once more: the columns.
keys g
shot_until "$WORK/own_page.png" "" own_page "$WORK/own_page.png" || report
keys g
calendar_of "$WORK/type8.png" "$WORK/type8_calendar.png"
check_shot "$WORK/type8_columns.png" "" "G did not switch back to the month columns" eval \
  'calendar_of "$WORK/type8_columns.png" "$WORK/type8_columns_calendar.png"; same_image "$WORK/type8_columns_calendar.png" "$WORK/type8_calendar.png"'
stop_app
expect_setting Programm Schichtart 8 "the own plan chosen"

# A restart keeps it.
start_app || exit 1
xdotool mousemove 1590 990
shot_until "$WORK/restart.png" "" cells_right "$WORK/restart.png" "after a restart" || report
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
# A message that comes late is still caught.
window_id '^Fehler$' 2 >/dev/null && fail "the message came again on the next start"

# The plan window shows what could be read and the bad line; the broken
# cycle is refused, a mended plan (cycle start typed in the ISO form) is
# written over the file only after "Ja".
keys F10
press_in '^Programm$' g || exit 1
focus_window '^Eigener Schichtplan$' || exit 1
PLAN_WIN=$FOCUSED
shot "$WORK/damaged_window.png" "$PLAN_WIN"
keys Return
focus_window '^Fehler$' && keys Return
take_focus "$PLAN_WIN"
keys Tab ctrl+a
type_text "ffssnn----"
keys Tab ctrl+a
type_text "2027-01-04"
keys Return
focus_window '^Frage$' || fail "no question before writing over the damaged file"
keys Escape
gone '^Frage$' || fail "the question stayed"
cmp -s "$PLAN" "$WORK/damaged.txt" || fail "the damaged plan file was written over after Nein"
take_focus "$PLAN_WIN"
keys Return
focus_window '^Frage$' && keys shift+Tab Return
gone '^Eigener Schichtplan$' || fail "the mended plan was not saved"
answer Nein
grep -qx 'Zyklus = FFSSNN----' "$PLAN" || fail "mended plan: $(grep Zyklus "$PLAN")"
grep -qx 'Zyklusbeginn = 2027-01-04' "$PLAN" || fail "mended plan: $(grep Zyklusbeginn "$PLAN")"
grep -qx 'Name = Eigener Schichtplan' "$PLAN" || fail "the name that could be read was lost: $(grep Name "$PLAN")"
stop_app
finish
