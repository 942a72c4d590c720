#pragma once
// When a reminder is due and what it says: the evening before a shift, a
// while before it starts, and on the day of a yearly note. Pure rules on
// the appointments of a few days, so the program and the background helper
// decide alike, and a test can walk any night of the year.

#include <string>
#include <vector>

#include "calendar/Date.h"
#include "remind/ReminderSettings.h"
#include "remind/SentReminders.h"

namespace sk {

// A shift the user works, as the crew-event model gives it.
struct ShiftAppointment {
    DayNumber day = 0;
    int startMinute = 0;     // Berlin clock
    std::string name;        // "Frühschicht"
    std::string timesText;   // "6.00 - 14.00 Uhr"
};

// A yearly note on its day, with the years already inserted.
struct YearlyNoteOfDay {
    DayNumber day = 0;
    std::string text;
};

struct ReminderInput {
    ReminderSettings settings;
    std::vector<ShiftAppointment> shifts;
    std::vector<YearlyNoteOfDay> yearlyNotes;
    std::string crewText;  // "Schicht Blau"
};

struct DueReminder {
    std::string key;                  // what the sent store remembers
    std::vector<std::string> covers;  // keys it stands for as well
    DayNumber day = 0;                // the day it is about (a click shows it)
    DateValue due = 0;
    std::string title;                // "Morgen Frühschicht 6.00 - 14.00 Uhr (Schicht Blau)"
    std::string body;                 // "Mittwoch, 9. Dezember 2026"
};

// The days whose appointments a run at `now` needs: a reminder is never due
// more than a day before its event, and none is left after its day.
struct ReminderDays {
    DayNumber first = 0;
    DayNumber last = 0;
};
ReminderDays ReminderDaysAround(DateValue now);

// The reminders due at `now` that were not sent yet, by due time. A reminder
// is due from its time until its shift begins (a yearly note: until its day
// ends), so one missed while the machine was off comes at the next run if
// there is still time, and is dropped otherwise. When the evening reminder
// and the one before the start of the same shift are both due, only the
// later one is sent; it covers the other.
std::vector<DueReminder> DueReminders(const ReminderInput& input, DateValue now, const SentReminders& sent);

// The crew as reminders name it: "Schicht Blau", "Schicht A".
std::string ReminderCrewText(const std::string& crewName);

}  // namespace sk
