#include "calendar/Date.h"

#include <gtest/gtest.h>

#include <chrono>

namespace sk {
namespace {

TEST(Date, DayNumbersAndWeekdays) {
    struct Case {
        int y, m, d;
        DayNumber n;
        int weekday;
    } cases[] = {
        {1970, 1, 1, 0, 4},        {2015, 1, 1, 16436, 4}, {2015, 3, 1, 16495, 0},
        {2024, 1, 1, 19723, 1},    {2037, 12, 31, 24836, 4}, {1969, 12, 31, -1, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.y * 10000 + c.m * 100 + c.d);
        EXPECT_EQ(DayNumberOf(c.y, c.m, c.d), c.n);
        EXPECT_EQ(WeekdayIndex(c.n), c.weekday);
        const DateValue t = MakeDate(c.y, c.m, c.d, 12, 0, 0);
        EXPECT_EQ(DayNumberOfValue(t), c.n);
        EXPECT_EQ(YearOf(t), c.y);
        EXPECT_EQ(MonthOf(t), c.m);
        EXPECT_EQ(DayOf(t), c.d);
    }
    EXPECT_STREQ(kWeekdayNames[WeekdayIndex(0)], "Donnerstag");
}

TEST(Date, LeapYears) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_EQ(MonthLength(2024, 1), 29);
    EXPECT_EQ(MonthLength(2023, 1), 28);
}

// Every day of the range agrees with the standard library's civil calendar,
// and the context walk keeps month lengths consistent.
TEST(Date, WholeRangeAgreesWithChrono) {
    using namespace std::chrono;
    DayContext ctx;
    for (DayNumber d = kFirstDay; d <= kLastDay; ++d) {
        SetDayContext(ctx, d);
        const year_month_day ymd{sys_days{days{d}}};
        ASSERT_EQ(ctx.year, int(ymd.year()));
        ASSERT_EQ(ctx.month + 1, unsigned(ymd.month()));
        ASSERT_EQ(ctx.day, unsigned(ymd.day()));
        ASSERT_EQ(ctx.CurrentMonthLength(), unsigned((ymd.year() / ymd.month() / last).day()));
        ASSERT_EQ(DayNumberOfNoteDateCode(NoteDateCode(ctx)), d);
    }
}

TEST(Date, YearClampKeepsDayAndMonth) {
    DayContext ctx;
    SetDayContext(ctx, DayNumberOf(2038, 3, 15));
    EXPECT_EQ(ctx.year, 2037);
    EXPECT_EQ(ctx.month, 2);
    EXPECT_EQ(ctx.day, 15);
    SetDayContext(ctx, DayNumberOf(1969, 12, 31));
    EXPECT_EQ(ctx.year, 1970);
    EXPECT_EQ(ctx.month, 11);
    EXPECT_EQ(ctx.day, 31);
    SetDayContext(ctx, DayNumberOf(2040, 2, 10));  // 2037 is no leap year
    EXPECT_EQ(ctx.februaryLength, 28);
}

TEST(Date, MonthStart) {
    DayContext ctx = MakeDayContext(DayNumberOf(2024, 3, 17));
    SetDayContextToMonthStart(ctx);
    EXPECT_EQ(ctx.dayNumber, DayNumberOf(2024, 3, 1));
    EXPECT_EQ(ctx.day, 1);
    ctx.month = 1;
    SetDayContextToMonthStart(ctx);
    EXPECT_EQ(ctx.dayNumber, DayNumberOf(2024, 2, 1));
    EXPECT_EQ(ctx.februaryLength, 29);
}

TEST(Date, WeekNumbersOfKnownDays) {
    struct Case {
        int y, m, d, week;
    } cases[] = {
        {2010, 1, 1, 53}, {2012, 12, 31, 1}, {2015, 12, 31, 53}, {2016, 1, 3, 53},
        {2016, 1, 4, 1},  {2021, 1, 3, 53},  {2020, 12, 31, 53}, {2019, 12, 30, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.y * 10000 + c.m * 100 + c.d);
        EXPECT_EQ(WeekNumber(MakeDayContext(DayNumberOf(c.y, c.m, c.d))), c.week);
    }
}

// Second method: the ISO week is the week of its Thursday, counted from the
// first Thursday of that Thursday's year.
TEST(Date, WeekNumbersAgreeWithThursdayRule) {
    for (DayNumber d = kFirstDay; d <= kLastDay; ++d) {
        const DayNumber thursday = d - MondayWeekdayIndex(d) + 3;
        const int isoYear = CivilOf(thursday).year;
        const int expected = (thursday - FirstDayOfYear(isoYear)) / 7 + 1;
        ASSERT_EQ(WeekNumber(MakeDayContext(d)), expected) << d;
        if (CivilOf(d).month == 1 && CivilOf(d).day == 4) {
            ASSERT_EQ(expected, 1);
        }
    }
}

TEST(Date, CodesAndTexts) {
    const DayContext ctx = MakeDayContext(DayNumberOf(2011, 3, 7));
    EXPECT_EQ(DateCode(ctx), 20110307);
    EXPECT_EQ(NoteDateCode(ctx), 20110207);
    EXPECT_EQ(MonthDayCode(ctx), 307);
    EXPECT_EQ(NoteMonthDayCode(ctx), 207);
    EXPECT_EQ(NoteDateCode(MakeDayContext(DayNumberOf(2017, 4, 30))), 20170330);
    EXPECT_EQ(LongDateText(ctx), "Montag, 7. März 2011");
    EXPECT_EQ(ShortDateText(6, 0), "6. Januar");
    EXPECT_EQ(FormatDate("%dd.%mm.%yyyy", MakeDate(1999, 2, 1)), "01.02.1999");
    EXPECT_EQ(FormatDate("%dd.%mm.", MakeDate(2011, 3, 7)), "07.03.");

    EXPECT_TRUE(IsValidNoteDateCode(19700001));
    EXPECT_TRUE(IsValidNoteDateCode(20381131));
    EXPECT_FALSE(IsValidNoteDateCode(19691131));
    EXPECT_FALSE(IsValidNoteDateCode(20390001));
    EXPECT_FALSE(DayNumberOfNoteDateCode(20170131).has_value());  // 31 February
    EXPECT_FALSE(DayNumberOfNoteDateCode(20171200).has_value());
}

}  // namespace
}  // namespace sk
