#!/bin/bash
# Helpers of the note end-to-end tests (sourced): a virtual X server, the
# program in a fresh working folder with today pinned, keys to the window
# that has a given title, and byte checks of the note files.
set -u
if [ -z "${SK_E2E_INNER:-}" ]; then
  export SK_E2E_INNER=1 GDK_BACKEND=x11 NO_AT_BRIDGE=1 DBUS_SESSION_BUS_ADDRESS=disabled: GDK_GL=disable
  exec xvfb-run -a -s "-screen 0 1600x1000x24" bash "$0" "$@"
fi

BUILD=${SK_BUILD_DIR:?SK_BUILD_DIR must name the build folder}
APP_BIN="$BUILD/schichtkalender"
WORK=$(mktemp -d)
SHOTS=${SK_NOTES_SHOTS:-$WORK/shots}
mkdir -p "$SHOTS"
DATA="$WORK/SKDaten/Programm"
APP=""
FAILS=0
cleanup() {
  if [ -n "$APP" ] && kill -0 "$APP" 2>/dev/null; then kill "$APP"; wait "$APP" 2>/dev/null; fi
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; FAILS=$((FAILS + 1)); }
cd "$WORK" || exit 1

FAKELIB=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
[ -n "$FAKELIB" ] || { echo "libfaketime is missing (package faketime)"; exit 1; }

# start_app 'YYYY-MM-DD': the program with that day as today, cursor on it.
start_app() {
  LD_PRELOAD="$FAKELIB" FAKETIME="@$1 10:00:00" "$APP_BIN" 2>>"$WORK/stderr.txt" & APP=$!
  WID=$(timeout 15 xdotool search --sync --onlyvisible --name '^Velmo Schichtkalender' | head -1)
  [ -n "$WID" ] || { fail "main window did not appear"; return 1; }
  xdotool windowfocus --sync "$WID" 2>/dev/null
  sleep 0.4
  local geom
  geom=$(xdotool getwindowgeometry "$WID" | awk '/Geometry/ {print $2}')
  MW=${geom%x*}; MH=${geom#*x}
  U=$((MW / 126)); R=$((MH / 40))
}
keys() { local k; for k in "$@"; do xdotool key "$k"; sleep 0.12; done; }
# focus_window 'title regex': waits for the window and gives it the keyboard.
focus_window() {
  local id
  id=$(timeout 5 xdotool search --sync --onlyvisible --name "$1" | tail -1)
  [ -n "$id" ] || { fail "window '$1' did not appear"; return 1; }
  xdotool windowfocus --sync "$id" 2>/dev/null
  sleep 0.25
  FOCUSED=$id
}
# gone 'title regex': true when no such window is visible any more.
gone() {
  for _ in $(seq 30); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
main_focus() { xdotool windowfocus --sync "$WID" 2>/dev/null; sleep 0.2; }
type_text() { xdotool type --delay 30 "$1"; sleep 0.2; }
# answer Ja|Nein [Nein-first]: answers the open question box; Esc answers
# "Nein". Questions that delete or overwrite start on "Nein".
answer() {
  focus_window '^Frage$' || return 1
  if [ "$1" = Nein ]; then keys Escape
  elif [ "${2:-}" = Nein-first ]; then keys shift+Tab Return
  else keys Return; fi
  gone '^Frage$' || fail "question box stayed open"
  main_focus
}
shot() { sleep 0.3; import -window "${2:-$WID}" "$SHOTS/$1.png"; }
stop_app() {
  main_focus
  keys Escape
  for _ in $(seq 50); do kill -0 "$APP" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$APP" 2>/dev/null; then fail "Esc did not end the program"; kill "$APP"; fi
  wait "$APP"; APP=""
}
# expect_bytes file 'printf format': the file holds exactly those bytes.
expect_bytes() {
  local want="$WORK/want.bin"
  printf "$2" >"$want"
  if [ ! -f "$1" ]; then fail "$1 missing"; return; fi
  cmp -s "$want" "$1" || { fail "$1 holds $(od -An -c "$1" | head -3), expected $(od -An -c "$want" | head -3)"; }
}
expect_missing() { [ ! -e "$1" ] || fail "$1 should not exist"; }
# Distinct colours in a screenshot area (x y w h): 1 when it is blank.
colours_in() { convert "$1" -crop "$4x$5+$2+$3" +repage -unique-colors -format '%w' info:; }
notes_field_colours() {  # of the notes status field in a screenshot of the main window
  colours_in "$1" $((U + 4)) $(( (R * 364 + 5) / 10 + 3 )) $((U * 30)) $((R - 2))
}
finish() {
  if [ "$FAILS" -gt 0 ]; then echo "$FAILS failure(s)"; exit 1; fi
  echo "all passed"; exit 0
}
