#pragma once
// The eight built-in shift plans, their crews and colours, the shift codes and
// the constant shift-pattern table every day's shifts are read from.

#include <array>
#include <cstdint>

namespace sk {

// Shift of one crew on one day.
using ShiftCode = std::int32_t;
inline constexpr ShiftCode kShiftStandby = 0;   // standby week; off in the two-shift plan; vacation day
inline constexpr ShiftCode kShiftEarly = 1;     // "Früh", 6.00-14.00
inline constexpr ShiftCode kShiftLate = 2;      // "Spät", 14.00-22.00
inline constexpr ShiftCode kShiftNight = 3;     // "Nacht", 22.00-6.00
inline constexpr ShiftCode kShiftOff = 4;       // "frei"
inline constexpr ShiftCode kShiftVacationOff = 5;  // vacation-block day that would have been off anyway

inline constexpr int kNumberOfCalendarTypes = 8;  // the built-in plans 0-7
// The user's own plan (shift/OwnShiftPlan.h) is chosen as type 8.
inline constexpr int kOwnPlanCalendarType = 8;
// Type 5 is not painted as month columns: it shows the half-year plan page.
inline constexpr int kHalfYearViewType = 5;
inline constexpr bool IsHalfYearView(int type) { return type == kHalfYearViewType; }
inline constexpr int kMaxCrews = 5;
inline constexpr int kPatternRows = 35;
inline constexpr int kPatternColumns = 8;

struct CalendarTypeInfo {
    const char* label;        // chooser button text
    const char* description;  // chooser tooltip
    int crewCount;            // 5, 3 or 4
    int cycleDays;            // 35, 21 or 28
    int patternColumn;        // column of the pattern table outside the 2015 transition
};
extern const CalendarTypeInfo kCalendarTypes[kNumberOfCalendarTypes];

bool IsValidCalendarType(int type);
// Info of a type; an invalid type reads the entry of type 0 rather than outside the table.
const CalendarTypeInfo& CalendarTypeInfoOf(int type);
int CrewCountOf(int type);

// Crews 0-4 of the five-crew and two-shift plans are named by colour.
extern const char* const kCrewNames[kMaxCrews];        // "Rot" ... "Braun"
// Crews 0-3 (A-D) of the four-crew plans.
extern const char* const kFourCrewNames[4];            // "Schicht A" ... "Schicht D"
// Name of a crew in the given type ("Rot", "Schicht B", ...); empty for a crew the type lacks.
const char* CrewNameOf(int type, int crew);

// Colours as red + green*256 + blue*65536, written here as web colours:
// red, blue, yellow, green, brown.
inline constexpr std::int32_t CrewColourOfHex(std::uint32_t hex) {
    return static_cast<std::int32_t>(((hex >> 16) & 0xFF) | (hex & 0xFF00) | ((hex & 0xFF) << 16));
}
inline constexpr std::array<std::int32_t, kMaxCrews> kCrewColours = {
    CrewColourOfHex(0xFF0000), CrewColourOfHex(0x0000FF), CrewColourOfHex(0xFFFF00), CrewColourOfHex(0x00FF00),
    CrewColourOfHex(0xEBA70B)};
static_assert(kCrewColours[0] == 255 && kCrewColours[1] == 16711680 && kCrewColours[4] == 763883);

// The earliest day the yearly vacation block may start unless the user
// chose another: 25 April.
inline constexpr int kDefaultVacationStartMonth = 4;  // 1-12
inline constexpr int kDefaultVacationStartDay = 25;

// Five-crew types painted as coloured boxes: 0, 1, 3, 4 (the "UB" toggle is shown only for them).
bool IsFiveCrewColourType(int type);
inline bool ShowsVacationToggle(int type) { return IsFiveCrewColourType(type); }
// Types whose shifts get the vacation-block overlay: 0, 1, 3, 4, 5.
bool HasVacationBlock(int type);
bool IsFourCrewType(int type);  // 6, 7

// The main-window type keys N, M, B, V, C, X (either case). Returns the type the key
// selects given the current one; any other key leaves the type as it is.
int CalendarTypeForKey(char key, int currentType);

// The pattern table as it is held in the program: 280 bytes, column after column.
extern const std::array<std::int8_t, kPatternRows * kPatternColumns> kShiftPatternBytes;

// The same table row-major, as the computation reads it.
struct ShiftPatternTable {
    std::int8_t cells[kPatternRows][kPatternColumns];
    constexpr std::int8_t At(int row, int column) const { return cells[row][column]; }
};
const ShiftPatternTable& GetShiftPatternTable();

// Cell of the pattern table; rows and columns outside the table give kShiftOff.
ShiftCode ShiftPatternAt(int row, int column);

}  // namespace sk
