#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs:
# the programs, the menu entry, the icons of the hicolor theme and the
# AppStream metainfo, each validated by the desktop's own tools, the shipped
# school-holiday file, and nothing else (no libraries, headers or test programs).
# Arguments: build folder, source folder, 1 when the desktop program is built.
set -euo pipefail
build=$1
source=$2
with_app=${3:-0}
id=de.haldenau.Schichtkalender
sizes=(16 24 32 48 64 128 256)

fail() { echo "FEHLER: $*" >&2; exit 1; }
need() { command -v "$1" >/dev/null || fail "$1 fehlt (Debian-Paket $2, siehe scripts/setup-debian.sh)"; }
need desktop-file-validate desktop-file-utils
need appstreamcli appstream

prefix=$(mktemp -d "${TMPDIR:-/tmp}/sk-install-XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

# PNG width and height from the IHDR chunk (bytes 16-23, big-endian).
png_size() {
  local b
  read -r -a b < <(od -An -tu1 -j16 -N8 "$1")
  echo "$(( (b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3] ))x$(( (b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7] ))"
}

holidays=share/schichtkalender/school-holidays/schulferien-bayern.ics
units=share/systemd/user/schichtkalender-erinnerung@
expected=(bin/schichtplan "$units.service" "$units.timer")
# One school-holiday file per state.
for f in "$source"/data/school-holidays/*.ics; do expected+=("share/schichtkalender/school-holidays/${f##*/}"); done
if [ "$with_app" = 1 ]; then
  expected+=(bin/schichtkalender
             "share/applications/$id.desktop"
             "share/metainfo/$id.metainfo.xml"
             "share/icons/hicolor/scalable/apps/$id.svg")
  for s in "${sizes[@]}"; do expected+=("share/icons/hicolor/${s}x${s}/apps/$id.png"); done
fi
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) ||
  fail "installierte Dateien weichen ab (< erwartet, > installiert)"

for p in "${expected[@]}"; do
  case $p in bin/*) [ -x "$prefix/$p" ] || fail "$p ist nicht ausführbar" ;; esac
done
# The installed command line runs on its own and writes a calendar.
"$prefix/bin/schichtplan" --format ics --crew 1 --from 2027-03-01 --to 2027-03-07 | grep -q '^BEGIN:VCALENDAR' ||
  fail "schichtplan --format ics liefert keinen Kalender"
# The reminder helper's service runs the installed schichtplan, its timer is enabled per user.
grep -qx "ExecStart=$prefix/bin/schichtplan --remind --data %f" "$prefix/$units.service" ||
  fail "$units.service startet nicht das installierte schichtplan --remind"
grep -qx 'WantedBy=timers.target' "$prefix/$units.timer" || fail "$units.timer lässt sich nicht einschalten"
# The shipped school holidays are the published file and fill the years after the built-in table.
cmp -s "$prefix/$holidays" "$source/data/school-holidays/schulferien-bayern.ics" ||
  fail "$holidays weicht von der Datei im Quellbaum ab"
"$prefix/bin/schichtplan" --school-holidays "$prefix/$holidays" --from 2026-09-14 --to 2026-09-15 |
  grep -q '^2026-09-14;Montag;38;0;[^;]*;1;' || fail "schichtplan --school-holidays liest die mitgelieferte Datei nicht"
# ... and the installed program finds its state's file on its own.
"$prefix/bin/schichtplan" --region SN --from 2027-05-07 --to 2027-05-07 2>"$prefix/err" |
  grep -q '^2027-05-07;Freitag;18;0;[^;]*;1;' || fail "schichtplan liest die mitgelieferten Schulferien nicht"
[ -s "$prefix/err" ] && fail "schichtplan meldet: $(cat "$prefix/err")"
rm -f "$prefix/err"

if [ "$with_app" = 1 ]; then
  desktop="$prefix/share/applications/$id.desktop"
  metainfo="$prefix/share/metainfo/$id.metainfo.xml"
  desktop-file-validate "$desktop" || fail "Desktop-Eintrag ungültig"
  # The installed tree as a software centre reads it: metainfo, its desktop entry and icon.
  appstreamcli validate-tree --no-net "$prefix" || fail "Metainfo ungültig"
  # The entry starts an installed program, shows our icon and sits in the menus asked for.
  grep -qx 'Name=Schichtkalender' "$desktop" || fail "Name ist nicht Schichtkalender"
  grep -q '^Comment=.' "$desktop" || fail "Kommentar fehlt"
  exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -x "$prefix/bin/$exec_name" ] || fail "Exec=$exec_name ist nicht installiert"
  grep -qx "Icon=$id" "$desktop" || fail "Icon ist nicht $id"
  grep -qx 'Categories=Office;Calendar;' "$desktop" || fail "Kategorien Office und Calendar fehlen"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "Metainfo verweist nicht auf $id.desktop"
  grep -q "<id>$id</id>" "$metainfo" || fail "Metainfo-ID ist nicht $id"
  for s in "${sizes[@]}"; do
    got=$(png_size "$prefix/share/icons/hicolor/${s}x${s}/apps/$id.png")
    [ "$got" = "${s}x${s}" ] || fail "Symbol ${s}x${s} hat die Größe $got"
  done
  grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "SVG-Symbol ist kein SVG"
else
  # Without the desktop program nothing of it is installed; its files are still checked.
  desktop-file-validate "$source/data/$id.desktop" || fail "Desktop-Eintrag ungültig"
  appstreamcli validate --no-net "$source/data/$id.metainfo.xml" || fail "Metainfo ungültig"
fi
echo "Installation in $prefix: ${#expected[@]} Dateien wie erwartet"
