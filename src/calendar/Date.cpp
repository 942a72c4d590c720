#include "calendar/Date.h"

#include <cstdio>

namespace sk {

const char* const kWeekdayNames[7] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                      "Donnerstag", "Freitag", "Samstag"};
const char* const kMonthNames[12] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                     "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

namespace {

std::string TwoDigits(int v) {
    std::string s = std::to_string(v);
    return s.size() < 2 ? "0" + s : s;
}

}  // namespace

int DayOf(DateValue t) { return CivilFromDays(FloorDiv(t, kSecondsPerDay)).day; }
int MonthOf(DateValue t) { return CivilFromDays(FloorDiv(t, kSecondsPerDay)).month; }
int YearOf(DateValue t) { return CivilFromDays(FloorDiv(t, kSecondsPerDay)).year; }

void SetDayContext(DayContext& ctx, DayNumber d) {
    ctx.dayNumber = d;
    const CivilDate c = CivilFromDays(d);
    ctx.day = c.day;
    ctx.month = c.month - 1;
    ctx.year = c.year > kLastYear ? kLastYear : (c.year < kFirstYear ? kFirstYear : c.year);
    ctx.februaryLength = IsLeapYear(ctx.year) ? 29 : 28;
}

DayContext MakeDayContext(DayNumber d) {
    DayContext ctx;
    SetDayContext(ctx, d);
    return ctx;
}

void SetDayContextToMonthStart(DayContext& ctx) {
    ctx.day = 1;
    ctx.dayNumber = DayNumberOf(ctx.year, ctx.month + 1, 1);
    ctx.februaryLength = IsLeapYear(ctx.year) ? 29 : 28;
}

namespace {
// Floor division by 7 of a possibly negative difference.
int FloorDiv7(int v) { return static_cast<int>(FloorDiv(v, 7)); }

int RawWeek(int year, DayNumber d) {
    const DayNumber j = FirstDayOfYear(year);
    const int c = MondayWeekdayIndex(j);
    const int w = FloorDiv7(d - j + c);
    return c <= 3 ? w + 1 : w;
}
}  // namespace

int WeekNumber(const DayContext& ctx) {
    const int w = RawWeek(ctx.year, ctx.dayNumber);
    if (w == 0) return RawWeek(ctx.year - 1, FirstDayOfYear(ctx.year) - 1);
    if (w == 53) {
        const int c = MondayWeekdayIndex(FirstDayOfYear(ctx.year + 1));
        return c <= 3 ? 1 : 53;
    }
    return w;
}

std::int32_t DateCode(const DayContext& ctx) { return ctx.year * 10000 + (ctx.month + 1) * 100 + ctx.day; }
std::int32_t NoteDateCode(const DayContext& ctx) { return ctx.year * 10000 + ctx.month * 100 + ctx.day; }
std::int32_t NoteDateCodeOf(DayNumber d) {
    const CivilDate c = CivilFromDays(d);
    return c.year * 10000 + (c.month - 1) * 100 + c.day;
}
int MonthDayCode(const DayContext& ctx) { return (ctx.month + 1) * 100 + ctx.day; }
int NoteMonthDayCode(const DayContext& ctx) { return ctx.month * 100 + ctx.day; }

bool IsValidNoteDateCode(std::int32_t code) { return code >= kFirstNoteDateCode && code <= kLastNoteDateCode; }

std::optional<DayNumber> DayNumberOfNoteDateCode(std::int32_t code) {
    if (!IsValidNoteDateCode(code)) return std::nullopt;
    const int year = code / 10000;
    const int monthIndex = (code / 100) % 100;
    const int day = code % 100;
    if (monthIndex > 11 || day < 1 || day > MonthLength(year, monthIndex)) return std::nullopt;
    return DayNumberOf(year, monthIndex + 1, day);
}

std::string FormatDate(std::string_view pattern, DateValue t) {
    const CivilDate c = CivilFromDays(FloorDiv(t, kSecondsPerDay));
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const std::string_view rest = pattern.substr(i);
        if (rest.starts_with("%dd")) {
            out += TwoDigits(c.day);
            i += 3;
        } else if (rest.starts_with("%mm")) {
            out += TwoDigits(c.month);
            i += 3;
        } else if (rest.starts_with("%yyyy")) {
            out += std::to_string(c.year);
            i += 5;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

std::string LongDateText(const DayContext& ctx) {
    return std::string(kWeekdayNames[WeekdayIndex(ctx.dayNumber)]) + ", " + std::to_string(ctx.day) + ". " +
           kMonthNames[ctx.month] + " " + std::to_string(ctx.year);
}

std::string ShortDateText(int day, int monthIndex) {
    return std::to_string(day) + ". " + kMonthNames[monthIndex];
}

std::string IsoDateText(DayNumber d) {
    const CivilDate c = CivilOf(d);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", c.year, c.month, c.day);
    return buf;
}

DayRange WholeMonthsFrom(DayNumber day, int months) {
    const CivilDate c = CivilOf(std::clamp(day, kFirstDay, kLastDay));
    const int lastMonth = c.year * 12 + c.month - 1 + months - 1;
    const int year = lastMonth / 12;
    const int month = lastMonth % 12 + 1;
    return DayRange{DayNumberOf(c.year, c.month, 1), std::min(DayNumberOf(year, month, MonthLength(year, month - 1)), kLastDay)};
}

}  // namespace sk
