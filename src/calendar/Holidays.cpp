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

// The year whose rules hold on the context's day.
int RuleYearOf(const DayContext& ctx) { return std::clamp(ctx.year, kFirstHolidayRuleYear, kOpenEnd); }

// The first rule of the state that falls on the context's day, of the
// anchor when one is given.
const HolidayRule* FindRule(const DayContext& ctx, Region region, std::optional<HolidayAnchor> only) {
    const std::int64_t code = MonthDayCodeOf(ctx);
    const std::optional<int> easter = DaysAfterEaster(ctx);
    std::optional<std::optional<int>> advent;  // computed when a rule needs it
    const int year = RuleYearOf(ctx);
    for (const HolidayRule& rule : HolidayRulesOf(region)) {
        if (only && rule.anchor != *only) continue;
        if (year < rule.firstYear || year > rule.lastYear) continue;
        bool hit = false;
        switch (rule.anchor) {
            case HolidayAnchor::kFixed: hit = rule.day == code; break;
            case HolidayAnchor::kEaster: hit = easter && *easter == rule.day; break;
            case HolidayAnchor::kAdvent:
                if (!advent) advent = DaysAfterFirstAdvent(ctx);
                hit = *advent && **advent == rule.day;
                break;
        }
        if (hit) return &rule;
    }
    return nullptr;
}

std::string_view NameOf(const HolidayRule* rule) { return rule ? std::string_view(rule->name) : std::string_view{}; }

}  // namespace

std::string_view PublicHolidayName(const DayContext& ctx, Region region, HolidayAnchor anchor) {
    return NameOf(FindRule(ctx, region, anchor));
}

std::string_view PublicHolidayName(const DayContext& ctx, Region region) {
    return NameOf(FindRule(ctx, region, std::nullopt));
}

bool IsPublicHoliday(const DayContext& ctx, Region region) { return FindRule(ctx, region, std::nullopt) != nullptr; }

bool IsCountedPublicHoliday(const DayContext& ctx, Region region) {
    // A day with two rules (Ascension on 1 May) counts when either does.
    const HolidayRule* fixed = FindRule(ctx, region, HolidayAnchor::kFixed);
    const HolidayRule* easter = FindRule(ctx, region, HolidayAnchor::kEaster);
    const HolidayRule* advent = FindRule(ctx, region, HolidayAnchor::kAdvent);
    return (fixed && fixed->counted) || (easter && easter->counted) || (advent && advent->counted);
}

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

std::string_view FixedHolidayName(const DayContext& ctx) {
    return PublicHolidayName(ctx, Region::kBY, HolidayAnchor::kFixed);
}

std::string_view EasterHolidayName(const DayContext& ctx) {
    return PublicHolidayName(ctx, Region::kBY, HolidayAnchor::kEaster);
}

std::string_view EasterNamedDayName(const DayContext& ctx) {
    return FindRelative(kEasterNamedDays, DaysAfterEaster(ctx));
}

std::string_view AdventNamedDayName(const DayContext& ctx) {
    return FindRelative(kAdventNamedDays, DaysAfterFirstAdvent(ctx));
}

bool IsPublicHoliday(const DayContext& ctx) { return IsPublicHoliday(ctx, Region::kBY); }

std::string DayName(const DayContext& ctx, Region region) {
    const std::optional<int> easter = DaysAfterEaster(ctx);
    const std::int64_t code = MonthDayCodeOf(ctx);
    std::string_view name = FindRelative(kEasterNamedDays, easter);
    if (name.empty()) name = PublicHolidayName(ctx, region, HolidayAnchor::kEaster);
    if (name.empty()) name = FindFixed(kFixedNamedDays, code);
    if (name.empty()) name = PublicHolidayName(ctx, region, HolidayAnchor::kFixed);
    if (name.empty()) name = PublicHolidayName(ctx, region, HolidayAnchor::kAdvent);
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

HolidayList BuildHolidayList(int year, Region region) {
    HolidayList list;
    list.yearHeading = std::to_string(year);
    const int ruleYear = std::max(year, kFirstHolidayRuleYear);
    const auto inForce = [&](const HolidayRule& rule) {
        return ruleYear >= rule.firstYear && ruleYear <= rule.lastYear;
    };
    // Fixed days by their date; a day counted from Advent (November) by its date in the year.
    struct Dated {
        int monthDayCode;
        const char* name;
    };
    std::vector<Dated> fixed;
    for (const HolidayRule& rule : HolidayRulesOf(region)) {
        if (!inForce(rule)) continue;
        if (rule.anchor == HolidayAnchor::kFixed) fixed.push_back({rule.day, rule.name});
        if (rule.anchor == HolidayAnchor::kAdvent && HasFeasts(year)) {
            const CivilDate c = CivilOf(FirstAdventSunday(year) + rule.day);
            fixed.push_back({c.month * 100 + c.day, rule.name});
        }
    }
    std::stable_sort(fixed.begin(), fixed.end(), [](const Dated& a, const Dated& b) { return a.monthDayCode < b.monthDayCode; });
    for (const Dated& row : fixed)
        list.rows.push_back({ShortDateText(row.monthDayCode % 100, row.monthDayCode / 100 - 1), row.name});
    if (!HasFeasts(year)) return list;

    const std::int64_t easter = EasterDayNumber(year);
    const auto addRelative = [&](int offset, const char* name) {
        const CivilDate c = CivilOf(static_cast<DayNumber>(easter + offset));
        list.rows.push_back({ShortDateText(c.day, c.month - 1), name});
    };
    list.rows.push_back({});
    for (const RelativeDay& row : kEasterNamedDays) addRelative(row.offset, row.name);
    list.rows.push_back({});
    for (const HolidayRule& rule : HolidayRulesOf(region))
        if (rule.anchor == HolidayAnchor::kEaster && inForce(rule)) addRelative(rule.day, rule.name);
    return list;
}

}  // namespace sk
