#!/bin/bash
# Drives the real program under a virtual X server: first start, the settings
# written at the end, the type and column keys, paging and the painted image.
source "$(dirname "$0")/lib.sh"

# Today is pinned from outside: Monday, 15 January 2024.
TODAY='2024-01-15 10:00:00'

# --- first start creates the folders, Esc writes the default settings ------
start_app || exit 1
[ -d SKDaten/Programm ] || fail "folders SKDaten/Programm not created"

# --- the screenshot shows the calendar -------------------------------------
# Image at (0, 2r); column 0 starts at x = u. Day d of column 0 is at y = (d + 2) r.
[ "$U" -ge 5 ] && [ "$R" -ge 8 ] || fail "implausible units u=$U r=$R from ${WIN_W}x${WIN_H}"
XM=$(python3 -c "print(round($U + 5.35 * $U))")
# calendar_right file: the first page as it must look; what is wrong goes to WRONG.
calendar_right() {
  WRONG=()
  local stripe bg top c d k crews="255,0,0 0,0,255 255,255,0 0,255,0 235,167,11"
  stripe=$(pixel "$1" $((XM + 1)) $(((2 + 2) * R + 1)))       # 2 Jan 2024: school holidays
  [ "$stripe" = "219,214,181" ] || WRONG+=("school-holiday stripe on 2 January is $stripe")
  bg=$(pixel "$1" $((XM + 1)) $(((10 + 2) * R + 1)))          # 10 January: none
  [ "$bg" = "236,233,216" ] || WRONG+=("background on 10 January is $bg")
  for d in 16 17 18; do   # early, late and night boxes of working days
    for k in 2 3 4; do
      c=$(pixel "$1" $((U + 8 * U + 2 * (k - 1) * U + U / 2)) $(((d + 2) * R + R / 2)))
      case " $crews " in *" $c "*) ;; *) WRONG+=("shift box of day $d sub-column $k is $c");; esac
    done
  done
  # The cursor frame is on today (column 0, day 15): black at its top edge.
  top=$(pixel "$1" $((9 * U)) $(((15 + 2) * R - 1)))
  [ "$top" = "0,0,0" ] || WRONG+=("cursor frame on today is $top")
  [ ${#WRONG[@]} -eq 0 ]
}
shot_until "$WORK/first.png" "" calendar_right "$WORK/first.png" ||
  for w in "${WRONG[@]}"; do fail "$w (picture kept: $KEPT)"; done
stop_app
{
  printf '\xef\xbb\xbf\n[Programmeinstellungen]\nFontname = \nFontgröße = 10\nFontstil = 0\n'
  printf 'Schichtspalten = 6\nSchulferien anzeigen = 1\nWochennummer anzeigen = 1\n'
  # The default data folder is written empty: a copy of "SKDaten" uses itself.
  printf 'Anwenderverzeichnis = \nAnwendername = Programm\nSchichtart = 0\n'
  printf 'UrlaubBlockAnzeige = 1\nSollstunden_38 = 1982.760010\nSollstunden_40 = 2088.000000\n'
  printf 'UrlaubStartMonat = 4\nUrlaubStartTag = 25\nUrlaubZyklus = 0\n; \n[Astronomie]\n'
  printf 'Breite = 48.469999999999998863131622783839702606201171875\n'
  printf 'Länge = -12.519999999999999573674358543939888477325439453125\n'
  printf 'Zeitzone = 1\nSommerzeit automatisch = 1\nOrtsname = Haldenau\nDämmerung = 0\n'
  printf 'Mondphasen anzeigen = 0\nPerihel und Aphel anzeigen = 0\n'
} > "$WORK/expected.dat"
cmp -s "$WORK/expected.dat" SKDaten/Programm/Einstellungen.dat || {
  fail "default settings differ"; diff <(cat -A "$WORK/expected.dat") <(cat -A SKDaten/Programm/Einstellungen.dat)
}

# --- type and column keys change what Esc saves ----------------------------
check_keys() {  # expected type and columns after the keys
  local type=$1 cols=$2; shift 2
  start_app || return
  keys "$@"
  stop_app
  expect_setting Programm Schichtart "$type" "keys $*"
  expect_setting Programm Schichtspalten "$cols" "keys $*"
}
check_keys 3 6 n
check_keys 0 6 n          # N again: back to 0 (3 was saved)
check_keys 1 6 m
check_keys 4 6 m
check_keys 2 6 b
check_keys 6 6 v
check_keys 7 6 c
check_keys 0 8 n KP_Add KP_Add
check_keys 0 7 KP_Subtract
check_keys 5 7 x KP_Add KP_Subtract   # ignored in the half-year view
check_keys 0 6 n KP_Subtract KP_Subtract

# --- paging with F2/F3 and F5/F7 -------------------------------------------
start_app || exit 1
still_shot "$WORK/a.png" ""
keys F3
check_shot "$WORK/b.png" "" "F3 did not page" eval '! same_image "$WORK/a.png" "$WORK/b.png"'
keys F2
check_shot "$WORK/c.png" "" "F3 then F2 is not the first page" same_image "$WORK/a.png" "$WORK/c.png"
keys F7
check_shot "$WORK/d.png" "" "F7 did not page" eval '! same_image "$WORK/a.png" "$WORK/d.png"'
keys F5
check_shot "$WORK/e.png" "" "F7 then F5 is not the first page (cursor row 15 kept)" same_image "$WORK/a.png" "$WORK/e.png"
stop_app

# --- SIGTERM ends the program in order --------------------------------------
rm -f SKDaten/Programm/Einstellungen.dat
start_app || exit 1
keys b
kill -TERM "$APP"
wait_for_exit || { fail "SIGTERM did not end the program"; kill -9 "$APP"; }
wait "$APP"; rc=$?; APP=""
[ $rc -eq 0 ] || fail "SIGTERM exit status $rc"
expect_setting Programm Schichtart 2 "SIGTERM"

# --- damaged settings start a usable program --------------------------------
bad_settings() {
  printf '[Programmeinstellungen]\nFontname = KeineSolcheSchrift\nFontgröße = %s\nSchichtspalten = %s\nSchichtart = 99\n[Astronomie]\nBreite = NaN\nLänge = -Infinity\n' "$1" "$2" > SKDaten/Programm/Einstellungen.dat
}
for values in "5000 200" "0 -5"; do
  set -- $values
  bad_settings "$1" "$2"
  start_app || continue
  stop_app
  expect_setting Programm Fontgröße 10 "damaged $values"
  expect_setting Programm Schichtspalten 6 "damaged $values"
  expect_setting Programm Schichtart 0 "damaged $values"
  expect_setting Programm Breite 48.469999999999998863131622783839702606201171875 "damaged $values"
  expect_setting Programm Fontname KeineSolcheSchrift "damaged $values"
done

finish
