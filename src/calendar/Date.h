#pragma once
// The one date type of the program, whole-day numbers derived from it, the
// day context the calendar walks with, week numbers, date codes and texts.
// The calendar covers 1970-2037; everything here is integer arithmetic.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sk {

using DateValue = std::int64_t;  // seconds since 1970-01-01 00:00:00 UTC
using DayNumber = std::int32_t;  // whole days since 1970-01-01

inline constexpr int kFirstYear = 1970;
inline constexpr int kLastYear = 2037;
inline constexpr DayNumber kFirstDay = 0;       // 1970-01-01
inline constexpr DayNumber kLastDay = 24836;    // 2037-12-31
// Whether d lies in the calendar's range. A day read from a file must: the
// weekday and date arithmetic is only meant for days near it.
constexpr bool IsCalendarDay(DayNumber d) { return d >= kFirstDay && d <= kLastDay; }
// The leftmost month column never starts later than July 2037.
inline constexpr DayNumber kLastFirstMonthDay = 24683;  // 2037-07-31

// Texts shown to the user.
extern const char* const kWeekdayNames[7];  // Sunday based
extern const char* const kMonthNames[12];

// Month lengths of a common year; February is adjusted per year.
inline constexpr std::uint8_t kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Year, month 1-12 and day of a day number (no clamp).
struct CivilDate {
    int year;
    int month;
    int day;
};

// a / b rounded toward minus infinity (b != 0), for days and years before an epoch.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

// Days from 1970-01-01 of a proleptic Gregorian date, after H. Hinnant's
// days_from_civil. Exact for every year that fits an int; month 1-12, day 1-31
// (a day past the month's end simply counts on into the next month).
constexpr std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;                                   // [0, 399]
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // [0, 365], March based
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;           // [0, 146096]
    return era * 146097 + doe - 719468;
}

// The inverse, after Hinnant's civil_from_days; exact for |z| < 2^40.
constexpr CivilDate CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;                                     // [0, 146096]
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const std::int64_t y = yoe + era * 400;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);              // [0, 365]
    const std::int64_t mp = (5 * doy + 2) / 153;                                   // [0, 11], March based
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(y + (m <= 2)), m, d};
}

inline constexpr std::int64_t kSecondsPerDay = 86400;

constexpr DateValue MakeDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return DaysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
}
int DayOf(DateValue t);    // 1-31
int MonthOf(DateValue t);  // 1-12
int YearOf(DateValue t);

constexpr CivilDate CivilOf(DayNumber d) { return CivilFromDays(d); }

// Day numbers fit DayNumber for every date the program can meet (years up to
// about 5.8 million); callers keep to 1970-2037 plus a margin.
constexpr DayNumber DayNumberOfValue(DateValue t) { return static_cast<DayNumber>(FloorDiv(t, kSecondsPerDay)); }
constexpr DayNumber DayNumberOf(int year, int month, int day) {
    return static_cast<DayNumber>(DaysFromCivil(year, month, day));
}
constexpr DayNumber FirstDayOfYear(int year) { return DayNumberOf(year, 1, 1); }
constexpr bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }
constexpr int MonthLength(int year, int monthIndex) {  // monthIndex 0-11
    if (monthIndex == 1) return IsLeapYear(year) ? 29 : 28;
    return kMonthLengths[monthIndex];
}

// Weekday index, 0 = Sunday ... 6 = Saturday (day 0, 1970-01-01, was a Thursday).
constexpr int WeekdayIndex(DayNumber d) {
    const int r = (static_cast<int>(d) + 4) % 7;
    return r < 0 ? r + 7 : r;
}
// Weekday index, 0 = Monday ... 6 = Sunday.
constexpr int MondayWeekdayIndex(DayNumber d) {
    const int r = (static_cast<int>(d) + 3) % 7;
    return r < 0 ? r + 7 : r;
}

// Known days pin the arithmetic at compile time.
static_assert(DayNumberOf(1970, 1, 1) == kFirstDay);
static_assert(DayNumberOf(2037, 12, 31) == kLastDay);
static_assert(DayNumberOf(2000, 3, 1) == 11017);   // after the 400-year leap day
static_assert(DayNumberOf(1969, 12, 31) == -1);
static_assert(CivilFromDays(11016).month == 2 && CivilFromDays(11016).day == 29);
static_assert(CivilFromDays(-719468).year == 0 && CivilFromDays(-719468).month == 3);
static_assert(DayNumberOfValue(-1) == -1 && DayNumberOfValue(86399) == 0);
static_assert(WeekdayIndex(kFirstDay) == 4 && WeekdayIndex(-1) == 3);  // Thursday, Wednesday
static_assert(!IsLeapYear(1900) && IsLeapYear(2000) && IsLeapYear(2024) && !IsLeapYear(2037));

// The day every per-day test reads. A small value: the walker makes one per
// painted day. `year` is clamped to 1970-2037 (day and month are not), so a
// day of 2038 reads the tables of 2037.
struct DayContext {
    DayNumber dayNumber = 0;
    int day = 1;         // 1-31
    int month = 0;       // 0-11
    int year = 1970;     // 1970-2037
    int februaryLength = 28;

    int MonthLengthOf(int monthIndex) const {
        return monthIndex == 1 ? februaryLength : kMonthLengths[monthIndex];
    }
    int CurrentMonthLength() const { return MonthLengthOf(month); }
};

void SetDayContext(DayContext& ctx, DayNumber d);
DayContext MakeDayContext(DayNumber d);
// Moves the context to day 1 of its month.
void SetDayContextToMonthStart(DayContext& ctx);

// ISO 8601 week number (1-53) of the context's day.
int WeekNumber(const DayContext& ctx);

// Codes.
using DateCodeT = std::int32_t;
std::int32_t DateCode(const DayContext& ctx);          // yyyy*10000 + (m+1)*100 + d
std::int32_t NoteDateCode(const DayContext& ctx);      // yyyy*10000 + m*100 + d
std::int32_t NoteDateCodeOf(DayNumber d);              // same, without the year clamp
int MonthDayCode(const DayContext& ctx);               // (m+1)*100 + d
int NoteMonthDayCode(const DayContext& ctx);           // m*100 + d
inline constexpr std::int32_t kFirstNoteDateCode = 19700001;
inline constexpr std::int32_t kLastNoteDateCode = 20381131;
bool IsValidNoteDateCode(std::int32_t code);
// Day number of a NoteDateCode that names a real date, or nothing.
std::optional<DayNumber> DayNumberOfNoteDateCode(std::int32_t code);

// Texts.
// Patterns "%dd.%mm.%yyyy" and "%dd.%mm."; any other pattern text is copied.
std::string FormatDate(std::string_view pattern, DateValue t);
// "Montag, 7. März 2011"
std::string LongDateText(const DayContext& ctx);
// "6. Januar"
std::string ShortDateText(int day, int monthIndex);
// "2026-12-07", as files and the command line write dates.
std::string IsoDateText(DayNumber d);

// The plan's outlook from a day: its month and the months after it, `months`
// in all, kept inside the calendar's years. The calendar file, the calendar
// sync and the command line preset this range.
inline constexpr int kPlanOutlookMonths = 12;
struct DayRange {
    DayNumber first = 0;
    DayNumber last = 0;
};
DayRange WholeMonthsFrom(DayNumber day, int months = kPlanOutlookMonths);

}  // namespace sk
