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
// The leftmost month column never starts later than July 2037.
inline constexpr DayNumber kLastFirstMonthDay = 24683;  // 2037-07-31

// Texts shown to the user.
extern const char* const kWeekdayNames[7];  // Sunday based
extern const char* const kMonthNames[12];

// Month lengths of a common year; February is adjusted per year.
inline constexpr std::uint8_t kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

DateValue MakeDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
int DayOf(DateValue t);    // 1-31
int MonthOf(DateValue t);  // 1-12
int YearOf(DateValue t);

// Year, month 1-12 and day of a day number (no clamp).
struct CivilDate {
    int year;
    int month;
    int day;
};
CivilDate CivilOf(DayNumber d);

// a / b rounded toward minus infinity (b != 0), for days and years before an epoch.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b);

DayNumber DayNumberOfValue(DateValue t);  // floor(t / 86400)
DayNumber DayNumberOf(int year, int month, int day);
DayNumber FirstDayOfYear(int year);
bool IsLeapYear(int year);
int MonthLength(int year, int monthIndex);  // monthIndex 0-11

// Weekday index, 0 = Sunday ... 6 = Saturday.
int WeekdayIndex(DayNumber d);
// Weekday index, 0 = Monday ... 6 = Sunday.
int MondayWeekdayIndex(DayNumber d);

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

}  // namespace sk
