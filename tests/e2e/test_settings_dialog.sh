#!/bin/bash
# The settings dialog: coordinates typed the way people type them, saved to
# the settings file, and the calendar follows at once; "Abbruch" keeps the
# file but not the place name.
# Buttons and check boxes are pressed by their names, as a screen reader does.
SK_E2E_ATSPI=1
source "$(dirname "$0")/lib.sh"

FILE=$(settings_of Programm)
press_save() { press_named '^Programmeinstellungen$' button Speichern; }
press_cancel() { press_named '^Programmeinstellungen$' button Abbruch; }
astro_field() {  # crop of the astronomy status field out of a main-window shot
  main_units
  convert "$WORK/$1" -crop "$((100 * U))x$R+$U+$(( (382 * R + 5) / 10 ))" +repage "$WORK/$2"
}

start_app || exit 1
still_shot "$WORK/before.png" ""
astro_field before.png astro_before.png
cmp_before=$(md5sum < "$WORK/before.png")

# --- coordinates: 13,7 east, latitude 120 north, zone 15 --------------------
keys e
focus_window '^Programmeinstellungen$' && shot "$WORK/settings.png" "$FOCUSED"
keys Tab ctrl+a; type_text "13,7"
keys Tab Tab ctrl+a; type_text "120"
keys Tab Tab ctrl+a; type_text "15"
keys Tab
shot "$WORK/settings_typed.png" "$FOCUSED"
press_save
gone '^Programmeinstellungen$' || fail "Speichern did not close the dialog"
[ -f "$FILE" ] || fail "Speichern wrote no settings file"
grep -qa '^Länge = -13.4199999999999999289457264239899814128875732421875$' "$FILE" ||
  fail "longitude: $(grep -a '^Länge' "$FILE")"
grep -qa '^Breite = 30$' "$FILE" || fail "latitude: $(grep -a '^Breite' "$FILE")"
grep -qa '^Zeitzone = 14$' "$FILE" || fail "time zone: $(grep -a '^Zeitzone' "$FILE")"
head -c 4 "$FILE" | od -An -tx1 | grep -q 'ef bb bf 0a' || fail "file does not start with the mark and a line feed"
main_focus
# Taken at rest as well: the display options below are judged against it.
astro_moved() {
  astro_field after.png astro_after.png
  ! same_image "$WORK/astro_before.png" "$WORK/astro_after.png" && unchanged "$WORK/after.png"
}
check_shot "$WORK/after.png" "" "astronomy field did not follow the new place" astro_moved

# --- display options: moon phases on, week numbers off, astronomical -------
keys e
focus_window '^Programmeinstellungen$'
press_named '^Programmeinstellungen$' check 'Mondphasen anzeigen'
press_named '^Programmeinstellungen$' check 'Wochennummer anzeigen'
press_named '^Programmeinstellungen$' radio 'astronomisch'
shot "$WORK/settings_options.png" "$FOCUSED"
press_save
gone '^Programmeinstellungen$' || fail "second Speichern"
expect_setting Programm "Mondphasen anzeigen" 1 "check box"
expect_setting Programm "Wochennummer anzeigen" 0 "check box"
expect_setting Programm "Dämmerung" 2 "twilight option"
main_focus
check_shot "$WORK/options.png" "" "calendar did not follow the display options" \
  eval '! same_image "$WORK/after.png" "$WORK/options.png"'

# --- "Abbruch" keeps the file, the place name is kept for the next save ----
cp "$FILE" "$WORK/saved.dat"
keys e
focus_window '^Programmeinstellungen$'
type_text "Neustadt an der Waldnaab"   # the name field has the focus, its text selected
press_named '^Programmeinstellungen$' button 'Urlaub zurücksetzen'
keys Tab ctrl+a; type_text "1"
press_cancel
gone '^Programmeinstellungen$' || fail "Abbruch did not close the dialog"
cmp -s "$FILE" "$WORK/saved.dat" || fail "Abbruch changed the settings file"
main_focus
keys e
focus_window '^Programmeinstellungen$'
keys Escape
gone '^Programmeinstellungen$' || fail "Esc did not close the dialog"
cmp -s "$FILE" "$WORK/saved.dat" || fail "Esc changed the settings file"
stop_app
expect_setting Programm Ortsname "Neustadt an der Waldnaab" "place name after Abbruch"
grep -qa '^Breite = 30$' "$FILE" || fail "latitude lost at shutdown"

finish
