#!/bin/bash
# Shared by every end-to-end script (sourced first thing): the script is
# restarted under a virtual X server, gets a fresh working folder as its
# current folder, starts the program there with today pinned and drives it by
# keys and clicks; screenshots, pixels and files are checked afterwards.
# With SK_E2E_KEEP naming a folder the working folder is copied there at the end;
# SK_E2E_SCREEN (set before sourcing) gives another screen, e.g. 1024x600x24.
set -u
# SK_E2E_ATSPI=1 (set before sourcing) lets the program talk to the
# accessibility registry on the script's bus, so press_named can reach
# controls by name.
#
# Each script runs apart from everything else on the machine, another copy of
# the suite included: its own home, runtime, cache and config folders, its own
# X server (which picks a free display itself: probing for one is a race
# between two suites) and its own D-Bus session, on which the accessibility
# bus starts when asked for. Nothing is signalled but the processes started
# here; at the end whatever the script started and left running is ended.
# start_xvfb file: an X server on a display it picks itself (probing for a
# free one is a race between two suites), taking the script's cookie; its
# display number goes into the file, its process id into XVFB; DISPLAY is set.
start_xvfb() {
  : >"$1"
  Xvfb -displayfd 3 -nolisten tcp -auth "$XAUTHORITY" -screen 0 "${SK_E2E_SCREEN:-1600x1000x24}" \
       3>"$1" 2>>"$SK_E2E_ROOT/xvfb.log" &
  XVFB=$!
  local deadline=$((SECONDS + 10))
  until [ -s "$1" ]; do
    kill -0 "$XVFB" 2>/dev/null && [ $SECONDS -lt $deadline ] || return 1
    sleep 0.05
  done
  export DISPLAY=":$(head -1 "$1")"
  xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$(xauth -f "$XAUTHORITY" list | awk 'NR == 1 {print $3}')"
}
if [ -z "${SK_E2E_INNER:-}" ]; then
  SK_E2E_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/sk-e2e.XXXXXX") || exit 1
  export SK_E2E_ROOT SK_E2E_INNER=1 GDK_BACKEND=x11 GDK_GL=disable
  export HOME="$SK_E2E_ROOT/home" XDG_RUNTIME_DIR="$SK_E2E_ROOT/run"
  export XDG_CACHE_HOME="$HOME/.cache" XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
  mkdir -p "$HOME" "$XDG_CACHE_HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SESSION_MANAGER
  if [ "${SK_E2E_ATSPI:-0}" = 1 ]; then unset NO_AT_BRIDGE; else export NO_AT_BRIDGE=1; fi
  # The X server, with a cookie only this script knows.
  export XAUTHORITY="$SK_E2E_ROOT/xauth"
  : >"$XAUTHORITY"
  xauth -q -f "$XAUTHORITY" add :0 . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')" || exit 1
  if ! start_xvfb "$SK_E2E_ROOT/display"; then
    echo "Xvfb did not start: $(cat "$SK_E2E_ROOT/xvfb.log")"; kill "$XVFB" 2>/dev/null; rm -rf "$SK_E2E_ROOT"; exit 1
  fi
  export SK_E2E_XVFB=$XVFB   # the script's X server, for a script that takes it away
  dbus-run-session -- bash "$0" "$@"
  rc=$?
  # Whatever the script started and left behind (bus activated services among
  # them) carries this script's root in its environment.
  for env in /proc/[0-9]*/environ; do
    pid=${env#/proc/}; pid=${pid%/environ}
    [ "$pid" = $$ ] && continue
    grep -qzxF "SK_E2E_ROOT=$SK_E2E_ROOT" "$env" 2>/dev/null && kill "$pid" 2>/dev/null
  done
  kill "$XVFB" 2>/dev/null; wait "$XVFB" 2>/dev/null
  rm -rf "$SK_E2E_ROOT"
  exit $rc
fi
E2E_DIR=$(cd "$(dirname "$0")" && pwd)

BUILD=${SK_BUILD_DIR:?SK_BUILD_DIR must name the build folder}
APP_BIN="$BUILD/schichtkalender"
WORK=$(mktemp -d)
SHOTS="$WORK/shots"             # made by the first shot kept there
DATA="$WORK/SKDaten/Programm"   # the default user's folder
TODAY=${TODAY:-'2024-01-15 10:00:00'}
APP=""
WID=""
FOCUSED=""
FAILS=0
cleanup() {
  if [ -n "$APP" ] && kill -0 "$APP" 2>/dev/null; then kill "$APP"; wait "$APP" 2>/dev/null; fi
  [ -n "${SK_E2E_KEEP:-}" ] && cp -r "$WORK" "$SK_E2E_KEEP/"
  rm -rf "$WORK" "$IDLE_DIR"
}
trap cleanup EXIT
# fail message: counts a failure, naming the script's line that led to it;
# the first one also keeps a picture of the whole screen, to see what stood
# in the way.
fail() {
  echo "FAIL (line ${BASH_LINENO[-2]}): $*"
  FAILS=$((FAILS + 1))
  [ "$FAILS" -eq 1 ] && import -window root "$WORK/screen-at-failure.png" 2>/dev/null &&
    keep_picture "$WORK/screen-at-failure.png"
}
finish() {
  if [ "$FAILS" -ne 0 ]; then echo "$FAILS failure(s)"; head -20 "$WORK/stderr.txt" 2>/dev/null; exit 1; fi
  echo "all passed"
  exit 0
}
cd "$WORK" || exit 1

# The program answers "idle?" through this file (see settle); kept apart
# from the working folder, whose files the scripts check.
IDLE_DIR=$(mktemp -d)
export SK_IDLE_FILE="$IDLE_DIR/idle"

FAKELIB=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
[ -n "$FAKELIB" ] || { echo "libfaketime is missing (package faketime)"; exit 1; }

# --- the program ------------------------------------------------------------
# start_app [YYYY-MM-DD]: the program with that day (else $TODAY) as today,
# its main window focused, its id in WID and its units in U and R.
start_app() {
  local today=${1:+$1 10:00:00}
  # Preloaded directly (not through the faketime wrapper), so signals reach the program.
  LD_PRELOAD="$FAKELIB" FAKETIME="@${today:-$TODAY}" "$APP_BIN" 2>>"$WORK/stderr.txt" & APP=$!
  WID=$(timeout 15 xdotool search --sync --onlyvisible --name '^Velmo Schichtkalender' | head -1)
  [ -n "$WID" ] || { fail "main window did not appear"; return 1; }
  take_focus "$WID"
  main_units
  # The pointer off the window: resting over the calendar it would show the
  # day's tooltip in the pictures.
  xdotool mousemove --window "$WID" $((WIN_W + 40)) $((WIN_H + 40))
}
# Units of the main window (seven columns of 18 units, 40 rows): U, R, and
# its size WIN_W x WIN_H.
main_units() {
  local geom
  geom=$(window_size "$WID")
  WIN_W=${geom%x*}; WIN_H=${geom#*x}
  U=$((WIN_W / 126)); R=$((WIN_H / 40))
}
# wait_for_exit [seconds]: true when the program has ended within that
# time (5 s unless given); tail watches the process and returns as it ends.
wait_for_exit() {
  timeout "${1:-5}" tail --pid="$APP" -s 0.05 -f /dev/null
}
# Esc in the main window ends the program; it must finish by itself with status 0.
stop_app() {
  main_focus
  keys Escape
  wait_for_exit || { fail "Esc did not end the program"; kill "$APP"; }
  wait "$APP"; local rc=$?; APP=""
  [ $rc -eq 0 ] || fail "exit status $rc"
}

# settle: waits until the program has handled all it was sent so far and
# painted its windows (it answers a SIGUSR1 through $SK_IDLE_FILE). A program
# that does not answer (not started by start_app, another user) gets the
# fraction of a second such a step takes instead.
settle() {
  local before
  before=$(cat "$SK_IDLE_FILE" 2>/dev/null)
  if [ -z "$APP" ] || [ "${before%% *}" != "$APP" ] || ! kill -USR1 "$APP" 2>/dev/null; then
    sleep 0.3
    return
  fi
  for _ in $(seq 500); do
    [ "$(cat "$SK_IDLE_FILE" 2>/dev/null)" != "$before" ] && return
    running || return   # the keys ended the program
    sleep 0.01
  done
}
# focused_window: the X window the program's toolkit holds the focus in, as
# its last idle answer said (0 for none).
focused_window() { local a; a=$(cat "$SK_IDLE_FILE" 2>/dev/null); a=${a#* }; a=${a#* }; echo "${a:-0}"; }
# take_focus id: gives a window of the program the keyboard and waits until
# the toolkit, too, draws it focused (up to 10 s); without an idle answer the
# X server's word is taken.
take_focus() {
  local deadline=$((SECONDS + 10))
  while :; do
    xdotool windowfocus --sync "$1" 2>/dev/null
    settle
    [ -z "$APP" ] || ! running && return 0
    [ "$(focused_window)" = "$1" ] && return 0
    [ $SECONDS -ge $deadline ] && { fail "window $1 did not get the focus (the program has $(focused_window))"; return 1; }
    sleep 0.05
  done
}
# running: the program has not ended (an ended one not yet waited for is a zombie).
running() {
  local state
  state=$(awk '{print $3}' "/proc/$APP/stat" 2>/dev/null)
  [ -n "$state" ] && [ "$state" != Z ]
}

# --- windows, keys and clicks ---------------------------------------------
keys() { local k; for k in "$@"; do xdotool key "$k"; settle; done; }
type_text() { xdotool type --delay 40 "$1"; settle; }
main_focus() { take_focus "$WID"; }
# window_id 'title regex' [seconds]: id of the newest visible such window,
# waiting for it (8 s unless given); fails when none appears.
window_id() {
  local id
  id=$(timeout "${2:-8}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | tail -1)
  [ -n "$id" ] && echo "$id"
}
# focus_window 'title regex' [seconds]: waits for the window and gives it the
# keyboard; its id in FOCUSED.
focus_window() {
  local id
  id=$(window_id "$1" "${2:-8}") || { fail "window '$1' did not appear"; return 1; }
  FOCUSED=$id
  take_focus "$id"
}
# window_size id: WIDTHxHEIGHT of a window.
window_size() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'; }
# shown 'title regex': true when such a window is visible right now.
shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
# gone 'title regex': true when no such window is visible (within 3 s).
gone() {
  for _ in $(seq 30); do
    shown "$1" || return 0
    sleep 0.1
  done
  return 1
}
# press_in 'title regex' key...: focuses that window and presses the keys.
press_in() {
  local title=$1; shift
  focus_window "$title" || return 1
  keys "$@"
}
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
# press_named 'window title regex' button|check|radio|combo 'name' [entry]: presses a
# control by its accessible name (needs SK_E2E_ATSPI=1).
press_named() {
  /usr/bin/python3 "$E2E_DIR/atspi_press.py" "$@" || { fail "no $2 '$3' in '$1'"; return 1; }
  settle
}
# open_account_window 'Stunden eingeben'|'Urlaub eingeben': a click on the
# main window's hours or vacation field opens that window; it is focused.
open_account_window() {
  local x=120 y=364
  [ "$1" = "Stunden eingeben" ] && x=117 y=346
  main_focus
  xdotool mousemove --window "$WID" $((U * x + 2 * U)) $(( (R * y + 5) / 10 + R / 2 )) click 1; settle
  focus_window "^$1\$"
}
# click_in window x y: a left click at a pixel of a window, then the pointer
# leaves the windows.
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; settle; xdotool mousemove 1590 990; settle; }

# double_click_opens window x y 'title regex': a double click at a pixel of
# the window that must open that window. The toolkit tells a double click
# by the X server's times of the two clicks: a loaded machine may hold
# xdotool back between them long enough for two single clicks, so a click
# pair that opened nothing is given again (three tries; a window already
# open takes the clicks away from the window below).
double_click_opens() {
  local try
  for try in 1 2 3; do
    xdotool mousemove --window "$1" "$2" "$3" click --repeat 2 --delay 80 1
    settle
    window_id "$4" 3 >/dev/null && return 0
  done
  return 1
}

# --- pictures -----------------------------------------------------------------
# shot file [window]: a screenshot of the window (the main window unless given).
shot() { mkdir -p "$(dirname "$1")"; settle; import -window "${2:-$WID}" "$1"; }
# shot_until file window check [args...]: screenshots of the window (the main
# window when empty) until the check command, run after each, succeeds; a
# drawing still on its way gets 10 s. False when it never did: the last
# picture is then kept (see keep_picture).
shot_until() {
  local file=$1 window=${2:-$WID}; shift 2
  local deadline=$((SECONDS + 10))
  while :; do
    shot "$file" "$window"
    "$@" && return 0
    [ $SECONDS -ge $deadline ] && { keep_picture "$file"; return 1; }
    sleep 0.2
  done
}
# check_shot file window 'failure message' check [args...]: shot_until, and a
# failure with that message when the picture never passed the check.
check_shot() {
  local file=$1 window=$2 message=$3; shift 3
  shot_until "$file" "$window" "$@" || fail "$message (picture kept: $KEPT)"
}
# keep_picture file: copies a picture that failed a check out of the working
# folder, which is removed at the end, into SK_E2E_KEEP or the build folder.
KEPT=""
keep_picture() {
  local dir="${SK_E2E_KEEP:-$BUILD/e2e-failed}/$(basename "$0" .sh)"
  mkdir -p "$dir" && cp "$1" "$dir/" && KEPT="$dir/$(basename "$1")"
}
# unchanged file: the picture equals the one taken before it (kept beside it).
unchanged() {
  local was="$1.prev.png" rc=1
  [ -f "$was" ] && same_image "$1" "$was" && rc=0
  cp "$1" "$was"; return $rc
}
# still_shot file window: a picture for later ones to be compared with, taken
# once two in a row are the same (nothing drawn late or fading any more).
still_shot() {
  rm -f "$1.prev.png"
  shot_until "$1" "$2" unchanged "$1" || fail "$(basename "$1") did not come to rest (picture kept: $KEPT)"
}
# differs a b x y w h: the two pictures differ in that area.
differs() {
  crop "$1" "$3" "$4" "$5" "$6" "$WORK/d0.png"; crop "$2" "$3" "$4" "$5" "$6" "$WORK/d1.png"
  ! same_image "$WORK/d0.png" "$WORK/d1.png"
}
# within command [args...]: the command succeeds within 10 s (what follows an
# action arrives in its own time: a window's size, a file, the clipboard).
# WITHIN_SECONDS gives a slower condition more time (a server's first sync).
within() {
  local deadline=$((SECONDS + ${WITHIN_SECONDS:-10}))
  until "$@"; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.1
  done
}
# clip_until file check [args...]: reads the clipboard's picture into the file
# until the check passes (10 s): the program may still be handing it over.
clip_until() { within clip_then "$@"; }
clip_then() {
  local file=$1; shift
  timeout 3 xclip -selection clipboard -t image/png -o >"$file" 2>/dev/null && "$@"
}
# clip_text: the clipboard's text.
clip_text() { timeout 3 xclip -selection clipboard -o 2>/dev/null; }
pixel() { convert "$1" -crop "1x1+$2+$3" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:; }
crop() { convert "$1" -crop "$4x$5+$2+$3" +repage "$6"; }   # image x y w h out
size_of() { identify -format '%wx%h' "$1"; }
same_image() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }
# Distinct colours in a screenshot area (x y w h): 1 when it is blank.
colours_in() { convert "$1" -crop "$4x$5+$2+$3" +repage -unique-colors -format '%w' info:; }
read_clipboard() { xclip -selection clipboard -t image/png -o > "$1" 2>/dev/null; }

# --- files ----------------------------------------------------------------------
settings_of() { echo "$WORK/SKDaten/$1/Einstellungen.dat"; }
setting() { grep -a "^$2 = " "$(settings_of "$1")" | head -1 | sed "s/^$2 = //"; }   # user key
expect_setting() {  # user key value what
  local v; v=$(setting "$1" "$2"); [ "$v" = "$3" ] || fail "$4: $2 of $1 is '$v', expected '$3'"
}
# expect_bytes file 'printf format': the file holds exactly those bytes.
expect_bytes() {
  local want="$WORK/want.bin"
  printf "$2" >"$want"
  if [ ! -f "$1" ]; then fail "$1 missing"; return; fi
  cmp -s "$want" "$1" || { fail "$1 holds $(od -An -c "$1" | head -3), expected $(od -An -c "$want" | head -3)"; }
}
expect_missing() { [ ! -e "$1" ] || fail "$1 should not exist"; }
