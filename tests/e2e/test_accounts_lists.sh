#!/bin/bash
# The three lists of the info menu open with their titles and show their
# year: "Jahresstunden" (five-crew and two-shift), "Ferientermine" (with a
# year that has no dates) and "Feiertage"; the four-crew plans have no
# yearly hours.
source "$(dirname "$0")/lib.sh"

start_app 2024-01-15 || exit 1
# Distinct colours of a screenshot: an empty list area has very few.
area_colours() { colours_in "$SHOTS/$1.png" "$2" "$3" "$4" "$5"; }
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
shot "$SHOTS/year-hours-2024.png" "$FOCUSED"
keys Up
shot "$SHOTS/year-hours-2025.png" "$FOCUSED"
same_image "$SHOTS/year-hours-2024.png" "$SHOTS/year-hours-2025.png" && fail "the year spin did not refill the list"
geometry=$(window_size "$FOCUSED")
[ "${geometry%x*}" -ge $((61 * U - 2)) ] || fail "Jahresstunden is $geometry, narrower than 61u"
close_list '^Jahresstunden$'

# --- two-shift plan: three crews ---------------------------------------------
keys b
open_list m '^Jahresstunden$' || exit 1
shot "$SHOTS/year-hours-two-shift.png" "$FOCUSED"
same_image "$SHOTS/year-hours-2024.png" "$SHOTS/year-hours-two-shift.png" && fail "two-shift list equals the five-crew list"
close_list '^Jahresstunden$'

# --- four-crew plan: the entry opens nothing ---------------------------------
keys v
main_focus; keys F12
focus_window '^Info$' && keys m
gone '^Info$' || fail "info menu stayed open"
settle
xdotool search --onlyvisible --name '^Jahresstunden$' >/dev/null 2>&1 && fail "Jahresstunden opened in a four-crew plan"
keys n

# --- school holidays: 2024 has dates, 2025 shows the note --------------------
open_list s '^Ferientermine$' || exit 1
shot "$SHOTS/school-2024.png" "$FOCUSED"
keys Up
shot "$SHOTS/school-2025.png" "$FOCUSED"
# The list area below the year field: rows of dates in 2024, one short note in 2025.
rows2024=$(area_colours school-2024 $((2 * U)) $((5 * R)) $((50 * U)) $((8 * R)))
rows2025=$(area_colours school-2025 $((2 * U)) $((5 * R)) $((50 * U)) $((8 * R)))
[ "$rows2024" -gt "$rows2025" ] || fail "2025 shows as much as 2024 ($rows2024 / $rows2025 colours)"
[ "$rows2025" -gt 1 ] || fail "2025 shows no note"
keys Down
shot "$SHOTS/school-back.png" "$FOCUSED"
back=$(area_colours school-back $((2 * U)) $((5 * R)) $((50 * U)) $((8 * R)))
[ "$back" = "$rows2024" ] || fail "back to 2024 does not show the 2024 rows again"
close_list '^Ferientermine$'

# --- public holidays ------------------------------------------------------------
open_list f '^Feiertage$' || exit 1
shot "$SHOTS/holidays-2024.png" "$FOCUSED"
geometry=$(window_size "$FOCUSED")
[ "${geometry#*x}" -ge $((38 * R - 2)) ] || fail "Feiertage is $geometry, lower than 38r"
close_list '^Feiertage$'
# The next year's list differs (Easter moves).
keys F4
open_list f '^Feiertage$' || exit 1
shot "$SHOTS/holidays-2025.png" "$FOCUSED"
same_image "$SHOTS/holidays-2024.png" "$SHOTS/holidays-2025.png" && fail "Feiertage shows the same list for 2025"
close_list '^Feiertage$'

stop_app
finish
