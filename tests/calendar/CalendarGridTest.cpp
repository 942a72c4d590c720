#include "calendar/CalendarGrid.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

struct Scene {
    ViewState view;
    int lastColumn;
    CalendarGrid Grid() const { return MakeCalendarGrid(view, lastColumn); }
};

Scene At(int year, int month, int column, int day, int lastColumn = 6) {
    Scene s{ViewState{}, lastColumn};
    s.view.firstYear = year;
    s.view.firstMonth = month;
    s.view.cursorColumn = column;
    s.view.cursorDay = day;
    s.view.unitWidth = 8;
    s.view.rowHeight = 16;
    return s;
}

TEST(CalendarGrid, ColumnsHoldTheirMonthsAndNothingAfter2037) {
    const CalendarGrid leap = At(2023, 11, 0, 1, 23).Grid();  // December 2023 ... November 2025
    ASSERT_EQ(leap.ColumnCount(), 24);
    EXPECT_EQ(leap.DayAt(2, 29), DayNumberOf(2024, 2, 29));
    EXPECT_EQ(leap.DayAt(14, 29), std::nullopt);  // February 2025
    EXPECT_EQ(leap.DayAt(0, 0), std::nullopt);
    EXPECT_EQ(leap.DayAt(24, 1), std::nullopt);
    EXPECT_EQ(leap.columns[3].x, 8 + 3 * 18 * 8);
    EXPECT_EQ(leap.LastShownYear(), 2025);

    const CalendarGrid end = At(2037, 6, 0, 1, 23).Grid();  // July 2037 ...
    EXPECT_EQ(end.DayAt(5, 31), DayNumberOf(2037, 12, 31));
    EXPECT_EQ(end.columns[6].days, 0);
    EXPECT_EQ(end.DayAt(6, 1), std::nullopt);
    EXPECT_EQ(end.LastShownYear(), 2037);
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
        Scene s = At(c.year, c.month, 0, 5);
        PageByDays(s.view, c.days);
        EXPECT_EQ(s.view.firstYear, c.wantYear) << c.year << "/" << c.month << " " << c.days;
        EXPECT_EQ(s.view.firstMonth, c.wantMonth) << c.year << "/" << c.month << " " << c.days;
    }
    for (int day : {1, 28, 29, 30, 31}) {
        Scene s = At(2024, 0, 3, day);
        PageByDays(s.view, 31);
        EXPECT_EQ(s.view.cursorDay, day > 28 ? 28 : day);
        EXPECT_EQ(s.view.cursorColumn, 3);
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
        Scene s = At(c.year, c.month, c.column, c.day);
        MoveCursor(s.view, s.Grid(), c.dx, c.dy);
        EXPECT_EQ(s.view.cursorColumn, c.wantColumn) << c.what;
        EXPECT_EQ(s.view.cursorDay, c.wantDay) << c.what;
    }
}

TEST(MoveCursor, StaysOutOfColumnsAfterTheLastYear) {
    Scene s = At(2037, 6, 5, 10, 23);  // July 2037 + 24 columns reaches 2039
    MoveCursor(s.view, s.Grid(), 1, 0);  // column 6 is January 2038: no dates
    EXPECT_EQ(s.view.cursorColumn, 5);
    s.view.cursorDay = 31;
    MoveCursor(s.view, s.Grid(), 0, 1);  // past 31 December 2037 in the last dated column
    EXPECT_EQ(s.view.cursorColumn, 5);
    EXPECT_EQ(s.view.cursorDay, 31);
}

TEST(HitTest, MovesTheCursorOrNamesTheSubColumn) {
    // u = 8, r = 16: a column is 144 px wide, day d is at image y d * 16.
    struct Case {
        const char* what;
        int column, day;  // cursor before
        int x, y;
        int want, wantColumn, wantDay;
    };
    const Case cases[] = {
        {"other column moves", 0, 5, 144 * 3 + 20, 5 * 16 + 3, 0, 3, 5},
        {"header row gives day 1", 0, 5, 144 * 2 + 4, 5, 0, 2, 1},
        {"below day 31 is 31", 0, 5, 10, 38 * 16, 0, 0, 31},
        {"short month pulls back", 0, 5, 144 + 4, 31 * 16, 0, 1, 28},
        {"right of the last column", 0, 5, 144 * 9, 16, 0, 6, 1},
        {"own cell day part", 1, 10, 144 + 8 * 3, 10 * 16 + 1, 0, 1, 10},
        {"own cell k=9", 1, 10, 144 + 8 * 9, 10 * 16 + 1, 1, 1, 10},
        {"own cell k=10", 1, 10, 144 + 8 * 10 + 7, 10 * 16, 1, 1, 10},
        {"own cell k=12", 1, 10, 144 + 8 * 12, 10 * 16, 2, 1, 10},
        {"own cell k=13", 1, 10, 144 + 8 * 13, 10 * 16, 3, 1, 10},
        {"own cell k=16", 1, 10, 144 + 8 * 16, 10 * 16, 4, 1, 10},
        {"own cell k=17", 1, 10, 144 + 8 * 17, 10 * 16, 0, 1, 10},
    };
    for (const Case& c : cases) {
        Scene s = At(2025, 0, c.column, c.day);
        EXPECT_EQ(HitTest(s.view, s.Grid(), c.x, c.y), c.want) << c.what;
        EXPECT_EQ(s.view.cursorColumn, c.wantColumn) << c.what;
        EXPECT_EQ(s.view.cursorDay, c.wantDay) << c.what;
        EXPECT_EQ(s.view.firstMonth, 0) << c.what;
    }
}

// Fewer columns, paging onto shorter months, the last months of the range:
// afterwards the cursor is on a shown day and SelectedDay names it.
TEST(KeepCursorOnShownDay, PutsTheCursorOnADayOfTheGrid) {
    struct Case {
        const char* what;
        int year, month, column, day, lastColumn;
        int wantColumn, wantDay;
    };
    const Case cases[] = {
        // Column 10 of March 2027 is January 2028; with 7 columns the
        // cursor goes to the last one, September 2027, on the same row.
        {"fewer columns", 2027, 2, 10, 11, 6, 6, 11},
        {"row past the month's end", 2025, 0, 1, 31, 6, 1, 28},
        {"row above the first", 2025, 0, 2, 0, 6, 2, 1},
        {"column without dates", 2037, 6, 20, 3, 23, 5, 3},
        {"already shown", 2025, 0, 4, 30, 6, 4, 30},
    };
    for (const Case& c : cases) {
        Scene s = At(c.year, c.month, c.column, c.day, c.lastColumn);
        const CalendarGrid grid = s.Grid();
        KeepCursorOnShownDay(s.view, grid);
        EXPECT_EQ(s.view.cursorColumn, c.wantColumn) << c.what;
        EXPECT_EQ(s.view.cursorDay, c.wantDay) << c.what;
        EXPECT_EQ(SelectedDay(s.view, grid), grid.DayAt(c.wantColumn, c.wantDay)) << c.what;
        EXPECT_TRUE(SelectedDay(s.view, grid).has_value()) << c.what;
    }
    // A cursor off the grid selects nothing rather than a day no one sees.
    Scene off = At(2025, 0, 9, 5);
    EXPECT_FALSE(SelectedDay(off.view, off.Grid()).has_value());
}

}  // namespace
}  // namespace sk
