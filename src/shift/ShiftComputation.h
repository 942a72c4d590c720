#pragma once
// Which shift every crew works on a day: pure arithmetic on the day number and
// the pattern table, every rhythm anchored at 1970-01-01 by fixed crew offsets.

#include <array>
#include <cstdint>

#include "calendar/Date.h"
#include "shift/CalendarTypes.h"

namespace sk {

struct VacationBlock;

// Offsets of crews 0-4 in the 35-day rhythm (each a week after the previous).
inline constexpr std::array<int, kMaxCrews> kCrewOffsets = {10, 17, 24, 31, 3};

// 2015-01-01 to 2015-02-28: types 0 and 3 run crews 1-4 on the 28-day rhythm.
inline constexpr DayNumber kTransitionFirstDay = 16436;
inline constexpr DayNumber kTransitionLastDay = 16494;
bool IsInTransitionPeriod(DayNumber d);

struct CrewDayRow {
    ShiftCode code = kShiftOff;
    std::int32_t colour = 0;
};

// One day's shifts: per crew 0-4 its code and its colour. Rows a type does not
// compute (3 and 4 of the two-shift type, all of the four-crew types and of an
// invalid type) hold kShiftOff; the colours are always those of kCrewColours.
struct CrewDayTable {
    std::array<CrewDayRow, kMaxCrews> rows;
    ShiftCode Code(int crew) const { return rows[crew].code; }
};

struct CrewShiftResult {
    CrewDayTable table;
    // False only for types 0 and 3 in the transition period.
    bool allFiveOnRhythm = true;
};

// A table with every crew off and its colour set.
CrewDayTable MakeOffDutyTable();

// The shifts of the crews of `calendarType` on day d. With an overlay the
// vacation block is applied to the types that have one; nullptr means none.
// Any day number is accepted: the rhythm simply continues beyond 1970-2037.
CrewShiftResult ComputeCrewShifts(int calendarType, DayNumber d, const VacationBlock* overlay);

// Shift of crew 0-3 (A-D) of four-crew type 6 or 7 on day d; kShiftOff for
// any other type or crew.
ShiftCode ShiftOfFourCrewType(int type, int crew, DayNumber d);

// Non-negative remainder, so days before 1970 stay inside the tables.
inline int PositiveMod(std::int64_t value, int n) {
    const int r = static_cast<int>(value % n);
    return r < 0 ? r + n : r;
}

}  // namespace sk
