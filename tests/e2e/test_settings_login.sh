#!/bin/bash
# Login of another user: the new user's folder and settings, the title, the
# password that enciphers the notes, and the rules of the login window.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/settings_e2e_lib.sh"

login() {  # name password
  keys a
  focus_window '^Anmeldung$' || return 1
  type_text "$1"; keys Tab; [ -n "$2" ] && type_text "$2"
  keys Return
  gone '^Anmeldung$' || fail "login window still open after Return"
  main_focus
}

# --- a new user gets a folder, a settings file and the title ---------------
start_app || exit 1
[ "$(xdotool getwindowname "$WID")" = "Velmo Schichtkalender - Benutzername: Programm" ] || fail "start title"
keys F11
focus_window '^Anmeldung$' && shot "$WORK/login.png" "$FOCUSED"
keys Escape
gone '^Anmeldung$' || fail "Esc did not close the login window"
main_focus
[ -d SKDaten/Anna ] && fail "cancelled login created a folder"
keys b   # a changed calendar type must be saved for the old user at the login
login Anna 'Geheim#1'
[ -d SKDaten/Anna ] || fail "folder of the new user missing"
[ -f "$(settings_of Anna)" ] || fail "settings file of the new user missing"
expect_setting Anna Anwendername Anna "new user's settings"
expect_setting Anna Schichtart 2 "new user starts with a copy of the settings"
expect_setting Programm Schichtart 2 "old user's settings saved at the login"
[ "$(xdotool getwindowname "$WID")" = "Velmo Schichtkalender  - Benutzername: Anna" ] ||
  fail "title after login is '$(xdotool getwindowname "$WID")'"

# --- the name rules: empty name, refused characters ------------------------
keys a; focus_window '^Anmeldung$'
keys Return
focus_window '^Fehler$' && shot "$WORK/name_missing.png" "$FOCUSED"
keys Return
focus_window '^Anmeldung$' || fail "login window closed after the missing-name message"
type_text "x/"
focus_window '^Fehler$' || fail "no message for '/'"
keys Return
focus_window '^Anmeldung$'
keys Escape
gone '^Anmeldung$' || fail "Esc after the messages"
main_focus
[ "$(xdotool getwindowname "$WID")" = "Velmo Schichtkalender  - Benutzername: Anna" ] || fail "cancel changed the title"
stop_app
expect_setting Programm Anwendername Programm "old user's file keeps its name"

# --- password round trip across a restart ---------------------------------
NOTE='Zahnarzt um 9 Uhr, Müller'
write_enciphered_note SKDaten/Anna/20240016.txt "$NOTE" 'Geheim#1'
cp SKDaten/Anna/20240016.txt "$WORK/note.kept"
sed -i 's/^Fontgröße = 10$/Fontgröße = 14/' "$(settings_of Anna)"
start_app || exit 1
size_before=$(window_size "$WID")
login Anna 'Geheim#1'
# The new size may reach the X server after the login's answer: up to 10 s.
wider() { size_after=$(window_size "$WID"); [ "${size_after%x*}" -gt "${size_before%x*}" ]; }
within wider || fail "window not rebuilt for Anna's font: $size_before -> $size_after"
keys Down   # 16 January
notes_of_cursor_day; got=$NOTES
case "$got" in *"$NOTE"*) ;; *) fail "note read with the password is '$got'";; esac
login Anna 'falsch'
keys Down
notes_of_cursor_day; got=$NOTES
case "$got" in *"$NOTE"*) fail "a wrong password read the note in clear";; esac
[ -n "$got" ] || fail "a wrong password shows no note at all"
stop_app
cmp -s SKDaten/Anna/20240016.txt "$WORK/note.kept" || fail "reading the note changed its file"
expect_setting Anna Anwendername Anna "after the restart"
grep -qa 'Geheim' SKDaten/Anna/* SKDaten/Programm/* && fail "the password was written to a file"

finish
