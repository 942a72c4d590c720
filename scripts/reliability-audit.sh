#!/bin/bash
# Reliability figures of the program (not run by CI): kills during saves,
# termination signals, two instances on one folder, pipes as data files, file
# modes, hostile command lines of schichtplan and planted links. One line per
# figure. Usage: scripts/reliability-audit.sh [kills]   (default 60)
# SK_BUILD_DIR names the build (default build-h3); it runs at nice 10 or lower
# priority, since timing jobs may share the machine.
ROOT=$(cd "$(dirname "$0")/.." && pwd)
export SK_BUILD_DIR=${SK_BUILD_DIR:-$ROOT/build-h3}
[ "$(nice)" -ge 10 ] || exec nice -n $((10 - $(nice))) bash "$0" "$@"
source "$ROOT/tests/e2e/lib.sh"
umask 022

KILLS=${1:-60}
MARK_TITLE='^Schichtmarkierung eingeben$'
CAL_TITLE='^Eingabe einer Kalendermarkierung$'
MAIN_TITLE='^Velmo Schichtkalender'
# Helpers' complaints are notes here, not test failures: the figures count.
fail() { echo "note: $*" >>"$WORK/notes.txt"; FAILS=$((FAILS + 1)); }
ms_now() { echo $(($(date +%s%N) / 1000000)); }

# qfocus id: gives a window the keyboard as the toolkit sees it (5 s); false
# when the program ended or it never took it.
qfocus() {
  local deadline=$((SECONDS + 5))
  while running; do
    xdotool windowfocus --sync "$1" 2>/dev/null
    settle
    [ "$(focused_window)" = "$1" ] && return 0
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.05
  done
  return 1
}
# add_shift_mark: the day after the cursor gets a night-shift "U", saved at once.
add_shift_mark() {
  local w
  qfocus "$WID" || return 1
  xdotool key Down; settle; xdotool key 3; settle
  w=$(window_id "$MARK_TITLE" 3) && qfocus "$w" || return 1
  xdotool key u; settle
  within eval '! shown "$MARK_TITLE"'
}
# add_calendar_mark: a calendar mark from the cursor's day, saved by "Speichern".
add_calendar_mark() {
  local w
  qfocus "$WID" || return 1
  xdotool key k; settle
  w=$(window_id "$CAL_TITLE" 3) && qfocus "$w" || return 1
  xdotool mousemove --window "$w" $((6 * U)) $((43 * R / 4)) click 1; settle
  within eval '! shown "$CAL_TITLE"'
}
# launch day: the program started with that day as today, without waiting.
launch() {
  LD_PRELOAD="$FAKELIB" FAKETIME="@$1 10:00:00" "$APP_BIN" 2>>"$WORK/stderr.txt" & APP=$!
  disown "$APP"   # a kill -9 is meant here, not worth a shell message
}
# end_app seconds: Esc into the program's newest window until it ends; kill -9
# and false when it is still there after that time.
end_app() {
  local deadline=$((SECONDS + $1)) w
  while running && [ $SECONDS -lt $deadline ]; do
    w=$(xdotool search --onlyvisible --pid "$APP" 2>/dev/null | tail -1)
    [ -n "$w" ] && { xdotool windowfocus --sync "$w" 2>/dev/null; xdotool key Escape; settle; }
    within_s 2 eval '! running'
  done
  if running; then kill -9 "$APP"; wait "$APP" 2>/dev/null; APP=""; return 1; fi
  wait "$APP" 2>/dev/null; APP=""
}
within_s() {  # seconds command...: the command succeeds within that time
  local deadline=$(($(ms_now) + $1 * 1000)); shift
  until "$@"; do [ "$(ms_now)" -ge "$deadline" ] && return 1; sleep 0.02; done
}
# dismiss: answers the questions and messages a start may show (a recovery
# copy, links left unread) with Esc.
dismiss() {
  local w
  while w=$(window_id '^(Frage|Fehler|Hinweis)$' 2); do
    xdotool windowfocus --sync "$w" 2>/dev/null; xdotool key Escape; settle
    gone '^(Frage|Fehler|Hinweis)$' || break
  done
}
fresh() { rm -rf "$WORK/SKDaten"; mkdir -p "$DATA"; }
day_of() { echo $(($(date -u -d "$1" +%s) / 86400)); }

