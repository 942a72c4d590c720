#pragma once
// What the window "Lösche Notizen und Markierungen" deletes once the user has
// confirmed.

#include <string>

#include "calendar/Date.h"
#include "marks/CalendarMarks.h"
#include "marks/ShiftMarks.h"
#include "notes/NoteStore.h"

namespace sk {

inline constexpr const char* kDeleteQuestion = "Sollen die Notizen wirklich alle gelöscht werden?";

struct NoteDeletionChoice {
    // Up to and including the chosen day:
    bool dayNotes = false;
    bool shiftMarks = false;
    bool calendarMarks = false;
    // Whatever the day:
    bool periodicNotes = false;
    bool yearlyNotes = false;
    bool weekdayNotes = false;

    bool Any() const { return dayNotes || shiftMarks || calendarMarks || periodicNotes || yearlyNotes || weekdayNotes; }
};

// Applies the choice in the window's order: day notes, calendar marks, shift
// marks, periodic, yearly, weekday-in-month notes. Both mark lists are
// written to `folder` at once, so the deletion holds even if the program
// ends abnormally; a list that could not be written keeps its changed flag.
void DeleteNotesAndMarks(const NoteDeletionChoice& choice, DayNumber upTo, NoteStore& notes, CalendarMarkList& calendarMarks,
                         ShiftMarkList& shiftMarks, const std::string& folder);

}  // namespace sk
