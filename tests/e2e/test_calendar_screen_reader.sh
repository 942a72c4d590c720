#!/bin/bash
# A screen reader reads the calendar as a table of days: moved by the arrow
# keys, the cursor cell becomes the focused cell, and its name says the date
# and who works which shift, in the words of `schichtplan --format text`.
SK_E2E_ATSPI=1
source "$(dirname "$0")/lib.sh"

start_app 2024-01-15 || exit 1
# From today, 15 January in the first column: a day down, a month right.
read_out=$(/usr/bin/python3 "$E2E_DIR/atspi_calendar.py" Down Right) || fail "the calendar table did not answer"
{ read -r rows columns; read -r focused; read -r selected; } <<<"$read_out"
[ "$rows $columns" = "31 7" ] || fail "table of $rows rows and $columns columns, expected 31 and 7"
[ "$focused" = "$selected" ] || fail "focused cell '$focused' is not the cursor cell '$selected'"
case "$focused" in
  "Freitag, 16. Februar 2024. "*) ;;
  *) fail "focused cell reads '$focused'" ;;
esac
plan=$("$BUILD/schichtplan" --format text --from 2024-02-16 --to 2024-02-16 | tail -1)
shifts=$(grep -oE '(Früh|Spät|Nacht): ([[:alpha:]]+|-)' <<<"$plan")
[ "$(wc -l <<<"$shifts")" = 3 ] || fail "schichtplan gave '$plan'"
while read -r shift; do
  [[ "$focused" == *"$shift"* ]] || fail "'$shift' of schichtplan missing in '$focused'"
done <<<"$shifts"

# The half-year page (key X) is a table as well: a column per month, a row
# per day; 16 February in the second column says the page plan's shifts.
main_focus; keys x
read_out=$(/usr/bin/python3 "$E2E_DIR/atspi_calendar.py" --cell 1 15) || fail "the half-year table did not answer"
{ read -r rows columns; read -r cell; } <<<"$read_out"
[ "$rows $columns" = "31 6" ] || fail "half-year table of $rows rows and $columns columns, expected 31 and 6"
plan=$("$BUILD/schichtplan" --format text --type 5 --from 2024-02-16 --to 2024-02-16 | tail -1)
shifts=$(grep -oE '(Früh|Spät|Nacht): ([[:alpha:]]+|-)' <<<"$plan")
[ "$(wc -l <<<"$shifts")" = 3 ] || fail "schichtplan gave '$plan'"
while read -r shift; do
  [[ "$cell" == "Freitag, 16. Februar 2024. "*"$shift"* ]] || fail "'$shift' of schichtplan missing in '$cell'"
done <<<"$shifts"
stop_app
finish
