#include "notes/NoteMenu.h"

namespace sk {

const NoteMenuEntry kNoteMenuEntries[kNoteMenuEntryCount] = {
    {"Tagesnotiz", "Eingabe einer Notiz für einen Tag", 'T', NoteMenuChoice::DayNote},
    {"Periodische Notiz", "Eingabe einer sich in Tagesabständen wiederholenden Notiz", 'P',
     NoteMenuChoice::PeriodicNote},
    {"Jährliche Notiz", "Eingabe einer sich in jährlich wiederholenden Notiz", 'J', NoteMenuChoice::YearlyNote},
    {"Wochentag im Monat", "Eingabe sich an einen bestimmten Wochentag im Monat wiederholenden Notiz", 'W',
     NoteMenuChoice::WeekdayNote},
    {"Kalendermarkierung", "Eingabe einer Markierung zwischen zwei Tagen in wählbarer Farbe", 'K',
     NoteMenuChoice::CalendarMark},
    {"Schichtmarkierung", "Eingabe eines abweichenden Arbeitseinsatzes", 'S', NoteMenuChoice::ShiftMark},
    {"Löschen", "Löscht die ausgewählten eingaben bis zum gewählten Datum", 'L', NoteMenuChoice::Delete},
    {"Übersicht", "Übersicht der Notizen für die angezeigten Monate", 'U', NoteMenuChoice::Overview},
    {"Info", "Informationen zu den Notizeingaben", 'I', NoteMenuChoice::Info},
};

std::optional<NoteMenuChoice> NoteMenuChoiceForKey(char32_t letter) {
    if (letter >= U'a' && letter <= U'z') letter = letter - U'a' + U'A';
    for (const NoteMenuEntry& e : kNoteMenuEntries) {
        if (static_cast<char32_t>(e.key) == letter) return e.choice;
    }
    return std::nullopt;
}

}  // namespace sk
