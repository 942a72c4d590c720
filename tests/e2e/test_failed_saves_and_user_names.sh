#!/bin/bash
# What happens when the user's folder cannot be written: every failed save is
# named, the program is never left with data dropped unless the person says
# so (at the end and at a change of user), and login names that would break
# the user's folder are refused.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/note_recovery_e2e_lib.sh"

# start_readonly: the program with the default user's folder read-only (a
# read-only bind mount of its own when run as root, whom file modes do not stop).
start_readonly() {
  if [ "$(id -u)" = 0 ]; then
    unshare -m sh -c 'mount --bind -o ro "$1" "$1" && shift && exec env "$@"' sh "$DATA" \
      LD_PRELOAD="$FAKELIB" FAKETIME="@$TODAY" "$APP_BIN" 2>>"$WORK/stderr.txt" & APP=$!
  else
    chmod a-w "$DATA"
    LD_PRELOAD="$FAKELIB" FAKETIME="@$TODAY" "$APP_BIN" 2>>"$WORK/stderr.txt" & APP=$!
  fi
  WID=$(timeout 15 xdotool search --sync --onlyvisible --name '^Velmo Schichtkalender' | head -1)
  [ -n "$WID" ] || { fail "main window did not appear"; return 1; }
  main_focus
}
make_writable() {
  if [ "$(id -u)" = 0 ]; then nsenter -t "$APP" -m mount -o remount,bind,rw "$DATA" "$DATA"
  else chmod u+w "$DATA"; fi
}
# ended: waits for the program to end by itself; its exit status in RC.
ended() {
  wait_for_exit || return 1
  wait "$APP"; RC=$?; APP=""
}

# The first start makes the folder and its settings file.
start_app || exit 1
stop_app
expect_setting Programm Schichtart 0 "first start"

# --- at the end: the failure is shown; "keep open" keeps everything ---------
start_readonly || exit 1
keys b          # another calendar type: a settings change
keys Escape
focus_window '^Fehler$' || fail "no message for the failed save at the end"
keys alt+o      # "Programm offen lassen"
gone '^Fehler$' || fail "message stayed"
kill -0 "$APP" 2>/dev/null || fail "the program ended though the person kept it open"
# The folder becomes writable; the next Esc saves and ends normally.
make_writable
main_focus
keys Escape
ended || fail "Esc after the folder became writable did not end the program"
[ "${RC:-1}" -eq 0 ] || fail "exit status $RC after a good save"
expect_setting Programm Schichtart 2 "saved once the folder was writable"

# --- "Nochmals speichern" tries again; "ohne Speichern beenden" says so ----
start_readonly || exit 1
keys v          # type 6, which must not reach the file
keys Escape
focus_window '^Fehler$' || fail "no message for the failed save"
keys alt+n      # retry: still read-only, so asked again
focus_window '^Fehler$' || fail "no message after the retry"
keys alt+b      # end without saving
ended || fail "the program did not end after 'ohne Speichern beenden'"
[ "${RC:-0}" -ne 0 ] || fail "exit status 0 though data was dropped"
expect_setting Programm Schichtart 2 "the dropped change is not in the file"
grep -q 'Einstellungen.dat' "$WORK/stderr.txt" && fail "a message went to stderr though the person was asked"

# --- an open note at a termination signal, the folder read-only -------------
# The recovery copy goes to the user's own state folder; the next start offers it.
start_readonly || exit 1
keys t
focus_window '^Notizen für den 15\.01\.2024$' || fail "day note window"
type_text 'Nicht verlieren'
kill -TERM "$APP"
ended || fail "SIGTERM did not end the program"
copy=$(find "$HOME/.local/state/schichtkalender" -name Notiz-Wiederherstellung.dat 2>/dev/null | head -1)
grep -aq 'Nicht verlieren' "${copy:-/nonexistent}" 2>/dev/null || fail "no recovery copy in the state folder"
grep -q 'ging verloren' "$WORK/stderr.txt" && fail "the note was called lost though its copy was kept"
next_start_restores 'Nicht verlieren' "${copy:-/nonexistent}"
rm -f "$DATA/20240015.txt"   # today's note would open at every later start

# --- a change of user does not go past a failed save without asking ---------
start_readonly || exit 1
keys n          # back to type 0, to be saved before the switch
keys F11
focus_window '^Anmeldung$' || fail "login window"
type_text "Anna"; keys Return
focus_window '^Fehler$' || fail "no message for the failed save at the change of user"
keys alt+b      # keep the user
gone '^Fehler$'
main_focus
[ "$(xdotool getwindowname "$WID")" = "Velmo Schichtkalender - Benutzername: Programm" ] ||
  fail "the user changed though the person kept the old one"
make_writable
keys F11
focus_window '^Anmeldung$' || fail "login window again"
type_text "Anna"; keys Return
gone '^Anmeldung$'
main_focus
[ "$(xdotool getwindowname "$WID")" = "Velmo Schichtkalender  - Benutzername: Anna" ] ||
  fail "login after the folder became writable"
expect_setting Programm Schichtart 0 "old user's change saved before the switch"
stop_app

# --- names that would break the user's folder are refused at login ---------
start_app || exit 1
for name in 'Bert ' ' Bert' '   ' '..' '.'; do
  keys F11
  focus_window '^Anmeldung$' || break
  type_text "$name"; keys Return
  focus_window '^Fehler$' || fail "no message for the name '$name'"
  keys Return
  focus_window '^Anmeldung$' || fail "login window closed after refusing '$name'"
  keys Escape
  gone '^Anmeldung$'
  main_focus
done
ls SKDaten | grep -qv '^\(Programm\|Anna\)$' && fail "a refused name made a folder: $(ls SKDaten)"
# An old folder with a blank at its end keeps working, settings and all.
mkdir -p "SKDaten/Cora "
keys F11
focus_window '^Anmeldung$'
type_text 'Cora '; keys Return
gone '^Anmeldung$' || fail "the existing folder 'Cora ' was refused"
main_focus
keys b
stop_app
expect_setting 'Cora ' Schichtart 2 "settings of the folder 'Cora '"

finish
