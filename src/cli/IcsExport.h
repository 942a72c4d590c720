#pragma once
// The plan of one crew as an iCalendar file (RFC 5545) for phone and desktop
// calendars: one event per shift the crew works, its vacation-block days and
// the user's shift marks as all-day events. Times are clock times of
// Europe/Berlin; UIDs depend only on plan type, crew, day and kind of event,
// so importing the same range again updates the events instead of doubling them.

#include <string>
#include <string_view>

#include "calendar/Date.h"
#include "cli/PlanOutput.h"

namespace sk {

struct PlanOptions;
class ShiftMarkList;

// Crew numbers count from 1 in crew order: 1-5 = Rot, Blau, Gelb, Grün, Braun
// in the five-crew types 0, 1, 3, 4, 5; 1-3 = Rot, Blau, Gelb in the
// two-shift type 2; 1-4 = Schicht A-D in types 6 and 7. The crew's name
// ("rot", "Grün", "gruen", "B", "Schicht B") is taken as well, in either case.
// Returns the crew index 0-4, or -1 when the type has no such crew.
int ParseCrewArgument(int calendarType, std::string_view text);
// The allowed crews of a type for an error text: "1 bis 3: 1 Rot, 2 Blau, 3 Gelb".
std::string CrewChoicesText(int calendarType);

inline constexpr const char* kShiftEventNames[3] = {"Frühschicht", "Spätschicht", "Nachtschicht"};
inline constexpr const char* kVacationBlockEventName = "Urlaubsblock";

// The calendar of crew `options.crew` (0-4) for the options' range and type.
// `marks` (may be null) are the user's shift marks: in types 6 and 7 those in
// the crew's column count, in the other types the column is a shift column of
// the user's own crew, so every mark counts. `stamp` becomes every DTSTAMP.
// Written piece by piece to `sink`, so a long range is never held whole;
// false when a piece could not be written. A crew the type does not have
// gives nothing.
bool ExportPlanIcs(const PlanOptions& options, const ShiftMarkList* marks, DateValue stamp, const OutputSink& sink);
std::string ExportPlanIcs(const PlanOptions& options, const ShiftMarkList* marks, DateValue stamp);

// The ics run of schichtplan: reads the shift marks of `options.dataFolder`
// (when given) and exports. A data folder that is not a folder is a German
// error in `err` with exit status 2.
int RunIcsExport(const PlanOptions& options, DateValue stamp, const OutputSink& out, std::string& err);
int RunIcsExport(const PlanOptions& options, DateValue stamp, std::string& out, std::string& err);

}  // namespace sk
