#!/bin/bash
# The settings dialog: coordinates typed the way people type them, saved to
# the settings file, and the calendar follows at once; "Abbruch" keeps the
# file but not the place name.
set -u
source "$(dirname "$(readlink -f "$0")")/settings_e2e_lib.sh"

FILE=$(settings_of Programm)
# Points inside the dialog, from its bottom-left and bottom-right corners for
# the buttons; the check boxes sit at fixed rows of the default font.
dialog_size() {
  local geom; geom=$(xdotool getwindowgeometry "$DLG" | awk '/Geometry/ {print $2}')
  DW=${geom%x*}; DH=${geom#*x}
}
press_save() { dialog_size; click_in "$DLG" 50 $((DH - 36)); }
press_cancel() { dialog_size; click_in "$DLG" $((DW - 50)) $((DH - 36)); }
astro_field() {  # crop of the astronomy status field out of a main-window shot
  main_units
  convert "$WORK/$1" -crop "$((100 * U))x$R+$U+$(( (382 * R + 5) / 10 ))" +repage "$WORK/$2"
}

start_app || exit 1
shot "$WID" before.png
astro_field before.png astro_before.png
cmp_before=$(md5sum < "$WORK/before.png")

# --- coordinates: 13,7 east, latitude 120 north, zone 15 --------------------
keys e
focus_window Programmeinstellungen && shot "$DLG" settings.png
keys Tab ctrl+a; type_text "13,7"
keys Tab Tab ctrl+a; type_text "120"
keys Tab Tab ctrl+a; type_text "15"
keys Tab
shot "$DLG" settings_typed.png
press_save
window_gone Programmeinstellungen || fail "Speichern did not close the dialog"
[ -f "$FILE" ] || fail "Speichern wrote no settings file"
grep -qa '^Länge = -13.4199999999999999289457264239899814128875732421875$' "$FILE" ||
  fail "longitude: $(grep -a '^Länge' "$FILE")"
grep -qa '^Breite = 30$' "$FILE" || fail "latitude: $(grep -a '^Breite' "$FILE")"
grep -qa '^Zeitzone = 14$' "$FILE" || fail "time zone: $(grep -a '^Zeitzone' "$FILE")"
head -c 4 "$FILE" | od -An -tx1 | grep -q 'ef bb bf 0a' || fail "file does not start with the mark and a line feed"
refocus_main
shot "$WID" after.png
astro_field after.png astro_after.png
same_image "$WORK/astro_before.png" "$WORK/astro_after.png" && fail "astronomy field did not follow the new place"

# --- display options: moon phases on, week numbers off, astronomical -------
keys e
focus_window Programmeinstellungen
click_in "$DLG" 32 292    # Mondphasen anzeigen
click_in "$DLG" 32 344    # Wochennummer anzeigen
click_in "$DLG" 316 266   # astronomisch
shot "$DLG" settings_options.png
press_save
window_gone Programmeinstellungen || fail "second Speichern"
expect_setting Programm "Mondphasen anzeigen" 1 "check box"
expect_setting Programm "Wochennummer anzeigen" 0 "check box"
expect_setting Programm "Dämmerung" 2 "twilight option"
refocus_main
shot "$WID" options.png
same_image "$WORK/after.png" "$WORK/options.png" && fail "calendar did not follow the display options"

# --- "Abbruch" keeps the file, the place name is kept for the next save ----
cp "$FILE" "$WORK/saved.dat"
keys e
focus_window Programmeinstellungen
type_text "Neustadt an der Waldnaab"   # the name field has the focus, its text selected
click_in "$DLG" 374 438   # Urlaub zurücksetzen
keys Tab ctrl+a; type_text "1"
press_cancel
window_gone Programmeinstellungen || fail "Abbruch did not close the dialog"
cmp -s "$FILE" "$WORK/saved.dat" || fail "Abbruch changed the settings file"
refocus_main
keys e
focus_window Programmeinstellungen
keys Escape
window_gone Programmeinstellungen || fail "Esc did not close the dialog"
cmp -s "$FILE" "$WORK/saved.dat" || fail "Esc changed the settings file"
stop_app
expect_setting Programm Ortsname "Neustadt an der Waldnaab" "place name after Abbruch"
grep -qa '^Breite = 30$' "$FILE" || fail "latitude lost at shutdown"

finish
