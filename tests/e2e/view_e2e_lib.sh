# Shared pieces of the end-to-end scripts for the half-year page, the
# clipboard copy and the info menu. Sourced, not run: the scripts call
# e2e_setup "$0" "$@" first, which restarts them under a virtual X server.

e2e_setup() {
  if [ -z "${SK_E2E_INNER:-}" ]; then
    export SK_E2E_INNER=1 GDK_BACKEND=x11 NO_AT_BRIDGE=1 DBUS_SESSION_BUS_ADDRESS=disabled: GDK_GL=disable
    exec xvfb-run -a -s "-screen 0 1600x1000x24" bash "$@"
  fi
  BUILD=${SK_BUILD_DIR:?SK_BUILD_DIR must name the build folder}
  APP_BIN="$BUILD/schichtkalender"
  WORK=$(mktemp -d)
  APP=""
  WID=""
  FAILS=0
  trap e2e_cleanup EXIT
  cd "$WORK" || exit 1
  FAKELIB=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
  [ -n "$FAKELIB" ] || { echo "libfaketime is missing (package faketime)"; exit 1; }
}

e2e_cleanup() {
  if [ -n "$APP" ] && kill -0 "$APP" 2>/dev/null; then kill "$APP"; wait "$APP" 2>/dev/null; fi
  [ -n "${SK_E2E_KEEP:-}" ] && cp -r "$WORK" "$SK_E2E_KEEP/" ; rm -rf "$WORK"
}

fail() { echo "FAIL: $*"; FAILS=$((FAILS + 1)); }

e2e_finish() {
  if [ "$FAILS" -ne 0 ]; then echo "$FAILS failure(s)"; head -20 "$WORK/stderr.txt" 2>/dev/null; exit 1; fi
  echo "all passed"
  exit 0
}

# Starts the program with today pinned to $TODAY and focuses its window;
# sets U and R (the program font's units) from the window size (7 columns).
start_app() {
  LD_PRELOAD="$FAKELIB" FAKETIME="@$TODAY" "$APP_BIN" 2>>"$WORK/stderr.txt" & APP=$!
  WID=$(timeout 15 xdotool search --sync --onlyvisible --name '^Velmo Schichtkalender' | head -1)
  [ -n "$WID" ] || { fail "window did not appear"; return 1; }
  xdotool windowfocus --sync "$WID" 2>/dev/null
  sleep 0.4
  local geom
  geom=$(xdotool getwindowgeometry "$WID" | awk '/Geometry/ {print $2}')
  WIN_W=${geom%x*}; WIN_H=${geom#*x}
  U=$((WIN_W / 126)); R=$((WIN_H / 40))
}

stop_app() {
  focus_main
  keys Escape
  for _ in $(seq 50); do kill -0 "$APP" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$APP" 2>/dev/null; then fail "Esc did not end the program"; kill "$APP"; fi
  wait "$APP"; local rc=$?; APP=""
  [ $rc -eq 0 ] || fail "exit status $rc"
}

keys() { for k in "$@"; do xdotool key "$k"; sleep 0.2; done; }
focus_main() { xdotool windowfocus --sync "$WID" 2>/dev/null; sleep 0.1; }

# Id of the visible window whose title is exactly $1 (waits up to 5 s), or empty.
window_titled() {
  local id
  for _ in $(seq 25); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
# True when no visible window has that title right now.
no_window_titled() { [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)" ]; }

# Focuses the window titled $1 and presses the keys; fails when it does not open.
answer() {
  local title=$1 id; shift
  id=$(window_titled "$title") || { fail "window \"$title\" did not open"; return 1; }
  xdotool windowfocus --sync "$id" 2>/dev/null
  sleep 0.2
  keys "$@"
}

shot() { sleep 0.3; import -window "$WID" "$1"; }
pixel() { convert "$1" -crop "1x1+$2+$3" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:; }
crop() { convert "$1" -crop "$4x$5+$2+$3" +repage "$6"; }
size_of() { identify -format '%wx%h' "$1"; }
same_pixels() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }
read_clipboard() { xclip -selection clipboard -t image/png -o > "$1" 2>/dev/null; }

# Half-year page geometry for the window's width and row height: prints
# "cw ch imageWidth imageHeight imageX imageY" (image position in the window).
halfyear_geometry() {
  python3 - "$WIN_W" "$R" <<'EOF'
import sys
wa, r = int(sys.argv[1]), int(sys.argv[2])
ha = 32 * r + 2
if wa / ha > 1.44:
    pw, ph = int(ha * 1.44), ha
else:
    pw, ph = wa, int(wa / 1.44)
cw, ch = pw // 48, ph // 40
gw, gh = 48 * cw, 40 * ch
cx = (wa - gw) // 2
cy = 2 * r + int((32 * r - gh - 2) / 2)
print(cw, ch, gw + 4, gh + 4, cx + 2, cy)
EOF
}
