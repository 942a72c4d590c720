#include "calendar/Holidays.h"

#include <algorithm>
#include <array>
#include <optional>

namespace sk {

namespace {

std::int64_t FloorMod(std::int64_t a, std::int64_t b) { return a - FloorDiv(a, b) * b; }

bool HasFeasts(int year) { return year >= kFirstFeastYear && year <= kLastFeastYear; }

// Month-day code of the context, computed wide so that a hand-made context
// with a wild month cannot overflow.
std::int64_t MonthDayCodeOf(const DayContext& ctx) {
    return (static_cast<std::int64_t>(ctx.month) + 1) * 100 + ctx.day;
}

// Days between the context's day and `reference`, or nothing when the
// distance is beyond every table offset (only signed 8-bit offsets exist).
std::optional<int> OffsetFrom(const DayContext& ctx, std::int64_t reference) {
    const std::int64_t diff = static_cast<std::int64_t>(ctx.dayNumber) - reference;
    if (diff < -128 || diff > 127) return std::nullopt;
    return static_cast<int>(diff);
}

std::int64_t ComputedEasterDayNumber(int year) {
    return static_cast<std::int64_t>(FirstDayOfYear(year)) + EasterDayOfYear(year);
}

// Every painted day asks for its year's Easter, twice: the calendar's years
// are looked up, not computed.
std::int64_t EasterDayNumber(int year) {
    static const auto kCalendarEasters = [] {
        std::array<std::int64_t, kLastYear - kFirstYear + 1> table{};
        for (int y = kFirstYear; y <= kLastYear; ++y)
            table[static_cast<std::size_t>(y - kFirstYear)] = ComputedEasterDayNumber(y);
        return table;
    }();
    if (year >= kFirstYear && year <= kLastYear)
        return kCalendarEasters[static_cast<std::size_t>(year - kFirstYear)];
    return ComputedEasterDayNumber(year);
}

// Days after Easter Sunday of the context's year. The year is the context's
// (clamped) year, not the year of `dayNumber`: a day beyond the calendar's
// last year lies far from that Easter and matches no offset.
std::optional<int> DaysAfterEaster(const DayContext& ctx) {
    if (!HasFeasts(ctx.year)) return std::nullopt;
    return OffsetFrom(ctx, EasterDayNumber(ctx.year));
}

std::optional<int> DaysAfterFirstAdvent(const DayContext& ctx) {
    if (!HasFeasts(ctx.year)) return std::nullopt;
    return OffsetFrom(ctx, FirstAdventSunday(ctx.year));
}

template <std::size_t N>
std::string_view FindFixed(const std::array<FixedDay, N>& table, std::int64_t code) {
    for (const FixedDay& row : table) {
        if (row.monthDayCode == code) return row.name;
    }
    return {};
}

template <std::size_t N>
std::string_view FindRelative(const std::array<RelativeDay, N>& table, std::optional<int> offset) {
    if (!offset) return {};
    for (const RelativeDay& row : table) {
        if (row.offset == *offset) return row.name;
    }
    return {};
}

}  // namespace

int EasterDayOfYear(int year) {
    // Floor division throughout, so that any year gives a date in March or April.
    const std::int64_t x = year;
    const std::int64_t k = FloorDiv(x, 100);
    const std::int64_t m = 15 + FloorDiv(3 * k + 3, 4) - FloorDiv(8 * k + 13, 25);
    const std::int64_t s = 2 - FloorDiv(3 * k + 3, 4);
    const std::int64_t a = FloorMod(x, 19);
    const std::int64_t d = FloorMod(19 * a + m, 30);
    const std::int64_t r = d / 29 + (d / 28 - d / 29) * (a / 11);
    const std::int64_t og = 21 + d - r;  // Easter full moon as a day of March
    const std::int64_t sz = 7 - FloorMod(x + FloorDiv(x, 4) + s, 7);
    const std::int64_t oe = 7 - FloorMod(og - sz, 7);
    const int februaryLength = IsLeapYear(year) ? 29 : 28;
    return static_cast<int>(30 + februaryLength + og + oe);
}

DayNumber FirstAdventSunday(int year) {
    const int y = std::clamp(year, kFirstFeastYear, kLastFeastYear);
    const DayNumber december3 = DayNumberOf(y, 12, 3);
    return december3 - WeekdayIndex(december3);
}

std::string_view FixedHolidayName(const DayContext& ctx) { return FindFixed(kFixedHolidays, MonthDayCodeOf(ctx)); }

std::string_view EasterHolidayName(const DayContext& ctx) {
    return FindRelative(kEasterHolidays, DaysAfterEaster(ctx));
}

std::string_view EasterNamedDayName(const DayContext& ctx) {
    return FindRelative(kEasterNamedDays, DaysAfterEaster(ctx));
}

std::string_view AdventNamedDayName(const DayContext& ctx) {
    return FindRelative(kAdventNamedDays, DaysAfterFirstAdvent(ctx));
}

bool IsPublicHoliday(const DayContext& ctx) {
    return !FixedHolidayName(ctx).empty() || !EasterHolidayName(ctx).empty();
}

std::string DayName(const DayContext& ctx) {
    const std::optional<int> easter = DaysAfterEaster(ctx);
    const std::int64_t code = MonthDayCodeOf(ctx);
    std::string_view name = FindRelative(kEasterNamedDays, easter);
    if (name.empty()) name = FindRelative(kEasterHolidays, easter);
    if (name.empty()) name = FindFixed(kFixedNamedDays, code);
    if (name.empty()) name = FindFixed(kFixedHolidays, code);
    if (name.empty()) name = AdventNamedDayName(ctx);
    return std::string(name);
}

bool IsHighHoliday(const DayContext& ctx, int level) { return IsHighHolidayAtLevel(HighHolidayLevel(ctx), level); }

int HighHolidayLevel(const DayContext& ctx) {
    const std::int64_t code = MonthDayCodeOf(ctx);
    const std::optional<int> easter = DaysAfterEaster(ctx);
    const auto easterIs = [&](int offset) { return easter && *easter == offset; };

    if (code == 101 || code == 501 || code == 1225 || code == 1226 || easterIs(0) || easterIs(1) ||
        easterIs(49) || easterIs(50)) {
        return 1;
    }
    if (code == 1224 || code == 1231 || easterIs(-1)) return 2;
    if (code == 430 || easterIs(48)) return 3;
    return 0;
}

HolidayList BuildHolidayList(int year) {
    HolidayList list;
    list.yearHeading = std::to_string(year);
    for (const FixedDay& row : kFixedHolidays) {
        list.rows.push_back({ShortDateText(row.monthDayCode % 100, row.monthDayCode / 100 - 1), row.name});
    }
    if (!HasFeasts(year)) return list;

    const std::int64_t easter = EasterDayNumber(year);
    const auto addRelative = [&](const RelativeDay& row) {
        const CivilDate c = CivilOf(static_cast<DayNumber>(easter + row.offset));
        list.rows.push_back({ShortDateText(c.day, c.month - 1), row.name});
    };
    list.rows.push_back({});
    for (const RelativeDay& row : kEasterNamedDays) addRelative(row);
    list.rows.push_back({});
    for (const RelativeDay& row : kEasterHolidays) addRelative(row);
    return list;
}

}  // namespace sk
