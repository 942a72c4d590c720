#!/bin/bash
# Calendar marks and shift marks through their windows: the records a user
# keeps, byte for byte, and what the calendar shows afterwards.
source "$(dirname "$0")/lib.sh"

# The crop of one calendar cell area of a screenshot of the main window, as a
# list of pixels (x y w h), to see whether a repaint changed it.
area_sum() { convert "$1" -crop "$4x$5+$2+$3" +repage txt:- | tail -n +2 | awk '{print $3}' | md5sum; }
# Pixels of one exact colour (#RRGGBB) in an area (x y w h).
count_colour() {
  convert "$1" -crop "$4x$5+$2+$3" +repage txt:- | grep -ci "$6" || true
}
# click_on 'title regex' x-units y-rows: a left click at (x u, y r) inside a window.
click_on() {
  focus_window "$1" || return 1
  xdotool mousemove --window "$FOCUSED" "$(python3 -c "print(round($2 * $U))")" \
    "$(python3 -c "print(round($3 * $R))")" click 1
  settle
}
CAL_TITLE='^Eingabe einer Kalendermarkierung$'
MARK_TITLE='^Schichtmarkierung eingeben$'
COLUMN_TITLE='^Schichtspalte eingeben$'

# Monday, 15 January 2024 (day number 19737 = 0x4d19); the cursor is on it.
start_app 2024-01-15 || exit 1
still_shot "$SHOTS/main-before.png" ""
# Row of day d in column 0: y = (d + 2) r in the window; shift area from x = 9u.
ROW15=$((17 * R))
cell15() { area_sum "$1" $((15 * U)) "$ROW15" $((2 * U)) "$R"; }
sunday() { area_sum "$1" $((9 * U + 2)) $((23 * R + 2)) $((8 * U - 4)) $((R - 4)); }
cell_before=$(cell15 "$SHOTS/main-before.png")
sunday_before=$(sunday "$SHOTS/main-before.png")

