#pragma once
// The plan of one crew as an iCalendar file (RFC 5545) for phone and desktop
// calendars: one event per shift the crew works, its vacation-block days and
// the user's shift marks as all-day events. Times are clock times of
// Europe/Berlin; UIDs depend only on plan type, crew, day and kind of event,
// so importing the same range again updates the events instead of doubling them.
// The one writer of these files: the command line and the program's export
// window both call it.

#include <string>
#include <string_view>

#include "base/PlanOutput.h"
#include "calendar/Date.h"
#include "calendar/SchoolHolidays.h"
#include "ical/CrewEvents.h"
#include "shift/CalendarTypes.h"

namespace sk {

// Crew numbers count from 1 in crew order: 1-5 = Rot, Blau, Gelb, Grün, Braun
// in the five-crew types 0, 1, 3, 4, 5; 1-3 = Rot, Blau, Gelb in the
// two-shift type 2; 1-4 = Schicht A-D in types 6 and 7. The crew's name
// ("rot", "Grün", "gruen", "B", "Schicht B") is taken as well, in either case.
// Returns the crew index 0-4, or -1 when the type has no such crew.
int ParseCrewArgument(int calendarType, std::string_view text);
// The allowed crews of a type for an error text: "1 bis 3: 1 Rot, 2 Blau, 3 Gelb".
std::string CrewChoicesText(int calendarType);

// Every UID of the plan's events ends in "@" and this; a calendar sync
// changes and deletes only such events.
inline constexpr const char* kPlanUidDomain = "de.haldenau.Schichtkalender";

// What goes into the file: the crew's appointments (ical/CrewEvents.h) and,
// besides them, the school holidays.
struct PlanIcsRequest : CrewEventRequest {
    // School holiday periods reaching into the range, as all-day events (null: none).
    const SchoolHolidayCalendar* schoolHolidays = nullptr;
    // A reminder this many minutes before each shift begins (0: none): the
    // phone shows the shift's name. Days off carry none.
    int alarmMinutes = 0;
};

// The longest reminder ahead of a shift the file offers: a day.
inline constexpr int kMaxAlarmMinutes = 24 * 60;

// The calendar; `stamp` becomes every DTSTAMP. Written piece by piece to
// `sink`, so a long range is never held whole; false when a piece could not
// be written. A crew the type does not have gives nothing.
bool PlanIcs(const PlanIcsRequest& request, DateValue stamp, const OutputSink& sink);
std::string PlanIcs(const PlanIcsRequest& request, DateValue stamp);

}  // namespace sk
