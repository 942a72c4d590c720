#!/bin/bash
# Ctrl+P and the menu entry "Drucken" open the toolkit's print dialog over
# the main window; printing to a file gives a PDF of the months shown, with
# searchable month names.
source "$(dirname "$0")/lib.sh"

TODAY='2024-03-15 10:00:00'
export HOME="$WORK/home"
mkdir -p "$HOME"
PRINT_TITLE='^(Drucken|Print)$'

start_app || exit 1
keys ctrl+p
focus_window "$PRINT_TITLE" 15 || { finish; }
# The file printer chosen in the list and activated: the PDF goes to the home folder.
keys Down Return
# The print job runs in the background: up to 10 s for the file and the dialog's end.
printed() { pdf=$(ls "$HOME"/*.pdf 2>/dev/null | head -1); [ -n "$pdf" ] && [ -s "$pdf" ] && ! shown "$PRINT_TITLE"; }
within printed
if [ -z "$pdf" ]; then
  fail "printing to a file wrote no PDF into the home folder"
else
  case "$(basename "$pdf")" in
    "Schichtplan Haldenau PM 1 März 2024 - September 2024.pdf") ;;
    *) fail "PDF is named '$(basename "$pdf")'" ;;
  esac
  # Wait until the file is complete (its end marker is written last).
  complete() { tail -c 16 "$pdf" | grep -q '%%EOF'; }
  within complete
  text=$(pdftotext "$pdf" - 2>/dev/null)
  for month in "März 2024" April Mai Juni Juli August September "Schichtplan Haldenau PM 1"; do
    grep -q "$month" <<<"$text" || fail "printed PDF lacks '$month'"
  done
fi

# The same dialog from the program menu ("Prog.", key F10), entry "Drucken" (key D).
main_focus
keys F10
press_in '^Programm$' d
focus_window "$PRINT_TITLE" 15 && { keys Escape; gone "$PRINT_TITLE" || fail "print dialog stayed open after Esc"; }

stop_app
finish
