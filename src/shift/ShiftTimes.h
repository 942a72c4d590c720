#pragma once
// Clock times of the built-in plans' shifts. Plans without a late crew on
// Sundays run two long shifts that day, and their accounts count a Sunday
// shift as 12 hours: early 6.00-18.00, night 18.00-6.00 (the night from
// Saturday to Sunday is an ordinary one).

#include <string>

#include "calendar/Date.h"
#include "shift/CalendarTypes.h"

namespace sk {

struct ShiftClock {
    int startMinute = 0;  // local clock minutes
    int endMinute = 0;    // at or before the start: the next day
    bool operator==(const ShiftClock&) const = default;
};

// Early, late, night on a weekday: 6.00-14.00, 14.00-22.00, 22.00-6.00.
inline constexpr ShiftClock kWeekdayShiftClocks[3] = {{6 * 60, 14 * 60}, {14 * 60, 22 * 60}, {22 * 60, 6 * 60}};
inline constexpr ShiftClock kSundayEarlyClock = {6 * 60, 18 * 60};
inline constexpr ShiftClock kSundayNightClock = {18 * 60, 6 * 60};

// The five-crew plans 0, 1, 3, 4, 5: no late crew on Sundays and 12 hours a
// Sunday shift. The two-shift plan works its own hours every day, the
// four-crew plans keep no accounts.
bool HasLongSundayShifts(int calendarType);

// The clock of built-in shift code 1-3 of `calendarType` starting on day d;
// any other code reads as the early shift.
ShiftClock BuiltInShiftClock(int calendarType, ShiftCode code, DayNumber d);

// Legend text of a shift's times: "6.00 - 14.00 Uhr".
std::string ShiftTimesText(int startMinute, int endMinute);

}  // namespace sk
