#include "calendar/SchoolHolidays.h"

#include <gtest/gtest.h>

#include <climits>

namespace sk {
namespace {

DayContext Ctx(int y, int m, int d) { return MakeDayContext(DayNumberOf(y, m, d)); }

bool IsSchoolHoliday(const DayContext& ctx) { return SchoolHolidayCalendar::BuiltIn().Contains(ctx); }
std::optional<std::array<SchoolHolidayRow, 6>> SchoolHolidayRows(int year) {
    return SchoolHolidayCalendar::BuiltIn().Rows(year);
}

TEST(SchoolHolidays, EdgesOfPeriods) {
    struct Case {
        int y, m, d;
        bool holiday;
    } cases[] = {
        {2011, 3, 6, false},   {2011, 3, 7, true},    {2011, 3, 11, true},  {2011, 3, 12, false},
        {2011, 11, 16, true},  {2011, 11, 15, false}, {2011, 11, 17, false},
        {2012, 1, 5, true},    {2012, 1, 6, false},   // Christmas runs into the next year
        {2016, 2, 29, false},  {2020, 2, 29, true},   {2020, 3, 1, true},   {2020, 3, 2, false},
        {2023, 12, 23, true},  {2024, 1, 7, true},    {2024, 1, 8, false},
        {2024, 9, 9, true},    {2024, 9, 10, false},  {2024, 12, 24, false}, {2025, 1, 2, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsSchoolHoliday(Ctx(c.y, c.m, c.d)), c.holiday) << c.y * 10000 + c.m * 100 + c.d;
    }
}

// Contains answers from an index sorted by first day; it must agree with a
// plain look at every period, also for stored periods that nest in or
// overlap others, and before, between and after them.
TEST(SchoolHolidays, ContainsAgreesWithEveryPeriod) {
    SchoolHolidayCalendar calendar;
    calendar.FillEmptySlots({
        {2026, kSlotSummer, {20260801, 20260914}},
        {2026, kSlotAutumn, {20260810, 20260820}},   // inside the summer
        {2027, kSlotWinter, {20270301, 20270305}},
        {2027, kSlotEaster, {20270303, 20270410}},   // overlaps the winter break
        {2027, kSlotChristmas, {20271224, 20280107}},
        {2028, kSlotWhitsun, {20280601, 20280531}},  // last before first: no day
    });
    const std::vector<SchoolHolidayPeriod> periods = calendar.Periods();
    for (DayNumber d = DayNumberOf(2010, 1, 1); d <= DayNumberOf(2029, 12, 31); ++d) {
        const DayContext ctx = MakeDayContext(d);
        const std::int32_t code = ctx.year * 10000 + (ctx.month + 1) * 100 + ctx.day;
        bool inAny = false;
        for (const SchoolHolidayPeriod& p : periods) inAny |= p.dates.first <= code && code <= p.dates.last;
        ASSERT_EQ(calendar.Contains(ctx), inAny) << code;
    }
}

// The table is well formed: real dates, each period ordered and inside its
// block's year (Christmas may end in the next), no overlaps. A typo in the
// table shows up here.
TEST(SchoolHolidays, TableIsWellFormed) {
    auto dayOf = [](std::int32_t code) {
        const int y = code / 10000, m = code / 100 % 100, d = code % 100;
        EXPECT_TRUE(m >= 1 && m <= 12 && d >= 1 && d <= MonthLength(y, m - 1)) << code;
        return DayNumberOf(y, m, d);
    };
    DayNumber previousLast = 0;
    for (int i = 0; i < kSchoolHolidayEntries; i += 2) {
        const std::int32_t first = SchoolHolidayTable[i], last = SchoolHolidayTable[i + 1];
        if (first == 0 && last == 0) continue;
        const int blockYear = 2011 + i / (kSchoolHolidayPairsPerYear * 2);
        EXPECT_EQ(first / 10000, blockYear) << i;
        EXPECT_LE(dayOf(first), dayOf(last)) << i;
        EXPECT_GT(dayOf(first), previousLast) << i;
        previousLast = dayOf(last);
    }
}

// Walking the whole calendar finds exactly the days of the pairs; nothing
// before 2011 or after the last summer break.
TEST(SchoolHolidays, WholeRangeCountsTheTableDays) {
    int expected = 0;
    for (int i = 0; i < kSchoolHolidayEntries; i += 2) {
        const std::int32_t first = SchoolHolidayTable[i], last = SchoolHolidayTable[i + 1];
        if (first == 0) continue;
        expected += DayNumberOf(last / 10000, last / 100 % 100, last % 100) -
                    DayNumberOf(first / 10000, first / 100 % 100, first % 100) + 1;
    }
    int found = 0;
    for (DayNumber d = kFirstDay; d <= DayNumberOf(2040, 12, 31); ++d) {
        if (!IsSchoolHoliday(MakeDayContext(d))) continue;
        ++found;
        ASSERT_GE(d, DayNumberOf(2011, 3, 7));
        ASSERT_LE(d, DayNumberOf(2024, 9, 9));
    }
    EXPECT_EQ(found, expected);
}

TEST(SchoolHolidays, DateTexts) {
    struct Case {
        std::int32_t code;
        const char* text;
    } cases[] = {
        {20110307, "7. März"}, {20111116, "16. November"}, {20120105, "5. Januar"}, {0, "?"},
        {-1, "?"},             {20111300, "?"},            {INT_MAX, "?"},          {INT_MIN, "?"},
    };
    for (const auto& c : cases) EXPECT_EQ(SchoolHolidayDateText(c.code), c.text) << c.code;
}

TEST(SchoolHolidays, ListRowsOfAYear) {
    const auto rows2011 = SchoolHolidayRows(2011);
    ASSERT_TRUE(rows2011);
    const std::pair<const char*, const char*> want2011[] = {
        {"Frühjahr", "7. März - 11. März"},     {"Ostern", "18. April - 30. April"},
        {"Pfingsten", "14. Juni - 25. Juni"},   {"Sommer", "30. Juli - 12. September"},
        {"Herbst", "31. Oktober - 5. November"}, {"Weihnachten", "27. Dezember - 5. Januar"},
    };
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ((*rows2011)[i].period, want2011[i].first);
        EXPECT_EQ((*rows2011)[i].dates, want2011[i].second);
    }
    const auto rows2024 = SchoolHolidayRows(2024);
    ASSERT_TRUE(rows2024);
    EXPECT_EQ((*rows2024)[3].dates, "29. Juli - 9. September");
    EXPECT_EQ((*rows2024)[4].dates, "? - ?");
    EXPECT_EQ((*rows2024)[5].dates, "? - ?");

    for (int y = 2011; y <= 2024; ++y) EXPECT_TRUE(SchoolHolidayRows(y)) << y;
    for (int y : {2010, 2025, 2026, 0, INT_MIN, INT_MAX}) EXPECT_FALSE(SchoolHolidayRows(y)) << y;

    const YearRange range = SchoolHolidayYearRange(2025);
    EXPECT_EQ(range.first, 2023);
    EXPECT_EQ(range.last, 2035);
}

TEST(SchoolHolidays, ContextsOutsideTheCalendarAreHarmless) {
    const DayContext wild[] = {
        {INT_MIN, INT_MIN, INT_MIN, INT_MIN, 28},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX, 29},
        {0, 16, 10, 268437467, 28},  // year * 10000 wraps to 20110000 in 32 bits
        {0, 0, 0, 0, 28},
    };
    for (const DayContext& ctx : wild) EXPECT_FALSE(IsSchoolHoliday(ctx)) << ctx.year;
}

}  // namespace
}  // namespace sk
