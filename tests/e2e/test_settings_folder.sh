#!/bin/bash
# The change of the data folder: a new folder gets a copy of the user's data
# (without the settings), an existing one is used as it is after "Nein" or
# overwritten after "Ja"; the calendar then reads the notes of the new
# folder; nothing outside the chosen target is touched.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/settings_e2e_lib.sh"

FILE=$(settings_of Programm)
choose_folder() {  # number of Down presses in the tree below the start folder
  main_focus
  keys F10; focus_window '^Programm$' || return 1
  keys v; focus_window '^Wähle das neue Programmverzeichnis$' || return 1
  local i; for i in $(seq "$1"); do keys Down; done
  shot "$WORK/folder_chooser.png" "$FOCUSED"
  keys Tab Return
  gone '^Wähle das neue Programmverzeichnis$' || fail "Auswahl did not close the chooser"
}
# Checksums of every file below the working folder except one subtree.
tree_sums() {
  (cd "$WORK" && find . -path "./$1" -prune -o -type f ! -name '*.png' ! -name stderr.txt -print0 |
     sort -z | xargs -0 md5sum)
}

mkdir -p SKDaten/Programm/Anhang neu alt/SKDaten/Programm
printf 'Notiz lokal' > SKDaten/Programm/20240016.txt
printf '\x01\x02\x03' > SKDaten/Programm/Anhang/bild.bin
printf 'Notiz geteilt' > alt/SKDaten/Programm/20240016.txt
printf 'Noch eine' > alt/SKDaten/Programm/20240017.txt

start_app || exit 1
xdotool mousemove 1590 990
keys Down
notes_of_cursor_day
[ "$NOTES" = "Notiz lokal" ] || fail "local note before the change"

# --- a new folder: the data are copied, the settings stay -------------------
before=$(tree_sums neu)
choose_folder 2   # alt, neu, SKDaten: the second is "neu"
# A question that comes late is still caught.
window_id '^Frage$' 2 >/dev/null && fail "question for a new folder"
cmp -s SKDaten/Programm/20240016.txt neu/SKDaten/Programm/20240016.txt || fail "note not copied"
cmp -s SKDaten/Programm/Anhang/bild.bin neu/SKDaten/Programm/Anhang/bild.bin || fail "sub-folder not copied"
[ -e neu/SKDaten/Programm/Einstellungen.dat ] && fail "the settings were copied into the shared folder"
# The target holds exactly the user's files, the settings file excepted.
src_list=$(cd SKDaten/Programm && find . ! -name Einstellungen.dat | sort)
dst_list=$(cd neu/SKDaten/Programm && find . | sort)
[ "$src_list" = "$dst_list" ] || fail "copied files differ: $(echo $dst_list) for $(echo $src_list)"
(cd SKDaten/Programm && find . -type f ! -name Einstellungen.dat) | while read -r f; do
  cmp -s "SKDaten/Programm/$f" "neu/SKDaten/Programm/$f" || echo "FAIL: $f copied with other bytes"
done | grep -q FAIL && fail "a copied file differs"
[ "$(ls neu)" = "SKDaten" ] && [ "$(ls neu/SKDaten)" = "Programm" ] || fail "other folders made in the target"
[ "$before" = "$(tree_sums neu)" ] || fail "files outside the target changed"
printf 'Notiz neu' > neu/SKDaten/Programm/20240016.txt
main_focus
keys Down   # repaint on the same day: the note is read from the new folder
keys Up
notes_of_cursor_day
[ "$NOTES" = "Notiz neu" ] || fail "the calendar does not read the new folder"

# --- an existing folder and "Nein": its files are used as they are ----------
before=$(tree_sums alt)
choose_folder 1
focus_window '^Frage$' && shot "$WORK/question.png" "$FOCUSED"
keys Return   # "Nein" is the default of this question
gone '^Frage$' || fail "question did not close"
[ "$before" = "$(tree_sums alt)" ] || fail "files outside the target changed"
[ "$(cat alt/SKDaten/Programm/20240016.txt)" = "Notiz geteilt" ] || fail "Nein overwrote the folder"
notes_of_cursor_day
[ "$NOTES" = "Notiz geteilt" ] || fail "the calendar does not read the folder chosen with Nein"
stop_app
expect_setting Programm Anwenderverzeichnis "$WORK/alt/SKDaten/" "after the change"

# --- after a restart the shared folder is still in use ----------------------
start_app || exit 1
xdotool mousemove 1590 990
keys Down
notes_of_cursor_day
[ "$NOTES" = "Notiz geteilt" ] || fail "the shared folder is not used after a restart"

# --- an existing folder and "Ja": its notes are replaced by ours ------------
before=$(tree_sums neu)
choose_folder 2
focus_window '^Frage$'
keys shift+Tab Return   # "Ja"
gone '^Frage$' || fail "question did not close"
[ "$before" = "$(tree_sums neu)" ] || fail "files outside the target changed"
cmp -s alt/SKDaten/Programm/20240016.txt neu/SKDaten/Programm/20240016.txt || fail "Ja did not copy the note"
cmp -s alt/SKDaten/Programm/20240017.txt neu/SKDaten/Programm/20240017.txt || fail "Ja did not copy the second note"
[ -f neu/SKDaten/Programm/Anhang/bild.bin ] || fail "Ja deleted a file that is no note"
notes_of_cursor_day
[ "$NOTES" = "Notiz geteilt" ] || fail "note after Ja"

# --- cancelling the chooser changes nothing ---------------------------------
main_focus
keys F10; focus_window '^Programm$'; keys v
focus_window '^Wähle das neue Programmverzeichnis$'
keys Escape
gone '^Wähle das neue Programmverzeichnis$' || fail "Esc did not close the chooser"
stop_app
expect_setting Programm Anwenderverzeichnis "$WORK/neu/SKDaten/" "after Ja and a cancelled chooser"

finish