# --- K: a new mark from today; the end typed digit by digit ----------------
keys k
focus_window "$CAL_TITLE" || exit 1
shot "$SHOTS/calendar-mark-window.png" "$FOCUSED"
keys Home
type_text '20012024'
shot "$SHOTS/calendar-mark-typed.png" "$FOCUSED"
click_on "$CAL_TITLE" 6 10.75          # "Speichern"
gone "$CAL_TITLE" || fail "Speichern did not close the calendar-mark window"
main_focus
# mark_bar file: the bar in the default colour on 15-20 January and not
# after; what is wrong goes to WRONG.
mark_bar() {
  WRONG=()
  local bar bar_after
  bar=$(count_colour "$1" "$U" $((17 * R)) $((8 * U)) $((6 * R)) '#EFC2A1')
  [ "${bar:-0}" -gt 0 ] || WRONG+=("no mark bar in the default colour on 15-20 January")
  bar_after=$(count_colour "$1" "$U" $((24 * R)) $((8 * U)) $((3 * R)) '#EFC2A1')
  [ "${bar_after:-0}" -eq 0 ] || WRONG+=("the mark bar reaches past 20 January")
  [ ${#WRONG[@]} -eq 0 ]
}
shot_until "$SHOTS/main-with-mark.png" "" mark_bar "$SHOTS/main-with-mark.png" ||
  for w in "${WRONG[@]}"; do fail "$w (picture kept: $KEPT)"; done

# --- 3 on a weekday, U: the letter in the night sub-column -----------------
keys 3
focus_window "$MARK_TITLE" || exit 1
shot "$SHOTS/shift-mark-window.png" "$FOCUSED"
keys u
gone "$MARK_TITLE" || fail "the letter U did not accept the mark window"
main_focus
check_shot "$SHOTS/main-with-shift-mark.png" "" "no mark letter in the night sub-column of 15 January" \
  eval '[ "$cell_before" != "$(cell15 "$SHOTS/main-with-shift-mark.png")" ]'

# --- on a Sunday the late column (key 2) cannot be marked ------------------
# Sundays have no late shift; key 3 (the night column) still opens the window.
keys Down Down Down Down Down Down     # 21 January 2024, a Sunday
keys 2
# A window that opens late is still caught.
window_id "$MARK_TITLE" 2 >/dev/null && {
  fail "2 on a Sunday opened the mark window"; focus_window "$MARK_TITLE" && keys Escape; }
main_focus
check_shot "$SHOTS/main-sunday.png" "" "the shift area of the Sunday changed" \
  eval '[ "$sunday_before" = "$(sunday "$SHOTS/main-sunday.png")" ]'
keys 3
focus_window "$MARK_TITLE" && keys Escape
gone "$MARK_TITLE" || fail "Esc did not close the mark window of the Sunday's night column"
main_focus

# --- a double click in the early sub-column of 15 January opens the window --
keys Up Up Up Up Up Up
double_click_opens "$WID" $((23 * U / 2)) $((ROW15 + R / 2)) "$MARK_TITLE" || fail "a double click did not open the mark window"
focus_window "$MARK_TITLE" || exit 1
shot "$SHOTS/shift-mark-double-click.png" "$FOCUSED"
keys Escape                            # cancelled: nothing changes
gone "$MARK_TITLE" || fail "Esc did not close the mark window"

# --- note menu, "Schichtmarkierung": column window, then K for crew 1 -------
main_focus
keys F9
focus_window '^Notiz$' && keys s
focus_window "$COLUMN_TITLE" || exit 1
shot "$SHOTS/shift-column-window.png" "$FOCUSED"
keys Return                            # "Verfügung", preselected
focus_window "$MARK_TITLE" || exit 1
keys k
gone "$MARK_TITLE" || fail "K did not accept the mark window"

stop_app
# 15.01.2024 ... 20.01.2024 (0x4d1e) in red 239, green 194, blue 161.
expect_bytes "$DATA/Kalendermarkierung.dat" '\x19\x4d\x00\x00\x1e\x4d\x00\x00\xef\xc2\xa1\x00'
# The day's one mark: taken over by crew column 1 with "Krank" (4).
expect_bytes "$DATA/Schichtmarkierung.dat" '\x19\x4d\x00\x00\x01\x04'

# --- the mark is shown again and "Löschen" removes the last one --------------
start_app 2024-01-15 || exit 1
keys k
focus_window "$CAL_TITLE" || exit 1
click_on "$CAL_TITLE" 22 10.75         # "Löschen"
gone "$CAL_TITLE" || fail "Löschen did not close the calendar-mark window"
keys 1                                 # early shift; delete key removes the day's mark
focus_window "$MARK_TITLE" && keys Delete
gone "$MARK_TITLE" || fail "Entf did not accept the mark window"
stop_app
expect_missing "$DATA/Kalendermarkierung.dat"
expect_missing "$DATA/Schichtmarkierung.dat"

# --- dates typed and stepped in the date fields ------------------------------
# "Datum eingeben" takes 24.12.2025 typed over the cursor's date; the mark
# window then starts there, and Up on the year of its end date steps to 2026.
start_app 2024-01-15 || exit 1
keys F8
focus_window '^Datum eingeben$' || exit 1
keys Home
type_text '24122025'
keys Return
gone '^Datum eingeben$' || fail "Return did not close Datum eingeben"
main_focus
keys k
focus_window "$CAL_TITLE" || exit 1
keys End Up
shot "$SHOTS/calendar-mark-stepped.png" "$FOCUSED"
click_on "$CAL_TITLE" 29.5 7.75        # "Markierungsfarbe"; Esc cancels, the colour stays
focus_window '^Markierungsfarbe$' && { shot "$SHOTS/colour-chooser.png" "$FOCUSED"; keys Escape; }
gone '^Markierungsfarbe$' || fail "Esc did not close the colour chooser"
xdotool search --onlyvisible --name "$CAL_TITLE" >/dev/null || fail "Esc in the chooser closed the mark window"
click_on "$CAL_TITLE" 6 10.75          # "Speichern"
gone "$CAL_TITLE" || fail "Speichern did not close the calendar-mark window"
# The four-crew letter plan offers its three shifts on one row; X chooses nothing there.
main_focus
keys c 1
focus_window "$MARK_TITLE" || exit 1
shot "$SHOTS/shift-mark-window-four-crew.png" "$FOCUSED"
keys x
xdotool search --onlyvisible --name "$MARK_TITLE" >/dev/null || fail "X closed the four-crew mark window"
focus_window "$MARK_TITLE" && keys Escape
gone "$MARK_TITLE" || fail "Esc did not close the four-crew mark window"
stop_app
expect_missing "$DATA/Schichtmarkierung.dat"
# 24.12.2025 (20446) ... 31.12.2026 (20818).
expect_bytes "$DATA/Kalendermarkierung.dat" '\xde\x4f\x00\x00\x52\x51\x00\x00\xef\xc2\xa1\x00'

# "Datum eingeben" takes the ISO form as that very day; a day that does not
# exist is refused with a message and the window stays; the mark window
# then starts on the ISO day.
start_app 2024-01-15 || exit 1
keys F8
focus_window '^Datum eingeben$' || exit 1
type_text '31022027'
keys Return
focus_window '^Fehler$' || fail "31.02.2027 was taken without a word"
keys Return
focus_window '^Datum eingeben$' || fail "the refused date closed the window"
keys ctrl+a
type_text '2027-03-04'
keys Return
gone '^Datum eingeben$' || fail "Return did not take 2027-03-04"
main_focus
keys k
focus_window "$CAL_TITLE" || exit 1
click_on "$CAL_TITLE" 6 10.75          # "Speichern"
gone "$CAL_TITLE" || fail "Speichern did not close the calendar-mark window"
stop_app
ISO_DAY=$(( $(date -ud 2027-03-04 +%s) / 86400 ))
od -An -v -tu4 -w12 "$DATA/Kalendermarkierung.dat" | awk -v d="$ISO_DAY" '$1 == d {found = 1} END {exit !found}' ||
  fail "no mark starting on 2027-03-04 ($ISO_DAY): $(od -An -tu4 -w12 "$DATA/Kalendermarkierung.dat")"
finish
