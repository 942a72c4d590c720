#include "shift/ShiftTimes.h"

#include "shift/OwnShiftPlan.h"

namespace sk {

bool HasLongSundayShifts(int calendarType) {
    return IsValidCalendarType(calendarType) && calendarType != 2 && !IsFourCrewType(calendarType);
}

ShiftClock BuiltInShiftClock(int calendarType, ShiftCode code, DayNumber d) {
    const bool longSunday = WeekdayIndex(d) == 0 && HasLongSundayShifts(calendarType);
    if (code == kShiftNight) return longSunday ? kSundayNightClock : kWeekdayShiftClocks[2];
    if (code == kShiftLate) return kWeekdayShiftClocks[1];
    return longSunday ? kSundayEarlyClock : kWeekdayShiftClocks[0];
}

std::string ShiftTimesText(int startMinute, int endMinute) {
    return ShiftTimesText(ShiftKindTimes{startMinute, endMinute, 0});
}

}  // namespace sk
