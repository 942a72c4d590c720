#include "notes/NoteDeletion.h"

namespace sk {

void DeleteNotesAndMarks(const NoteDeletionChoice& choice, DayNumber upTo, NoteStore& notes, CalendarMarkList& calendarMarks,
                         ShiftMarkList& shiftMarks, const std::string& folder) {
    if (choice.dayNotes) notes.DeleteDayNotesUpTo(upTo);
    if (choice.calendarMarks) {
        calendarMarks.DeleteCalendarMarksUpTo(upTo);
        calendarMarks.changed = true;
        calendarMarks.Save(folder);
    }
    if (choice.shiftMarks) shiftMarks.DeleteShiftMarksUpTo(upTo, folder);
    if (choice.periodicNotes) notes.DeleteAllPeriodicNotes();
    if (choice.yearlyNotes) notes.DeleteAllYearlyNotes();
    if (choice.weekdayNotes) notes.DeleteAllWeekdayNotes();
}

}  // namespace sk
