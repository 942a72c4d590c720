#!/bin/bash
# Shared by the end-to-end tests of the settings, login and menu windows:
# a virtual display, a fresh working folder, today pinned, the program
# started and driven by keys. Source it after `set -u`.

if [ -z "${SK_E2E_INNER:-}" ]; then
  export SK_E2E_INNER=1 GDK_BACKEND=x11 NO_AT_BRIDGE=1 DBUS_SESSION_BUS_ADDRESS=disabled: GDK_GL=disable
  exec xvfb-run -a -s "-screen 0 1600x1000x24" bash "$0" "$@"
fi

BUILD=${SK_BUILD_DIR:?SK_BUILD_DIR must name the build folder}
APP_BIN="$BUILD/schichtkalender"
WORK=$(mktemp -d)
APP=""
WID=""
FAILS=0
# Screenshots are kept here when SK_E2E_SHOTS names a folder.
SHOTS=${SK_E2E_SHOTS:-}
cleanup() {
  if [ -n "$APP" ] && kill -0 "$APP" 2>/dev/null; then kill "$APP"; wait "$APP" 2>/dev/null; fi
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; FAILS=$((FAILS + 1)); }
cd "$WORK" || exit 1

TODAY=${TODAY:-'2024-01-15 10:00:00'}
FAKELIB=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
[ -n "$FAKELIB" ] || { echo "libfaketime is missing (package faketime)"; exit 1; }

start_app() {
  LD_PRELOAD="$FAKELIB" FAKETIME="@$TODAY" "$APP_BIN" 2>>"$WORK/stderr.txt" & APP=$!
  WID=$(timeout 15 xdotool search --sync --onlyvisible --name '^Velmo Schichtkalender' | head -1)
  [ -n "$WID" ] || { fail "window did not appear"; return 1; }
  xdotool windowfocus --sync "$WID" 2>/dev/null
  sleep 0.4
}
keys() { for k in "$@"; do xdotool key "$k"; sleep 0.15; done; }
# Waits for a window of that exact title and gives it the focus; its id in $DLG.
focus_window() {
  DLG=$(timeout "${2:-8}" xdotool search --sync --onlyvisible --name "^$1\$" | tail -1)
  [ -n "$DLG" ] || { fail "window '$1' did not appear"; return 1; }
  xdotool windowfocus --sync "$DLG" 2>/dev/null
  sleep 0.3
}
# True when no visible window of that title exists (after a short wait).
window_gone() {
  for _ in $(seq 20); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
refocus_main() { xdotool windowfocus --sync "$WID" 2>/dev/null; sleep 0.3; }
type_text() { xdotool type --delay 40 "$1"; sleep 0.2; }
stop_app() {
  refocus_main
  keys Escape
  for _ in $(seq 50); do kill -0 "$APP" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$APP" 2>/dev/null; then fail "Esc did not end the program"; kill "$APP"; fi
  wait "$APP"; local rc=$?; APP=""
  [ $rc -eq 0 ] || fail "exit status $rc"
}
shot() {  # shot <window id> <file name>
  sleep 0.3
  import -window "$1" "$WORK/$2"
  [ -n "$SHOTS" ] && cp "$WORK/$2" "$SHOTS/"
  return 0
}
settings_of() { echo "$WORK/SKDaten/$1/Einstellungen.dat"; }
setting() { grep -a "^$2 = " "$(settings_of "$1")" | head -1 | sed "s/^$2 = //"; }
expect_setting() {  # user key value what
  local v; v=$(setting "$1" "$2"); [ "$v" = "$3" ] || fail "$4: $2 of $1 is '$v', expected '$3'"
}
same_image() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }
# Units of the main window: u = width / (18 * columns), r = height / 40.
main_units() {
  local geom cols=${1:-7}
  geom=$(xdotool getwindowgeometry "$WID" | awk '/Geometry/ {print $2}')
  U=$(( ${geom%x*} / (18 * cols) )); R=$(( ${geom#*x} / 40 ))
}
# Clicks a point given in pixels inside a window.
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; xdotool mousemove 1590 990; }
# The notes of the cursor day as the notes window shows them ("" when the
# day has none: the program then says so in a message that is closed here).
notes_of_cursor_day() {
  main_units
  xdotool mousemove --window "$WID" $((5 * U)) $(( (364 * R + 5) / 10 + R / 2 )) click 1
  sleep 0.6; xdotool mousemove 1590 990
  local dlg
  dlg=$(timeout 5 xdotool search --sync --onlyvisible --name '^(Notizen für den .*|Information)$' | tail -1)
  [ -n "$dlg" ] || { echo "<no window>"; return; }
  xdotool windowfocus --sync "$dlg" 2>/dev/null; sleep 0.2
  if [ "$(xdotool getwindowname "$dlg")" = "Information" ]; then keys Return; refocus_main; echo ""; return; fi
  printf '' | xclip -selection clipboard -i
  xdotool key ctrl+a; sleep 0.1; xdotool key ctrl+c; sleep 0.3
  timeout 3 xclip -selection clipboard -o 2>/dev/null
  keys Escape
  refocus_main
}
# A note enciphered as the program does it: each character (ISO 8859-1) XOR
# the key byte in turn, written as three decimal digits.
write_enciphered_note() {  # file text password
  python3 - "$1" "$2" "$3" <<'PY'
import sys
path, text, key = sys.argv[1], sys.argv[2].encode('latin-1'), sys.argv[3].encode('latin-1')
with open(path, 'wb') as f:
    f.write(''.join('%03d' % (c ^ key[i % len(key)]) for i, c in enumerate(text)).encode())
PY
}
finish() {
  if [ $FAILS -ne 0 ]; then echo "$FAILS failure(s)"; head -20 "$WORK/stderr.txt"; exit 1; fi
  echo "all passed"
  exit 0
}
