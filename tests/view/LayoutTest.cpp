#include <gtest/gtest.h>

#include "calendar/Date.h"
#include "view/Layout.h"

namespace sk {
namespace {

// Cell dates as a repaint would leave them for the displayed range.
CellDates CellsFor(const ViewState& v) {
    CellDates cells;
    int year = v.firstYear;
    int month = v.firstMonth;
    for (int c = 0; c <= v.lastColumn; ++c) {
        if (year <= kLastYear) {
            for (int d = 1; d <= MonthLength(year, month); ++d) cells.Set(c, d, year * 10000 + month * 100 + d);
        }
        if (++month == 12) {
            month = 0;
            ++year;
        }
    }
    return cells;
}

ViewState View(int year, int month, int column, int day, int lastColumn = 6) {
    ViewState v;
    v.firstYear = year;
    v.firstMonth = month;
    v.cursorColumn = column;
    v.cursorDay = day;
    v.lastColumn = lastColumn;
    v.widthUnits = WidthUnitsOf(lastColumn);
    v.unitWidth = 8;
    v.rowHeight = 16;
    return v;
}

TEST(Rounding, HalvesGoToEvenOrAwayFromZero) {
    struct Case { double x; int even; int away; };
    const Case cases[] = {{2.5, 2, 3}, {3.5, 4, 4}, {-2.5, -2, -3}, {20.3, 20, 20}, {9.6, 10, 10}};
    for (const Case& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.x), c.even) << c.x;
        EXPECT_EQ(RoundHalfAway(c.x), c.away) << c.x;
    }
}

TEST(PageByDays, LandsOnTheFirstOfTheExpectedMonth) {
    struct Case { int year, month, days, wantYear, wantMonth; };
    const Case cases[] = {
        {2024, 2, -1, 2024, 1},      // March, one month back: February
        {2024, 0, -1, 2023, 11},     // January back to December
        {2023, 0, 366, 2024, 0},     // one year forward
        {2024, 2, -365, 2023, 2},    // one year back
        {2024, 0, 31 * 7, 2024, 7},  // page forward with 7 columns: August
        {2024, 7, -31 * 6, 2024, 0}, // 1 August - 186 days is 27 January
        {2037, 6, 31, 2037, 6},      // July 2037 stays: the range ends there
        {2037, 3, 366, 2037, 6},     // a year forward from April 2037 stops at July
        {1970, 0, -1, 1970, 0},      // nothing before January 1970
        {1970, 5, -365, 1970, 0},
        {2015, 11, 31, 2016, 0},
        {2025, 0, -155, 2024, 6},    // half-year page back: 30 July 2024
        {2025, 0, 186, 2025, 6},     // half-year page forward
    };
    for (const Case& c : cases) {
        ViewState v = View(c.year, c.month, 0, 5);
        PageByDays(v, c.days);
        EXPECT_EQ(v.firstYear, c.wantYear) << c.year << "/" << c.month << " " << c.days;
        EXPECT_EQ(v.firstMonth, c.wantMonth) << c.year << "/" << c.month << " " << c.days;
    }
}

TEST(PageByDays, PullsTheCursorRowBackTo28) {
    for (int day : {1, 28, 29, 30, 31}) {
        ViewState v = View(2024, 0, 3, day);
        PageByDays(v, 31);
        EXPECT_EQ(v.cursorDay, day > 28 ? 28 : day);
        EXPECT_EQ(v.cursorColumn, 3);
    }
}

TEST(MoveCursor, FollowsTheMonthEndRules) {
    struct Case {
        const char* what;
        int year, month, column, day, dx, dy;
        int wantColumn, wantDay;
    };
    // First month January 2025 (February 2025 has 28 days), 7 columns.
    const Case cases[] = {
        {"unchanged", 2025, 0, 2, 10, -1, -1, 2, 10},
        {"31 Jan right", 2025, 0, 0, 31, 1, 0, 1, 28},
        {"31 Jan 2024 right", 2024, 0, 0, 31, 1, 0, 1, 29},
        {"30 Apr down", 2025, 3, 0, 30, 0, 1, 1, 1},
        {"31 Jan down", 2025, 0, 0, 31, 0, 1, 1, 1},
        {"30 Apr down last column", 2024, 9, 6, 30, 0, 1, 6, 30},
        {"1 Jan up column 0", 2025, 0, 0, 1, 0, -1, 0, 1},
        {"1 Feb up", 2025, 0, 1, 1, 0, -1, 0, 31},
        {"1 Mar up", 2025, 0, 2, 1, 0, -1, 1, 28},
        {"right at last column", 2025, 0, 6, 5, 1, 0, 6, 5},
        {"left at column 0", 2025, 0, 0, 5, -1, 0, 0, 5},
        {"plain down", 2025, 0, 3, 5, 0, 1, 3, 6},
        {"31 Mar left", 2025, 0, 2, 31, -1, 0, 1, 28},
    };
    for (const Case& c : cases) {
        ViewState v = View(c.year, c.month, c.column, c.day);
        CellDates cells = CellsFor(v);
        MoveCursor(v, cells, c.dx, c.dy);
        EXPECT_EQ(v.cursorColumn, c.wantColumn) << c.what;
        EXPECT_EQ(v.cursorDay, c.wantDay) << c.what;
    }
}

