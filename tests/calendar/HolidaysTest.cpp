#include "calendar/Holidays.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

namespace sk {
namespace {

DayContext Ctx(int y, int m, int d) { return MakeDayContext(DayNumberOf(y, m, d)); }

// Easter by the Meeus/Jones/Butcher algorithm, an independent derivation.
CivilDate MeeusEaster(int year) {
    const int a = year % 19, b = year / 100, c = year % 100;
    const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return {year, month, day};
}

TEST(Holidays, EasterAgreesWithMeeusForEveryGregorianYear) {
    for (int y = kFirstFeastYear; y <= kLastFeastYear; ++y) {
        const CivilDate e = MeeusEaster(y);
        ASSERT_EQ(EasterDayOfYear(y), DayNumberOf(y, e.month, e.day) - FirstDayOfYear(y)) << y;
    }
    struct Case {
        int year, month, day;
    } known[] = {{1970, 3, 29}, {2000, 4, 23}, {2008, 3, 23}, {2011, 4, 24}, {2024, 3, 31}, {2037, 4, 5}};
    for (const auto& c : known) {
        EXPECT_EQ(EasterDayOfYear(c.year), DayNumberOf(c.year, c.month, c.day) - FirstDayOfYear(c.year)) << c.year;
    }
    EXPECT_EQ(EasterDayOfYear(2011), 113);
    EXPECT_EQ(EasterDayOfYear(2024), 90);
}

// Floor arithmetic keeps any year, even a negative one, in March or April.
TEST(Holidays, EasterOfAnyYearStaysBetween22MarchAnd25April) {
    for (int y : {INT_MIN, -400000, -1, 0, 1, 1582, 10000, INT_MAX}) {
        const int feb = IsLeapYear(y) ? 29 : 28;
        EXPECT_GE(EasterDayOfYear(y), 31 + feb + 21) << y;
        EXPECT_LE(EasterDayOfYear(y), 31 + feb + 31 + 24) << y;
    }
}

TEST(Holidays, NamesAndDaysOffOfSingleDays) {
    struct Case {
        int y, m, d;
        const char* name;
        bool dayOff;
    } cases[] = {
        {2008, 2, 4, "Rosenmontag", false},
        {2008, 3, 21, "Karfreitag", true},  // Easter on 23 March: offset -2 is 21 March
        {2008, 3, 22, "Karsamstag", false},
        {2008, 3, 23, "Ostersonntag", true},
        {2008, 3, 24, "Ostermontag", true},
        {2008, 5, 1, "Christi Himmelfahrt", true},  // movable feast hides "Maifeiertag"
        {2008, 5, 10, "Pfingstabend", false},
        {2008, 5, 11, "Pfingstsonntag", true},
        {2008, 5, 22, "Fronleichnam", true},
        {2000, 4, 30, "Weißer Sonntag", false},  // movable feast hides "Walpurgisnacht"
        {2011, 4, 30, "Walpurgisnacht", false},
        {2011, 1, 6, "Erscheinung des Herrn", true},
        {2011, 12, 26, "Märtyrer Stephanus", true},
        {2017, 11, 19, "Volkstrauertag", false},
        {2017, 11, 22, "Buß- und Bettag", false},
        {2017, 11, 26, "Christkönigsfest", false},
        {2017, 12, 3, "1. Advent", false},  // 3 December itself is a Sunday
        {2011, 12, 18, "4. Advent", false},
        {2017, 12, 24, "Heiliger Abend", false},  // also the fourth Sunday of Advent
        {2017, 12, 31, "Silvester", false},
        {2011, 5, 8, "", false},  // an ordinary Sunday is not a day off
        {2011, 3, 16, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.y * 10000 + c.m * 100 + c.d);
        const DayContext ctx = Ctx(c.y, c.m, c.d);
        EXPECT_EQ(DayName(ctx), c.name);
        EXPECT_EQ(IsPublicHoliday(ctx), c.dayOff);
    }
    // The hidden name is still there for the day-off test and its own lookup.
    EXPECT_EQ(FixedHolidayName(Ctx(2008, 5, 1)), "Maifeiertag");
    EXPECT_EQ(AdventNamedDayName(Ctx(2017, 12, 24)), "4. Advent");
}

// Every name occurs once a year and every feast falls on its weekday: an
// Easter or Advent Sunday one day off would break both.
TEST(Holidays, EveryYearHasEachFeastOnceOnItsWeekday) {
    std::map<std::string, int> weekdayOf;
    for (const auto& r : kEasterHolidays) weekdayOf[r.name] = (r.offset % 7 + 7) % 7;
    for (const auto& r : kEasterNamedDays) weekdayOf[r.name] = (r.offset % 7 + 7) % 7;
    for (const auto& r : kAdventNamedDays) weekdayOf[r.name] = (r.offset % 7 + 7) % 7;

    for (int year = kFirstYear; year <= kLastYear; ++year) {
        SCOPED_TRACE(year);
        std::map<std::string, int> seen;
        for (DayNumber d = FirstDayOfYear(year); d < FirstDayOfYear(year + 1); ++d) {
            const DayContext ctx = MakeDayContext(d);
            for (std::string_view n : {EasterHolidayName(ctx), EasterNamedDayName(ctx), AdventNamedDayName(ctx)}) {
                if (n.empty()) continue;
                ++seen[std::string(n)];
                EXPECT_EQ(WeekdayIndex(d), weekdayOf.at(std::string(n))) << n;
            }
        }
        EXPECT_EQ(seen.size(), weekdayOf.size());
        for (const auto& [name, count] : seen) EXPECT_EQ(count, 1) << name;
    }
}

TEST(Holidays, FirstAdventSundayFallsBetween27NovemberAnd3December) {
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const DayNumber first = FirstAdventSunday(year);
        EXPECT_EQ(WeekdayIndex(first), 0) << year;
        EXPECT_GE(first, DayNumberOf(year, 11, 27)) << year;
        EXPECT_LE(first, DayNumberOf(year, 12, 3)) << year;
        EXPECT_EQ(AdventNamedDayName(MakeDayContext(first)), "1. Advent") << year;
        EXPECT_EQ(AdventNamedDayName(MakeDayContext(first + 21)), "4. Advent") << year;
    }
}

TEST(Holidays, HighHolidayLevels) {
    struct Case {
        int y, m, d;
        bool early, late, night;  // levels 1, 2, 3
    } cases[] = {
        {2011, 1, 1, true, true, true},       {2011, 5, 1, true, true, true},
        {2011, 12, 25, true, true, true},     {2011, 12, 26, true, true, true},
        {2011, 4, 24, true, true, true},      {2011, 4, 25, true, true, true},    // Easter Sunday, Monday
        {2011, 6, 12, true, true, true},      {2011, 6, 13, true, true, true},    // Whit Sunday, Monday
        {2011, 12, 24, false, true, true},    {2011, 12, 31, false, true, true},
        {2011, 4, 23, false, true, true},                                         // Holy Saturday
        {2011, 4, 30, false, false, true},    {2011, 6, 11, false, false, true},  // Whit Saturday
        {2011, 4, 22, false, false, false},                                       // Good Friday is off but not high
        {2011, 1, 6, false, false, false},    {2011, 6, 23, false, false, false}, // Corpus Christi
        {2011, 3, 16, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.y * 10000 + c.m * 100 + c.d);
        const DayContext ctx = Ctx(c.y, c.m, c.d);
        EXPECT_EQ(IsHighHoliday(ctx, 1), c.early);
        EXPECT_EQ(IsHighHoliday(ctx, 2), c.late);
        EXPECT_EQ(IsHighHoliday(ctx, 3), c.night);
        EXPECT_FALSE(IsHighHoliday(ctx, 0));
        EXPECT_FALSE(IsHighHoliday(ctx, -1));
    }
}

TEST(Holidays, HolidayListOfAYear) {
    const HolidayList list = BuildHolidayList(2008);
    EXPECT_EQ(list.yearHeading, "2008");
    ASSERT_EQ(list.rows.size(), 27u);
    struct Row {
        std::size_t index;
        const char* date;
        const char* name;
    } rows[] = {
        {0, "1. Januar", "Neujahr"},      {1, "6. Januar", "Erscheinung des Herrn"},
        {7, "26. Dezember", "Märtyrer Stephanus"}, {8, "", ""},
        {9, "4. Februar", "Rosenmontag"}, {18, "30. Mai", "Heiligstes Herz Jesu"},
        {19, "", ""},                     {20, "21. März", "Karfreitag"},
        {23, "1. Mai", "Christi Himmelfahrt"}, {26, "22. Mai", "Fronleichnam"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(list.rows[r.index].dateText, r.date) << r.index;
        EXPECT_EQ(list.rows[r.index].name, r.name) << r.index;
    }
}

// Hand-made contexts far outside the calendar: no crash, no table overrun,
// no match produced by overflowing arithmetic.
TEST(Holidays, ContextsOutsideTheCalendarAreHarmless) {
    const DayContext wild[] = {
        {INT_MIN, INT_MIN, INT_MIN, INT_MIN, 28}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX, 29},
        {0, 1, 12, 1970, 28},                     {0, 1, -1, 1970, 28},
        {0, 0, 0, 1970, 28},                      {0, 32, 0, 1970, 28},
        {-400000, 2, 0, -1000, 28},               {0, 2, 0, 0, 29},
        {0, 1, 1073741824, 1970, 28},  // (month + 1) * 100 wraps to 100 in 32 bits
    };
    for (const DayContext& ctx : wild) {
        SCOPED_TRACE(ctx.year);
        EXPECT_EQ(DayName(ctx), "");
        EXPECT_FALSE(IsPublicHoliday(ctx));
        for (int level = -1; level <= 4; ++level) EXPECT_FALSE(IsHighHoliday(ctx, level));
    }
    // The context's year is clamped: a day of 2038 keeps its fixed name but
    // is not measured against the Easter of 2037.
    EXPECT_EQ(DayName(Ctx(2038, 1, 1)), "Neujahr");
    EXPECT_EQ(DayName(Ctx(2038, 4, 25)), "");  // the real Easter Sunday of 2038
    EXPECT_EQ(DayName(Ctx(1969, 12, 31)), "Silvester");
    EXPECT_EQ(BuildHolidayList(1500).rows.size(), 8u);
    EXPECT_EQ(BuildHolidayList(INT_MIN).rows.size(), 8u);
    EXPECT_EQ(BuildHolidayList(kLastFeastYear).rows.size(), 27u);
}

}  // namespace
}  // namespace sk
