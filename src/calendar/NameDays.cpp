// Kept apart from the holiday rules: it is the only user of the long
// name-day table, so programs that never show name days do not carry it.
#include "calendar/Holidays.h"
#include "calendar/NameDayTexts.h"

namespace sk {

namespace {
// First index of each month in a leap year; a common year skips index 59
// (29 February), so 1 March is index 60 in every year.
constexpr int kLeapMonthStart[12] = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};
}  // namespace

std::string_view NameDays(const DayContext& ctx) {
    // Indexed by month and day rather than by distance from the start of the
    // year: a day past the clamped last year still finds its own text, and a
    // context naming no real day reads nothing.
    if (ctx.month < 0 || ctx.month > 11 || ctx.day < 1) return {};
    const int length = ctx.month == 1 ? 29 : kMonthLengths[ctx.month];
    if (ctx.day > length) return {};
    const char* text = kNameDayTexts[kLeapMonthStart[ctx.month] + ctx.day - 1];
    return text ? std::string_view(text) : std::string_view();
}

}  // namespace sk
