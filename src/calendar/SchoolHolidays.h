#pragma once
// Bavarian school holidays: a constant table of date ranges for the calendar
// years 2011 to 2024, the per-day test and the rows of the list window.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/Date.h"

namespace sk {

// 98 pairs (first day, last day), both inclusive, as DateCode values
// (yyyymmdd). Blocks of 7 pairs per calendar year: winter break, Easter,
// Whitsun, summer, autumn, Buß- und Bettag (one day), Christmas. A pair of
// zeros has no dates.
inline constexpr int kSchoolHolidayPairsPerYear = 7;
inline constexpr int kSchoolHolidayYears = 14;
inline constexpr int kSchoolHolidayEntries = kSchoolHolidayYears * kSchoolHolidayPairsPerYear * 2;
extern const std::array<std::int32_t, kSchoolHolidayEntries> SchoolHolidayTable;

// True when the context's day lies in any pair of the table.
bool IsSchoolHoliday(const DayContext& ctx);

// Text of one table entry: "7. März", or "?" for an empty entry (or an index
// outside the table).
std::string SchoolHolidayDateText(int index);

// The list window "Ferientermine".
inline constexpr const char* kSchoolHolidayWindowTitle = "Ferientermine";
inline constexpr const char* kSchoolHolidayHeading = "Bayerische Schulferien";

struct SchoolHolidayRow {
    std::string_view period;  // "Frühjahr", "Ostern", ...
    std::string dates;        // "7. März - 11. März"
};

// The six rows (the single day of Buß- und Bettag is not listed) of the
// first block of `year`, or nothing when the table has no block for it; the
// window then keeps what it shows.
std::optional<std::array<SchoolHolidayRow, 6>> SchoolHolidayRows(int year);

// Years the window's year field offers around the current year.
struct YearRange {
    int first;
    int last;
};
YearRange SchoolHolidayYearRange(int currentYear);

}  // namespace sk
