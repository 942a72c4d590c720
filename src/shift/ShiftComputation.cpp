#include "shift/ShiftComputation.h"

#include "shift/VacationBlock.h"

namespace sk {

namespace {

// Crew offsets of the 28-day rhythm, crews A-D.
constexpr int kFourCrewOffsets[2][4] = {
    {3, 24, 17, 10},  // type 6
    {3, 10, 17, 24},  // type 7
};
// Crews 1-4 of types 0 and 3 during the transition period.
constexpr int kTransitionOffsets[kMaxCrews] = {10, 10, 17, 24, 3};
// The three crews of the two-shift plan.
constexpr int kTwoShiftOffsets[3] = {0, 14, 7};

ShiftCode Cell(const ShiftPatternTable& t, std::int64_t shiftedDay, int cycle, int column) {
    return t.At(PositiveMod(shiftedDay, cycle), column);
}

}  // namespace

bool IsInTransitionPeriod(DayNumber d) { return d >= kTransitionFirstDay && d <= kTransitionLastDay; }

CrewDayTable MakeOffDutyTable() {
    CrewDayTable table;
    for (int k = 0; k < kMaxCrews; ++k) table.rows[k] = {kShiftOff, kCrewColours[k]};
    return table;
}

CrewShiftResult ComputeCrewShifts(int calendarType, DayNumber d, const VacationBlock* overlay) {
    const ShiftPatternTable& t = GetShiftPatternTable();
    CrewShiftResult result{MakeOffDutyTable(), true};
    CrewDayTable& table = result.table;
    const std::int64_t day = d;

    switch (calendarType) {
        case 0:
        case 3:
            if (IsInTransitionPeriod(d)) {
                table.rows[0].code = Cell(t, day + kCrewOffsets[0], 35, calendarType + 1);
                for (int k = 1; k < kMaxCrews; ++k)
                    table.rows[k].code = Cell(t, day + kTransitionOffsets[k], 28, calendarType);
                // The vacation block is suspended while the rhythms differ.
                result.allFiveOnRhythm = false;
                return result;
            }
            for (int k = 0; k < kMaxCrews; ++k)
                table.rows[k].code = Cell(t, day + kCrewOffsets[k], 35, calendarType + 1);
            break;
        case 1:
        case 4:
        case 5:
            for (int k = 0; k < kMaxCrews; ++k)
                table.rows[k].code = Cell(t, day + kCrewOffsets[k], 35, calendarType);
            break;
        case 2:
            for (int k = 0; k < 3; ++k) table.rows[k].code = Cell(t, day + kTwoShiftOffsets[k], 21, 2);
            return result;
        default:
            // Four-crew types read ShiftOfFourCrewType; invalid types have no crews.
            return result;
    }
    if (overlay != nullptr) ApplyVacationOverlay(*overlay, d, table);
    return result;
}

ShiftCode ShiftOfFourCrewType(int type, int crew, DayNumber d) {
    if (!IsFourCrewType(type) || crew < 0 || crew >= 4) return kShiftOff;
    const int offset = kFourCrewOffsets[type - 6][crew];
    return Cell(GetShiftPatternTable(), static_cast<std::int64_t>(d) + offset, 28, type);
}

}  // namespace sk
