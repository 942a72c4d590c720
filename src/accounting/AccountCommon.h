#pragma once
// What the vacation and hours accounts share: the mark codes they count,
// the hours of one shift and the holiday test of the counts.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "calendar/Date.h"
#include "calendar/Regions.h"
#include "base/RecordBytes.h"
#include "base/TrimBlanks.h"
#include "shift/OwnShiftPlan.h"

namespace sk {

struct VacationBlock;

// Shift-mark codes of the five-crew and two-shift plans that the accounts read.
inline constexpr int kMarkExtraWork = 0;  // "Arbeitseinsatz (X)"
inline constexpr int kMarkTimeOff = 1;    // "Freizeit"
inline constexpr int kMarkVacation = 2;   // "Urlaub"
inline constexpr int kMarkTraining = 3;   // "Lehrgang"

// The four-crew plans keep no accounts; the own plan does.
inline bool HasAccounts(int calendarType) {
    return (calendarType >= 0 && calendarType < 6) || calendarType == kOwnPlanCalendarType;
}

// Hours of one shift on day d: 8, or 12 on a Sunday.
inline int ShiftHoursOn(DayNumber d) { return WeekdayIndex(d) == 0 ? 12 : 8; }

// Holiday test of the vacation and hours counts. `level` is the crew column
// of the mark (1 standby, 2 early, 3 late, 4 night), or 1 where no column
// applies. The days off of the state count for every column (in Bayern:
// New Year, Epiphany, 1 May, Assumption, German Unity, Christmas and the
// Easter feasts; All Saints' Day is not a holiday here); the mills' own
// eves stay the same everywhere: 24 and 31 December and Holy Saturday from
// the late shift on, 30 April and Whit Saturday for the night shift only.
bool IsCountedHoliday(DayNumber d, int level, Region region = kDefaultRegion);

// The plan the accounts count with: a built-in type with the vacation block
// of the current year, or the own plan (type 8, `ownPlan` set).
struct AccountPlan {
    int calendarType = 0;
    const VacationBlock* block = nullptr;
    const OwnShiftPlan* ownPlan = nullptr;
    Region region = kDefaultRegion;  // whose days off are holidays
    bool IsOwnPlan() const { return calendarType == kOwnPlanCalendarType; }
};

// Whether the home crew works a shift on day d (codes 1-3; in the own plan
// any shift). The own plan type without a plan has no working days.
bool HomeCrewWorksOn(const AccountPlan& plan, int homeCrew, DayNumber d);
// Minutes one shift counts on day d: 8 hours, 12 on a Sunday, in the
// built-in plans; in the own plan the paid time of the shift the home crew
// works, or for a day off the paid time of the shift of `markColumn` (1-4).
int ShiftMinutesOn(const AccountPlan& plan, int homeCrew, DayNumber d, int markColumn);
// The holiday test of the counts for the plan: IsCountedHoliday for the
// built-in plans, the own plan's chosen rule for it.
bool IsCountedHolidayIn(const AccountPlan& plan, DayNumber d, int level);

// The record files: fixed-size records, numbers of four bytes with the
// lowest first (read and written with base/RecordBytes.h, like the mark
// files); the last whole record counts. A file beyond this size is not ours.
inline constexpr std::size_t kMaxAccountFileBytes = 1u << 20;

// The last whole record of an account file whose first field, a day, lies
// in the calendar: a damaged record leaves the one before it in force.
// Nothing when no record does.
inline std::optional<std::string_view> LastRecordOfCalendarDay(std::string_view bytes, std::size_t recordSize) {
    for (std::size_t n = bytes.size() / recordSize; n > 0; --n) {
        const std::string_view record = bytes.substr((n - 1) * recordSize, recordSize);
        if (IsCalendarDay(static_cast<DayNumber>(RecordReader(record).U32(0)))) return record;
    }
    return std::nullopt;
}

}  // namespace sk
