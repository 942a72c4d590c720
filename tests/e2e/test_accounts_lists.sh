#!/bin/bash
# The three lists of the info menu open with their titles and show their
# year: "Jahresstunden" (five-crew and two-shift), "Schulferien" (with a
# year that has no dates, 2029) and "Feiertage"; the four-crew plans have no
# yearly hours.
source "$(dirname "$0")/lib.sh"

start_app 2024-01-15 || exit 1
# Distinct colours of a screenshot: an empty list area has very few.
area_colours() { colours_in "$SHOTS/$1.png" "$2" "$3" "$4" "$5"; }
# The rows of the yearly hours list: below the year field (list at u, 2.5r, 59u x 24r).
HOURS_LIST=("$U" $((3 * R)) $((59 * U)) $((23 * R)))
# The list area of "Schulferien" below its year field.
SCHOOL_LIST=($((2 * U)) $((5 * R)) $((50 * U)) $((8 * R)))
# open_list key title: F12, the key in the info menu, and the list window.
open_list() {
  main_focus
  keys F12
  focus_window '^Info$' || return 1
  keys "$1"
  gone '^Info$' || fail "info menu stayed open"
  focus_window "$2"
}
close_list() {
  keys Escape
  gone "$1" || fail "Esc did not close '$1'"
  main_focus
}

# --- yearly hours, five crews, then the year spin ---------------------------
open_list m '^Jahresstunden$' || exit 1
still_shot "$SHOTS/year-hours-2024.png" "$FOCUSED"
keys Up
# Only the rows count: the caret blinks in the year field.
check_shot "$SHOTS/year-hours-2025.png" "$FOCUSED" "the year spin did not refill the list" \
  differs "$SHOTS/year-hours-2024.png" "$SHOTS/year-hours-2025.png" "${HOURS_LIST[@]}"
geometry=$(window_size "$FOCUSED")
[ "${geometry%x*}" -ge $((61 * U - 2)) ] || fail "Jahresstunden is $geometry, narrower than 61u"
close_list '^Jahresstunden$'

# --- two-shift plan: three crews ---------------------------------------------
keys b
open_list m '^Jahresstunden$' || exit 1
check_shot "$SHOTS/year-hours-two-shift.png" "$FOCUSED" "two-shift list equals the five-crew list" \
  differs "$SHOTS/year-hours-2024.png" "$SHOTS/year-hours-two-shift.png" "${HOURS_LIST[@]}"
close_list '^Jahresstunden$'

# --- four-crew plan: the entry opens nothing ---------------------------------
keys v
main_focus; keys F12
focus_window '^Info$' && keys m
gone '^Info$' || fail "info menu stayed open"
# A window that opens late is still caught.
window_id '^Jahresstunden$' 2 >/dev/null && fail "Jahresstunden opened in a four-crew plan"
keys n

# --- school holidays: 2024 has dates, 2029 (after the shipped ones) shows the note
open_list s '^Schulferien$' || exit 1
still_shot "$SHOTS/school-2024.png" "$FOCUSED"
# The list area below the year field: rows of dates in 2024, one short note in 2029.
rows2024=$(area_colours school-2024 "${SCHOOL_LIST[@]}")
# rows_in shot: that list has some colours, fewer than 2024's rows ("less") or
# as many ("same").
rows_in() {
  rows=$(area_colours "$1" "${SCHOOL_LIST[@]}")
  if [ "$2" = less ]; then [ "$rows2024" -gt "$rows" ] && [ "$rows" -gt 1 ]; else [ "$rows" = "$rows2024" ]; fi
}
keys Up Up Up Up Up
shot_until "$SHOTS/school-2029.png" "$FOCUSED" rows_in school-2029 less
rows2029=$rows
[ "$rows2024" -gt "$rows2029" ] || fail "2029 shows as much as 2024 ($rows2024 / $rows2029 colours, picture kept: $KEPT)"
[ "$rows2029" -gt 1 ] || fail "2029 shows no note (picture kept: $KEPT)"
keys Down Down Down Down Down
check_shot "$SHOTS/school-back.png" "$FOCUSED" "back to 2024 does not show the 2024 rows again" rows_in school-back same
close_list '^Schulferien$'

# --- public holidays ------------------------------------------------------------
open_list f '^Feiertage$' || exit 1
shot "$SHOTS/holidays-2024.png" "$FOCUSED"
geometry=$(window_size "$FOCUSED")
[ "${geometry#*x}" -ge $((38 * R - 2)) ] || fail "Feiertage is $geometry, lower than 38r"
close_list '^Feiertage$'
# The next year's list differs (Easter moves).
keys F4
open_list f '^Feiertage$' || exit 1
check_shot "$SHOTS/holidays-2025.png" "$FOCUSED" "Feiertage shows the same list for 2025" \
  eval '! same_image "$SHOTS/holidays-2024.png" "$SHOTS/holidays-2025.png"'
close_list '^Feiertage$'

stop_app
finish
