#pragma once
// Which appointments one crew has on a range of days: its shifts at their
// clock times, its vacation-block days and the user's shift marks. The one
// model behind the calendar file, calendar sync and desktop reminders, so
// they never disagree about a day. Plain values, no file format here.
//
// Rules applied on top of the plan:
// - Sundays of the plans with long Sunday shifts: early 6.00-18.00, night
//   18.00-6.00 (shift/ShiftTimes.h); the own plan keeps its own times.
// - A day-off mark ("Freizeit", "Urlaub", "Krank") removes the day's shift.
// - "Arbeitseinsatz (X)" on a free day becomes the shift of its column; in
//   the four-crew plans a shift mark ("Früh", "Spät", "Nacht") is the shift
//   the crew works that day.
// - Marks count only when they are the crew's own (marksAreOwn).

#include <string>
#include <vector>

#include "calendar/Date.h"
#include "shift/OwnShiftPlan.h"
#include "shift/ShiftTimes.h"
#include "shift/VacationBlock.h"

namespace sk {

class ShiftMarkList;

inline constexpr const char* kShiftEventNames[3] = {kShiftKindEventNames[0], kShiftKindEventNames[1],
                                                    kShiftKindEventNames[2]};
inline constexpr const char* kVacationBlockEventName = "Urlaubsblock";

enum class CrewEventKind { Shift, VacationBlock, Mark };

struct CrewEvent {
    DayNumber day = 0;  // the day the appointment starts
    CrewEventKind kind = CrewEventKind::Shift;
    int shiftKind = -1;   // Shift: 0 early, 1 late, 2 night (own plan: its kinds, 3 day); else -1
    int startMinute = 0;  // Shift: local (Europe/Berlin) clock minutes; end <= start means next day
    int endMinute = 0;
    std::string summary;  // German: "Frühschicht", "Urlaubsblock", "Urlaub", ...
    std::string uidKind;  // "schicht", "urlaubsblock", "markierung" (part of the stable UID)
    bool operator==(const CrewEvent&) const = default;
};

struct CrewEventRequest {
    DayNumber from = 0;
    DayNumber to = 0;
    int calendarType = 0;
    int crew = 0;                           // 0-4; of the own plan 0-5
    const OwnShiftPlan* ownPlan = nullptr;  // type 8
    Region region = kDefaultRegion;         // whose public holidays the own plan keeps free
    int vacationStartMonth = kDefaultVacationStartMonth;
    int vacationStartDay = kDefaultVacationStartDay;
    VacationOrderTables vacationOrder = MakeDefaultVacationOrderTables();
    bool withVacationBlock = true;  // the crew's vacation-block days as all-day appointments
    // The user's shift marks (null: none). In types 6 and 7 those in the
    // crew's column count; in the other types the column is a shift column
    // of the user's own crew, so every mark counts.
    const ShiftMarkList* marks = nullptr;
    // Whether the crew is the user's (MarksBelongToCrew): the marks of
    // anybody else's crew are left out.
    bool marksAreOwn = false;
};

// Whether the user's marks belong in the appointments of `crew`: in the
// four-crew plans the mark's column names the crew, so always; elsewhere
// only for the home crew ("Stammschicht").
bool MarksBelongToCrew(int calendarType, int crew, int homeCrew);

// The appointments in day order; on one day the shift first, then the
// vacation-block day, then the mark. A crew the type lacks gives none.
std::vector<CrewEvent> CrewEventsOf(const CrewEventRequest& request);

}  // namespace sk