TEST(MoveCursor, StaysOutOfColumnsAfterTheLastYear) {
    ViewState v = View(2037, 6, 5, 10, 23);  // July 2037 + 24 columns reaches 2039
    CellDates cells = CellsFor(v);
    MoveCursor(v, cells, 1, 0);  // column 6 is January 2038: no dates
    EXPECT_EQ(v.cursorColumn, 5);
    v.cursorDay = 31;
    MoveCursor(v, cells, 0, 1);  // past 31 December 2037 in the last dated column
    EXPECT_EQ(v.cursorColumn, 5);
    EXPECT_EQ(v.cursorDay, 31);
}

TEST(HitTest, MovesTheCursorOrNamesTheSubColumn) {
    // u = 8, r = 16: a column is 144 px wide, day d is at window y (d + 2) * 16.
    struct Case {
        const char* what;
        int column, day;  // cursor before
        int mx, my;
        int want, wantColumn, wantDay;
    };
    const Case cases[] = {
        {"other column moves", 0, 5, 144 * 3 + 20, 7 * 16 + 3, 0, 3, 5},
        {"header row gives day 1", 0, 5, 144 * 2 + 4, 2 * 16 + 5, 0, 2, 1},
        {"below day 31 is 31", 0, 5, 10, 40 * 16, 0, 0, 31},
        {"short month pulls back", 0, 5, 144 + 4, 33 * 16, 0, 1, 28},
        {"own cell day part", 1, 10, 144 + 8 * 3, 12 * 16 + 1, 0, 1, 10},
        {"own cell k=9", 1, 10, 144 + 8 * 9, 12 * 16 + 1, 1, 1, 10},
        {"own cell k=10", 1, 10, 144 + 8 * 10 + 7, 12 * 16, 1, 1, 10},
        {"own cell k=12", 1, 10, 144 + 8 * 12, 12 * 16, 2, 1, 10},
        {"own cell k=13", 1, 10, 144 + 8 * 13, 12 * 16, 3, 1, 10},
        {"own cell k=16", 1, 10, 144 + 8 * 16, 12 * 16, 4, 1, 10},
        {"own cell k=17", 1, 10, 144 + 8 * 17, 12 * 16, 0, 1, 10},
    };
    for (const Case& c : cases) {
        ViewState v = View(2025, 0, c.column, c.day);
        CellDates cells = CellsFor(v);
        EXPECT_EQ(HitTest(v, cells, c.mx, c.my), c.want) << c.what;
        EXPECT_EQ(v.cursorColumn, c.wantColumn) << c.what;
        EXPECT_EQ(v.cursorDay, c.wantDay) << c.what;
        EXPECT_EQ(v.firstMonth, 0) << c.what;
    }
}

TEST(MeasureFont, GivesPlausibleMetricsThatGrowWithTheSize) {
    const FontMetrics small = MeasureFont(FontDescriptionText({"", 10, 0}, "DejaVu Sans"));
    const FontMetrics large = MeasureFont(FontDescriptionText({"", 20, 0}, "DejaVu Sans"));
    EXPECT_GE(small.unitWidth, 5);
    EXPECT_LE(small.unitWidth, 12);
    EXPECT_GT(small.rowHeight, small.unitWidth);
    EXPECT_GT(large.unitWidth, small.unitWidth + 3);
    EXPECT_GT(large.rowHeight, small.rowHeight + 5);
}

TEST(FontDescriptionText, NamesFamilyStyleAndSize) {
    EXPECT_EQ(FontDescriptionText({"", 10, 0}, "Sans"), "Sans, 10");
    EXPECT_EQ(FontDescriptionText({"FreeSans", 12, 3}, "Sans"), "FreeSans, Bold Italic 12");
}

}  // namespace
}  // namespace sk
