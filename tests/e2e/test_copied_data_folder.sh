#!/bin/bash
# "SKDaten" copied to another folder (a backup, a move): the program started
# there works on the copy, not on the folder it was copied from.
source "$(dirname "$0")/lib.sh"

start_app 2024-01-15 || exit 1
stop_app
expect_setting Programm Anwenderverzeichnis "" "the default data folder"

mkdir "$WORK/neu"
cp -a "$WORK/SKDaten" "$WORK/neu/"
cd "$WORK/neu" || exit 1
start_app 2024-01-15 || exit 1
keys 3   # a shift mark on 15 January, saved at once
focus_window '^Schichtmarkierung eingeben$' && keys u
gone '^Schichtmarkierung eingeben$' || fail "mark window stayed open"
main_focus
stop_app
cd "$WORK" || exit 1

[ -f "$WORK/neu/SKDaten/Programm/Schichtmarkierung.dat" ] || fail "the mark is not in the copy"
expect_missing "$DATA/Schichtmarkierung.dat"
finish
