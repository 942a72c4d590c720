#!/bin/bash
# "Kalender-Abgleich..." against a real Radicale on this machine: server,
# user and password entered, "Jetzt abgleichen" fills the calendar; with
# "Automatisch abgleichen" on, a vacation mark set in the calendar reaches
# the server by itself. The password goes to the keyring, never to a file.
SK_E2E_ATSPI=1
source "$(dirname "$0")/lib.sh"

TITLE='^Kalender-Abgleich$'
PASSWORD='E2e-Kennwort-73'
command -v radicale >/dev/null || { echo "radicale is missing (scripts/setup-debian.sh)"; exit 1; }

# The desktop's keyring on the script's own bus.
eval "$(echo -n e2e | gnome-keyring-daemon --unlock --components=secrets)"

PORT=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
STORE="$WORK/radicale"
CAL="$STORE/collections/collection-root/anna/schicht"
mkdir -p "$CAL"
echo '{"tag": "VCALENDAR"}' >"$CAL/.Radicale.props"
echo "anna:$PASSWORD" >"$STORE/users"
cat >"$STORE/config" <<CONF
[server]
hosts = 127.0.0.1:$PORT
[auth]
type = htpasswd
htpasswd_filename = $STORE/users
htpasswd_encryption = plain
[storage]
filesystem_folder = $STORE/collections
CONF
radicale --config "$STORE/config" >"$WORK/radicale.log" 2>&1 & RADICALE=$!
answers() { /usr/bin/python3 -c "import socket; socket.create_connection(('127.0.0.1',$PORT),1)" 2>/dev/null; }
within answers || { fail "radicale did not start"; finish; }

# The events on the server, from its own storage.
events() { ls "$CAL"/*.ics 2>/dev/null | wc -l; }
has_uid() { grep -lq "UID:$1" "$CAL"/*.ics 2>/dev/null; }
at_least() { [ "$(events)" -ge "$1" ]; }
# A first sync of a year takes a server some seconds.
slowly() { WITHIN_SECONDS=60 within "$@"; }

start_app 2024-01-15 || exit 1
keys F10
press_in '^Programm$' a
focus_window "$TITLE" || finish
type_text "http://127.0.0.1:$PORT/anna/schicht/"
keys Tab
type_text anna
keys Tab
type_text "$PASSWORD"
press_named "$TITLE" button 'Jetzt abgleichen'
# Crew Rot of type 0, January to December 2024: about 220 shifts.
slowly at_least 200 || fail "the first sync left $(events) events on the server"
n_first=$(events)

press_named "$TITLE" check 'Automatisch abgleichen'
press_named "$TITLE" button 'Schließen'
gone "$TITLE" || fail "the window stayed open"
grep -q '^Automatisch = 1$' "$DATA/Kalenderabgleich.txt" || fail "automatic sync not kept"
grep -rqa "$PASSWORD" "$WORK/SKDaten" "$HOME" --exclude-dir=keyrings && fail "the password is in a file"

# A vacation mark on Monday 15 January (the cursor's day) for crew column 1.
main_focus
keys F9
focus_window '^Notiz$' && keys s
focus_window '^Schichtspalte eingeben$' && keys Return
focus_window '^Schichtmarkierung eingeben$' && keys u
gone '^Schichtmarkierung eingeben$' || fail "the mark window stayed open"
slowly has_uid '20240115-markierung-t0-c1@' || fail "the vacation mark did not reach the server"

stop_app
kill "$RADICALE"
finish
