#!/bin/bash
# Sourced after lib.sh by the scripts that end the program while a note
# window on 15 January 2024 holds unsaved text.

# next_start_restores text copy: the next start offers the recovery copy (at
# the path given); "Ja" makes it the day's note with that text, the copy goes.
next_start_restores() {
  start_app 2024-01-15 || return 1
  focus_window '^Frage$' || { fail "the recovery copy was not offered"; return 1; }
  answer Ja
  expect_bytes "$DATA/20240015.txt" "$1"
  expect_missing "$2"
  # The restored note is one of the day's notes, shown as at every start.
  focus_window '^Notizen für den 15\.01\.2024$' 3 && keys Escape
  stop_app
}