# --- a. kill -9 while marks are saved ------------------------------------------
# whole_files: every data file parses whole; a damaged one is named in BAD.
whole_files() {
  BAD=()
  local f s
  for f in "$WORK"/SKDaten/*/Schichtmarkierung.dat; do
    [ -e "$f" ] || continue; s=$(stat -c %s "$f"); [ $((s % 6)) -eq 0 ] || BAD+=("$f")
  done
  for f in "$WORK"/SKDaten/*/Kalendermarkierung.dat; do
    [ -e "$f" ] || continue; s=$(stat -c %s "$f"); [ $((s % 12)) -eq 0 ] || BAD+=("$f")
  done
  for f in "$WORK"/SKDaten/Einstellungen.dat "$WORK"/SKDaten/*/Einstellungen.dat; do
    [ -e "$f" ] || continue
    # A UTF-8 mark on an empty first line, then "[group]", "; comment" and "key = value" lines.
    if [ "$(head -1 "$f")" != $'\xef\xbb\xbf' ] || [ "$(tail -c 1 "$f" | od -An -tx1 | tr -d ' ')" != 0a ] ||
       tail -n +2 "$f" | grep -avqE '^(\[[^]]*\]|;.*|[^=]+ = .*)$'; then BAD+=("$f"); fi
  done
}
tmp_count() { find "$WORK/SKDaten" -name '*.tmp-*' 2>/dev/null | wc -l; }
fresh
corrupt=0; tmp_by_kills=0; marks_done=0; kills=0; starts_failed=0
for i in $(seq "$KILLS"); do
  launch "2024-$(printf %02d $((RANDOM % 12 + 1)))-$(printf %02d $((RANDOM % 28 + 1)))"
  WID=$(window_id "$MAIN_TITLE" 15) || { starts_failed=$((starts_failed + 1)); kill -9 "$APP"; wait "$APP"; APP=""; continue; }
  main_units; dismiss
  delay=$((RANDOM % 2500))
  ( sleep "$((delay / 1000)).$(printf %03d $((delay % 1000)))"; kill -9 "$APP" 2>/dev/null ) & killer=$!
  n=0
  while running && [ $n -lt 40 ]; do
    if [ $((n % 3)) -eq 2 ]; then add_calendar_mark; else add_shift_mark; fi && marks_done=$((marks_done + 1))
    n=$((n + 1))
  done
  wait "$killer"; wait "$APP" 2>/dev/null; APP=""; kills=$((kills + 1))
  whole_files
  [ ${#BAD[@]} -eq 0 ] || { corrupt=$((corrupt + ${#BAD[@]})); echo "kill $i damaged: ${BAD[*]}" >>"$WORK/notes.txt"; }
done
# A start sweeps temporary files older than a minute (younger ones may be a
# write in progress): the kills' leftovers, made old, must go at the next start.
tmp_by_kills=$(tmp_count)
find "$WORK/SKDaten" -name '*.tmp-*' -exec touch -d 2000-01-01 {} +
launch 2024-06-01
if WID=$(window_id "$MAIN_TITLE" 15); then dismiss; end_app 15; else kill -9 "$APP"; wait "$APP"; APP=""; fi
tmp_left=$(tmp_count)
whole_files; corrupt=$((corrupt + ${#BAD[@]})); [ ${#BAD[@]} -eq 0 ] || echo "damaged at the end: ${BAD[*]}" >>"$WORK/notes.txt"
echo "a. kill -9 during saves: kills=$kills marks_saved=$marks_done corrupt_files=$corrupt tmp_files_left_by_kills=$tmp_by_kills tmp_left_after_sweep=$tmp_left starts_without_window=$starts_failed"

# --- b. termination signals with unsaved note text ------------------------------
RECOVERY="$DATA/Notiz-Wiederherstellung.dat"
NOTE_TITLE='^Notizen für den 15\.01\.2024$'
fresh
max_ms=0; recovered=0; line=""
for sig in TERM INT HUP; do
  rm -f "$RECOVERY"
  start_app 2024-01-15 || continue
  keys t
  w=$(window_id "$NOTE_TITLE") && qfocus "$w" || { line+=" $sig:no-note-window"; end_app 10; continue; }
  text="Ungesichert $sig $RANDOM"
  type_text "$text"
  t0=$(ms_now); kill -"$sig" "$APP"
  if within_s 10 eval '! running'; then
    ms=$(($(ms_now) - t0)); wait "$APP"; APP=""
  else
    ms=timeout; kill -9 "$APP"; wait "$APP"; APP=""
  fi
  grep -aqF "$text" "$RECOVERY" 2>/dev/null && { recovered=$((recovered + 1)); r=yes; } || r=no
  line+=" $sig:${ms}ms,recovery=$r"
  [ "$ms" != timeout ] && [ "$ms" -gt "$max_ms" ] && max_ms=$ms
done
echo "b. termination signals:$line; max=${max_ms}ms recovered=$recovered/3"

# --- c. two instances adding marks alternately into one folder ------------------
fresh
ROUNDS=10
IDLE_A=$SK_IDLE_FILE IDLE_B="$IDLE_DIR/idle-b"
start_app 2024-01-15 || exit 1
A=$APP WA=$WID
SK_IDLE_FILE=$IDLE_B launch 2024-03-15; B=$APP
WB=""
within eval 'WB=$(xdotool search --onlyvisible --name "$MAIN_TITLE" | grep -vx "$WA" | head -1); [ -n "$WB" ]'
use() { if [ "$1" = A ]; then APP=$A WID=$WA SK_IDLE_FILE=$IDLE_A; else APP=$B WID=$WB SK_IDLE_FILE=$IDLE_B; fi; }
added=0; expect=()
dA=$(day_of 2024-01-15) dB=$(day_of 2024-03-15)
for r in $(seq "$ROUNDS"); do
  use A; add_shift_mark && { added=$((added + 1)); expect+=($((dA + r))); }
  use B; add_shift_mark && { added=$((added + 1)); expect+=($((dB + r))); }
done
use A; end_app 15; use B; end_app 15
kept=0
have=$(python3 -c '
import struct, sys
b = open(sys.argv[1], "rb").read()
print(" ".join(str(struct.unpack_from("<i", b, o)[0]) for o in range(0, len(b) - 5, 6)))' \
  "$DATA/Schichtmarkierung.dat" 2>/dev/null)
for d in "${expect[@]}"; do [[ " $have " == *" $d "* ]] && kept=$((kept + 1)); done
echo "c. two instances alternately: marks kept $kept of $added added"

# --- d. pipes in place of the data files -----------------------------------------
hung=0; hung_names=(); fifos=0
for f in SKDaten/Einstellungen.dat SKDaten/Programm/Einstellungen.dat SKDaten/Programm/Schichtmarkierung.dat \
         SKDaten/Programm/Kalendermarkierung.dat SKDaten/Programm/Urlaubstage.dat SKDaten/Programm/Minusstunden.dat \
         "SKDaten/Programm/Eigener Schichtplan.txt" SKDaten/Programm/Schulferien.dat \
         SKDaten/Programm/Notiz-Wiederherstellung.dat; do
  fresh; mkfifo "$WORK/$f"; fifos=$((fifos + 1))
  launch 2024-01-15
  if WID=$(window_id "$MAIN_TITLE" 15) && end_app 15; then :; else
    hung=$((hung + 1)); hung_names+=("$(basename "$f")")
    running && { kill -9 "$APP"; wait "$APP" 2>/dev/null; }; APP=""
  fi
done
echo "d. fifos as data files: $fifos tried, hung=$hung ${hung_names[*]}"

# --- e. file modes kept across a save -----------------------------------------------
kept_modes=0; changed_modes=(); tried=0
for f in Schichtmarkierung.dat Einstellungen.dat; do
  for mode in 600 640; do
    fresh; tried=$((tried + 1))
    if [ "$f" = Schichtmarkierung.dat ]; then printf '\x14\x4d\x00\x00\x01\x02' >"$DATA/$f"
    else start_app 2024-01-15 && end_app 15; fi
    chmod "$mode" "$DATA/$f"
    start_app 2024-01-15 && { dismiss; add_shift_mark; keys b; end_app 15; }
    got=$(stat -c %a "$DATA/$f" 2>/dev/null)
    # Only a file that was written again counts.
    if [ "$f" = Schichtmarkierung.dat ]; then [ "$(stat -c %s "$DATA/$f")" = 12 ]
    else [ "$(setting Programm Schichtart)" = 2 ]; fi || { changed_modes+=("$f:$mode:not-saved"); continue; }
    [ "$got" = "$mode" ] && kept_modes=$((kept_modes + 1)) || changed_modes+=("$f:$mode->${got:-missing}")
  done
done
echo "e. file modes after a save: kept $kept_modes of $tried ${changed_modes[*]}"

# --- f. hostile command lines of schichtplan ----------------------------------------
PLAN="$BUILD/schichtplan"
big=$(printf '9%.0s' $(seq 400))
bad_utf=$'\xff\xfe\xc3\x28'
ctrl=$'\x1b[31m\x07\x01\r'
cases=(
  "--bogus" "-x" "-" "--FROM 2024-01-01" "--from=" "--help=1" "--from" "--to" "--type" "--format"
  "--lat" "--lon" "--zone" "--dst" "--twilight" "--crew" "--data" "--password" "--plan" "--cycle"
  "--cycle-start" "--crews" "--offsets" "--school-holidays" "--layout" "--marks" "--vacation-block"
  "--type $big" "--from $big" "--lat $big" "--lon -$big" "--crews $big" "--offsets $big" "--dst $big"
  "--twilight $big" "--type -1" "--type 9" "--type 1e3" "--type 0x1" "--lat 91" "--lon 181" "--lat nan"
  "--lon inf" "--dst 2" "--twilight 3" "--crews 0" "--crews 7" "--marks 2" "--vacation-block -1"
  "--from 2024-13-01" "--from 2024-02-30" "--from 2023-02-29" "--from 1969-12-31" "--to 2038-01-01"
  "--from 2024-1-1x" "--from 24-01-01" "--from 2024-12-01 --to 2024-01-01" "--from 0000-00-00"
  "--from 99999-01-01" "--to -2024-01-01"
  "--type 1 --type 2" "--from 2024-01-01 --from 2024-02-01" "--format csv --format text" "--lat 1 --lat 2"
  "--format xml" "--format ics" "--layout halfyear" "--layout pages --format pdf" "--format ics --crew 9"
  "--type 8 --plan /etc/shadow" "--plan /etc/shadow" "--plan /etc/shadow --format ics --crew 1"
  "--school-holidays /etc/shadow" "--data /etc/shadow --type 8" "--plan /nonexistent/x --type 8"
  "--cycle FFXX --cycle-start 2024-01-01" "--cycle F --cycle-start 2024-02-30" "--cycle $big --cycle-start 2024-01-01"
  "--cycle FFSSNN---- --cycle-start 2024-01-01 --offsets 1,x" "--password $big"
)
for v in "$bad_utf" "$ctrl"; do
  for o in --from --type --format --zone --layout --crew --cycle; do cases+=("$o $v"); done
  cases+=("$v" "--$v")
done
shadow_bits=()
while IFS= read -r l; do shadow_bits+=("$(echo "$l" | cut -d: -f1-2)"); done </etc/shadow
good=0; badc=0; bad_list=()
for c in "${cases[@]}"; do
  read -r -a argv <<<"$c"
  timeout 10 "$PLAN" "${argv[@]}" >/dev/null 2>"$WORK/err.txt" </dev/null; rc=$?
  why=""
  [ $rc -ne 0 ] && [ $rc -ne 124 ] || why="status $rc"
  sz=$(stat -c %s "$WORK/err.txt")
  [ "$sz" -gt 0 ] && [ "$sz" -le 300 ] || why+=" stderr $sz bytes"
  LC_ALL=C grep -q $'[\x01-\x09\x0b-\x1f\x7f]' "$WORK/err.txt" && why+=" control bytes"
  grep -qE '„|ä|ö|ü|ß|Ä|Ö|Ü|[Uu]ngültig|[Uu]nbekannt|fehlt|nicht|Datei|[Ee]rwartet|erlaubt|zweimal|Zeile|Die |gilt|zusammen| ist | kein' "$WORK/err.txt" ||
    why+=" not German"
  for s in "${shadow_bits[@]}"; do
    [ ${#s} -gt 2 ] && grep -qF -- "$s" "$WORK/err.txt" && { why+=" /etc/shadow content"; break; }
  done
  if [ -z "$why" ]; then good=$((good + 1)); else
    badc=$((badc + 1)); bad_list+=("[$(printf %q "$c" | cut -c1-40)]:$why")
  fi
done
echo "f. hostile command lines: ${#cases[@]} tried, good=$good bad=$badc ${bad_list[*]}"

# --- g. planted links to an outside file -------------------------------------------------
OUTSIDE="$WORK/fremd"; mkdir -p "$OUTSIDE"
token="GEHEIM$(od -An -N8 -tx1 /dev/urandom | tr -d ' \n')"
safe=0; leaked=0; leak_list=()
for f in Schichtmarkierung.dat Kalendermarkierung.dat Einstellungen.dat Urlaubstage.dat Minusstunden.dat \
         "Eigener Schichtplan.txt" Schulferien.dat; do
  fresh
  secret="$OUTSIDE/geheim"
  # Parseable as marks and as "key = value" lines, so whatever is read shows.
  printf '\x14\x4d\x00\x00\x01\x02\nSchichtart = 2\n%s = %s\n' "$token" "$token" >"$secret"
  chmod 600 "$secret"; cp -p "$secret" "$WORK/geheim.vorher"
  ln -s "$secret" "$DATA/$f"
  ok=1
  if start_app 2024-01-15; then dismiss; add_shift_mark || true; end_app 15 || ok=0; else ok=0; end_app 5; fi
  cmp -s "$secret" "$WORK/geheim.vorher" && [ "$(stat -c %a "$secret")" = 600 ] || ok=0
  grep -rlaF "$token" "$WORK/SKDaten" --no-messages | grep -q . && ok=0
  if [ $ok = 1 ]; then safe=$((safe + 1)); else leaked=$((leaked + 1)); leak_list+=("$f"); fi
  rm -f "$secret"
done
echo "g. planted links: safe=$safe leaked=$leaked ${leak_list[*]}"
[ -s "$WORK/notes.txt" ] && { echo "notes:"; head -20 "$WORK/notes.txt"; }
exit 0
