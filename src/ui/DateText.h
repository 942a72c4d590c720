#pragma once
// The text of a date field: "DD.MM.YYYY" or "DD.MM.", parsing, stepping the
// part under the cursor and keeping the date real and inside its range.

#include <optional>
#include <string>
#include <string_view>

#include "calendar/Date.h"

namespace sk {

struct DateFieldRange {
    DayNumber first = kFirstDay;
    DayNumber last = kLastDay;
};

std::string FormatDateField(const CivilDate& date, bool withYear);

// Reads "D.M.YYYY" / "DD.MM.YYYY" (or "D.M." without the year, which then
// comes from `date.year` of the fallback). A day past the month's end is
// pulled back to its last day; anything unreadable gives nothing.
std::optional<CivilDate> ParseDateField(std::string_view text, bool withYear, int yearOfShortForm);

// The date inside the range: earlier dates become the first, later the last.
CivilDate ClampDate(const CivilDate& date, const DateFieldRange& range);

// Part of the text at a cursor position: 0 day, 1 month, 2 year.
int DatePartAt(int cursorPosition);

// Steps one part by delta; day and month wrap inside their cycle, the
// result is a real date inside the range.
CivilDate StepDatePart(const CivilDate& date, int part, int delta, const DateFieldRange& range);

}  // namespace sk
