#!/bin/bash
# A logout that takes the X server away without sending a signal: the
# program keeps the changed setting and the unsaved note text as it does at a
# termination signal, and the next start offers the note back.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/note_recovery_e2e_lib.sh"

RECOVERY="$DATA/Notiz-Wiederherstellung.dat"
NOTE_TITLE='^Notizen für den 15\.01\.2024$'

# own_xvfb: the X server lib.sh started for this script, the one whose
# environment carries this script's root; nothing else is ever signalled.
own_xvfb() {
  local env pid
  for env in /proc/[0-9]*/environ; do
    pid=${env#/proc/}; pid=${pid%/environ}
    [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ] || continue
    grep -qzxF "SK_E2E_ROOT=$SK_E2E_ROOT" "$env" 2>/dev/null && echo "$pid"
  done
}
# new_xvfb: a second X server for the next start, with this script's cookie.
new_xvfb() {
  local fifo="$WORK/display2" display
  : >"$fifo"
  Xvfb -displayfd 3 -nolisten tcp -auth "$XAUTHORITY" -screen 0 1600x1000x24 3>"$fifo" 2>/dev/null &
  local deadline=$((SECONDS + 10))
  until [ -s "$fifo" ]; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.05
  done
  display=$(head -1 "$fifo")
  export DISPLAY=":$display"
  xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$(xauth -f "$XAUTHORITY" list | awk 'NR == 1 {print $3}')"
}

start_app 2024-01-15 || exit 1
keys b   # calendar type 2: a setting saved only when the program ends
keys t
focus_window "$NOTE_TITLE" || exit 1
type_text 'Nicht verlieren'

xvfb=$(own_xvfb)
[ "$(echo "$xvfb" | wc -w)" = 1 ] || { fail "the script's X server not found: '$xvfb'"; finish; }
kill "$xvfb"
wait_for_exit 10 || { fail "the lost display did not end the program"; kill -9 "$APP"; }
wait "$APP"; rc=$?; APP=""
[ $rc -eq 0 ] || fail "exit status $rc after the lost display"
grep -q 'Verbindung zur Anzeige' "$WORK/stderr.txt" || fail "stderr does not name the lost display"
expect_setting Programm Schichtart 2 "lost display"
grep -aq 'Nicht verlieren' "$RECOVERY" 2>/dev/null || fail "no recovery copy with the note text"
expect_missing "$DATA/20240015.txt"
ls "$DATA" | grep -q '\.tmp-' && fail "temporary files left: $(ls "$DATA")"

# The next start, on a new display, offers the copy.
new_xvfb || { fail "no second X server"; finish; }
next_start_restores 'Nicht verlieren' "$RECOVERY"
finish
