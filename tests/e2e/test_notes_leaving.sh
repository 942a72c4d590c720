#!/bin/bash
# The notes of a day at start (a note holding a NUL byte), leaving the note
# windows: the caret after "Einsetzen" and after a refused character, the
# size of the yearly window, and a read-only data folder,
# where every way out must still close the window and a termination signal
# must still end the program.
source "$(dirname "$0")/lib.sh"

# --- the notes of the day, the yearly note window (a writable folder) ----------
mkdir -p "$DATA"
printf 'vor\0nach' >"$DATA/20150426.txt"
start_app 2015-05-26 || exit 1
# The text shows without the NUL, on the main window's background.
focus_window '^Notizen für den 26\.05\.2015$' || exit 1
# notes_shown file: the text on the window's background; what is wrong goes to WRONG.
notes_shown() {
  WRONG=()
  [ "$(pixel "$1" 3 3)" = "$(pixel "$1" $((30 * U)) $((20 * R)))" ] ||
    WRONG+=("the notes of the day stand on another background than the window's")
  [ "$(colours_in "$1" $((U + 4)) $((R + 2)) $((10 * U)) $((R + 2)))" -gt 1 ] ||
    WRONG+=("the notes of the day show no text")
  [ ${#WRONG[@]} -eq 0 ]
}
shot_until "$WORK/notes-of-day.png" "$FOCUSED" notes_shown "$WORK/notes-of-day.png" ||
  for w in "${WRONG[@]}"; do fail "$w (picture kept: $KEPT)"; done
grep -q CRITICAL "$WORK/stderr.txt" && fail "the toolkit complained: $(grep CRITICAL "$WORK/stderr.txt" | head -1)"
keys Escape
gone '^Notizen für den' || fail "the notes of the day stayed open"
main_focus
keys j
focus_window '^Jährliche Notizen für den 26\.05\.2015$' || exit 1
geometry=$(window_size "$FOCUSED")
[ "$geometry" = "$((62 * U))x$((31 * R))" ] || fail "yearly window is $geometry, not 62u x 31r ($((62 * U))x$((31 * R)))"
# "Einsetzen" (start year 1970), then the name goes after the marker line.
keys ctrl+Tab Tab Tab Tab Tab Tab space
type_text 'Anna€'
# "Speichern" refuses the euro sign; the caret stays behind it.
keys ctrl+Tab space
focus_window '^Fehler$' && keys Return
gone '^Fehler$' || fail "the refusal stayed open"
focus_window '^Jährliche Notizen' || exit 1
keys BackSpace
type_text ' B.'
keys ctrl+Tab space
gone '^Jährliche' || fail "yearly window stayed open"
expect_bytes "$DATA/426.jnt" '<1970>. Geburtstag Anna B.'
stop_app

# --- a read-only data folder -------------------------------------------------------
# The folder is mounted read-only in a mount namespace of our own (also as
# root, where permissions alone do not stop a write); without namespaces the
# program runs as an unprivileged user on a folder it may not write.
start_read_only() {
  local today="${1} 10:00:00"
  if unshare -rm true 2>/dev/null; then
    LD_PRELOAD="$FAKELIB" FAKETIME="@$today" unshare -rm sh -c \
      'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" "$1" && exec "$2"' sh "$WORK/SKDaten" "$APP_BIN" \
      2>>"$WORK/stderr.txt" & APP=$!
  elif [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    chmod 755 "$WORK"; chmod -R go-w "$WORK/SKDaten"; chmod -R a+rX "$WORK/SKDaten"
    cp "$XAUTHORITY" "$WORK/xauthority" && chmod 644 "$WORK/xauthority"
    XAUTHORITY="$WORK/xauthority" LD_PRELOAD="$FAKELIB" FAKETIME="@$today" \
      setpriv --reuid=65534 --regid=65534 --clear-groups "$APP_BIN" 2>>"$WORK/stderr.txt" & APP=$!
  else
    chmod -R a-w "$WORK/SKDaten"
    LD_PRELOAD="$FAKELIB" FAKETIME="@$today" "$APP_BIN" 2>>"$WORK/stderr.txt" & APP=$!
  fi
  WID=$(timeout 15 xdotool search --sync --onlyvisible --name '^Velmo Schichtkalender' | head -1)
  [ -n "$WID" ] || { fail "main window did not appear on the read-only folder"; return 1; }
  main_focus
  main_units
}
ls -R "$WORK/SKDaten" >"$WORK/before.txt"
# The day after the yearly note: no notes window at start.
start_read_only 2015-05-27 || exit 1

# Every way out of a window on a day without note closes it.
for way in Escape save delete nein; do
  keys t
  focus_window '^Notizen für den 27\.05\.2015$' || exit 1
  case $way in
    Escape) keys Escape ;;
    save) keys ctrl+Tab space ;;
    delete) keys ctrl+Tab Tab Tab Tab space ;;
    nein) type_text 'Text'; keys Escape; answer Nein ;;
  esac
  gone '^Notizen für den' || { fail "way out '$way' left the window open"; exit 1; }
  shown '^Fehler$' && fail "way out '$way' reported an error"
  main_focus
done

# A text that cannot be saved: the user may go back to it or leave.
keys t
focus_window '^Notizen für den' || exit 1
type_text 'bleibt'
keys ctrl+Tab space
answer Nein
shown '^Notizen für den' || fail "going back to the text closed the window"
focus_window '^Notizen für den' || exit 1
keys Escape
# "Ja" to saving: it fails, and the next question offers to leave anyway.
focus_window '^Frage$' && keys Return
answer Ja Nein-first
gone '^Notizen für den' || fail "leaving without saving kept the window"

# A termination signal ends the program while the save question is open.
main_focus
keys t
focus_window '^Notizen für den' || exit 1
type_text 'ungespeichert'
keys Escape
focus_window '^Frage$' || exit 1
kill -TERM "$APP"
wait_for_exit 10 || fail "SIGTERM did not end the program with a question open"
kill -0 "$APP" 2>/dev/null && kill -KILL "$APP"
wait "$APP" 2>/dev/null
APP=""
ls -R "$WORK/SKDaten" >"$WORK/after.txt"
cmp -s "$WORK/before.txt" "$WORK/after.txt" || fail "the read-only folder changed: $(diff "$WORK/before.txt" "$WORK/after.txt")"
chmod -R u+w "$WORK/SKDaten"
finish
