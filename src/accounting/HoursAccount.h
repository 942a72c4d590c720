#pragma once
// The minus and plus hours: a balance the user enters for a start day, plus
// extra work and training on days the home crew does not work, minus time
// off on working days, minus (when chosen) the vacation block. Kept in
// "Minusstunden.dat": 11-byte records, the last complete one with a day in
// 1970-2037 counts.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shift/VacationBlock.h"
#include "calendar/Date.h"
#include "marks/ShiftMarks.h"
#include "shift/OwnShiftPlan.h"

namespace sk {

inline constexpr const char* kHoursFileName = "Minusstunden.dat";
inline constexpr float kHoursLimit = 600.0f;

struct HoursRecord {
    DayNumber hoursCountStart = 0;  // "Stunden am:"
    float hoursAtStart = 0.0f;      // balance on that day, in the notation of hoursFormat
    int hoursFormat = 0;            // 0 "Std,dez", 1 "Std:Min"
    int homeCrew = 0;               // "Stammschicht", crew 0-4 (0-5 in the own plan)
    bool vacationBlockAsMinus = false;
    bool operator==(const HoursRecord&) const = default;
};

// Reads the last complete record with a day in 1970-2037 into `record`;
// false (record unchanged) when the bytes hold none. Values outside their meaning are brought back:
// a crew beyond the own plan's sixth becomes 0, a format other than 1 becomes 0, a balance
// that is not a number becomes 0 and one beyond ±600 is limited.
bool ParseHoursRecord(std::string_view bytes, HoursRecord& record);
std::string FormatHoursRecord(const HoursRecord& record);

// A missing or unreadable file leaves the record as it is.
void LoadHours(const std::string& folder, HoursRecord& record);
// Replaces the file atomically; false when it could not be written.
bool SaveHours(const std::string& folder, const HoursRecord& record);

// Everything the counts need besides the marks. `block` is the vacation
// block of the current year ("Urlaubsblock als Minusstunden" counts it). A
// mark is judged against the block of its own year, as the calendar paints
// that day: `blockOfYear` gives it; without it every day uses `block`. The
// own plan (type 8) counts with `ownPlan`; without one it counts nothing.
struct HoursCountInput {
    int calendarType = 0;
    HoursRecord hours;
    const VacationBlock* block = nullptr;
    std::function<VacationBlock(int year)> blockOfYear;
    const OwnShiftPlan* ownPlan = nullptr;
    Region region = kDefaultRegion;  // whose days off are holidays
};

// A shift's hours: 8, 12 on a Sunday, in the built-in plans; the paid hours
// of the shift in the own plan (for extra work on a day off: of the shift of
// the mark's column).

// Hours of "Freizeit" marks on or after the hours count start, on days the home crew works, that are not
// counted holidays for the mark's column.
double HoursOfTimeOff(const std::vector<ShiftMark>& marks, const HoursCountInput& in);
// Hours of the vacation-block days on which the home crew shows code 0 and
// that are no counted holidays; 0 unless vacationBlockAsMinus is set (and
// always 0 in the own plan, which has no vacation block).
double HoursOfVacationBlock(const HoursCountInput& in);
// Extra work and training on or after the hours count start on days the
// home crew does not work.
double HoursOfExtraWork(const std::vector<ShiftMark>& marks, const HoursCountInput& in);
// hoursAtStart + extra work - time off - vacation block, in single precision.
float HoursBalance(const std::vector<ShiftMark>& marks, const HoursCountInput& in);

// The status field: two decimals, padded to 7 characters, "," or ":" by the
// format ("  15:30"); empty for the four-crew plans.
std::string HoursBalanceText(float value, int hoursFormat);
// Packed RGB (red + green*256 + blue*65536): dark red below -40, dark green
// above 40, black otherwise.
std::int32_t HoursBalanceColour(float value);

// The hours field of the window "Stunden eingeben".
// Its text for a stored balance: empty for 0, else two decimals with "," or ":".
std::string HoursFieldText(float value, int hoursFormat);
// "Std:Min" chosen: the decimal hours of the field as hours and minutes
// ("7,5" gives "7:30"). An empty or unreadable field stays as it is.
std::string ConvertToMinutesNotation(std::string_view field);
// "Std,dez" chosen: hours and minutes as decimal hours ("7:30" gives "7,50").
std::string ConvertToDecimalNotation(std::string_view field);
// "Speichern": the field read as a number with its separator as the point
// (7:30 is stored as 7.30), limited to ±600; unreadable text gives 0.
float ParseBalanceField(std::string_view field);

}  // namespace sk
