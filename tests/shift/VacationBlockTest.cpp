#include "shift/VacationBlock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

namespace sk {
namespace {

TEST(VacationBlock, DefaultStart2024) {
    const VacationOrderTables tables = MakeDefaultVacationOrderTables();
    const VacationBlock b = ComputeVacationBlock(2024, 4, 25, tables);
    EXPECT_EQ(b.year, 2024);
    EXPECT_EQ(b.start, 19842);  // Monday 2024-04-29
    EXPECT_EQ(b.start, DayNumberOf(2024, 4, 29));
    EXPECT_EQ(b.order, (std::array<std::int32_t, 5>{0, 1, 2, 3, 4}));
    struct Case {
        int y, m, d;
        int crew;
    } cases[] = {
        {2024, 4, 28, -1}, {2024, 4, 29, 0}, {2024, 5, 26, 0}, {2024, 5, 27, 1},
        {2024, 8, 19, 4},  {2024, 9, 15, 4}, {2024, 9, 16, -1},
    };
    for (const auto& c : cases) {
        const DayNumber d = DayNumberOf(c.y, c.m, c.d);
        SCOPED_TRACE(d);
        EXPECT_EQ(VacationCrewOn(b, d), c.crew);
        EXPECT_EQ(IsInVacationWindow(b, d), c.crew >= 0);
    }
}

TEST(VacationBlock, Eras) {
    const int years[] = {1969, 1970, 2016, 2017, 2027, 2028, 2037, 2038, -4, 9999};
    const int eras[] = {2, 0, 0, 1, 1, 2, 2, 2, 2, 2};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(VacationEra(years[i]), eras[i]) << years[i];
    // A crew's block advances by two each year, so the first crews run 0, 3, 1, 4, 2.
    const VacationOrderTables t = MakeDefaultVacationOrderTables();
    struct Case {
        int year;
        int first;
    } firsts[] = {{2015, 0}, {2016, 3}, {2017, 4}, {2018, 2}, {2024, 0}, {2027, 4}, {2028, 0}, {2030, 1}};
    for (const auto& c : firsts) EXPECT_EQ(ComputeVacationBlock(c.year, 4, 25, t).order[0], c.first) << c.year;
}

// For every year and a spread of earliest days: the window starts on a Monday
// on or after the earliest day and less than five weeks later, and each crew
// has exactly one 28-day block in it.
TEST(VacationBlock, WindowStartOverRange) {
    const VacationOrderTables tables = MakeDefaultVacationOrderTables();
    const int starts[][2] = {{4, 25}, {1, 1}, {1, 4}, {2, 29}, {6, 30}, {12, 31}};
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        for (const auto& s : starts) {
            if (s[0] == 2 && s[1] == 29 && !IsLeapYear(year)) continue;
            const DayNumber e = DayNumberOf(year, s[0], s[1]);
            const VacationBlock b = ComputeVacationBlock(year, s[0], s[1], tables);
            SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(s[0]) + "-" + std::to_string(s[1]));
            ASSERT_EQ(MondayWeekdayIndex(b.start), 0);
            ASSERT_GE(b.start, e);
            ASSERT_LT(b.start, e + 35);
            int daysPerCrew[5] = {};
            for (DayNumber d = b.start - 3; d < b.start + kVacationWindowDays + 3; ++d) {
                const int g = VacationCrewOn(b, d);
                if (g >= 0) ++daysPerCrew[g];
            }
            for (int k = 0; k < 5; ++k) ASSERT_EQ(daysPerCrew[k], kVacationBlockDays) << "crew " << k;
            // The block's first crew stands at row 7 of its rhythm on the first day.
            ASSERT_EQ((b.start + kCrewOffsets[b.order[0]]) % 35, 7);
        }
    }
}

// Every day of every window of the five-crew types: the vacation crew shows 0
// where it would have worked and 5 where it would have been off; the standby
// crew takes over its shift; nobody else changes.
TEST(VacationBlock, OverlayOverRange) {
    const VacationOrderTables tables = MakeDefaultVacationOrderTables();
    int ownStandbyDays = 0;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const VacationBlock b = ComputeVacationBlock(year, 4, 25, tables);
        for (int type : {0, 1, 3, 4, 5}) {
            for (DayNumber d = b.start; d < b.start + kVacationWindowDays; ++d) {
                const CrewDayTable plain = ComputeCrewShifts(type, d, nullptr).table;
                const CrewDayTable with = ComputeCrewShifts(type, d, &b).table;
                const int g = VacationCrewOn(b, d);
                int i = 0;
                while (plain.Code(i) != kShiftStandby) ++i;
                const ShiftCode own = plain.Code(g);
                SCOPED_TRACE("type " + std::to_string(type) + " day " + std::to_string(d));
                if (i == g) {
                    ++ownStandbyDays;
                    const int w = MondayWeekdayIndex(d);
                    ASSERT_EQ(with.Code(g), (w >= 1 && w <= 4) ? kShiftStandby : kShiftVacationOff);
                } else {
                    ASSERT_EQ(with.Code(g), own == kShiftOff ? kShiftVacationOff : kShiftStandby);
                    ASSERT_EQ(with.Code(i), own);
                }
                for (int k = 0; k < 5; ++k) {
                    if (k != g && k != i) {
                        ASSERT_EQ(with.Code(k), plain.Code(k));
                    }
                }
            }
            // Outside the window nothing changes.
            for (DayNumber d : {b.start - 1, b.start + kVacationWindowDays}) {
                const CrewDayTable plain = ComputeCrewShifts(type, d, nullptr).table;
                const CrewDayTable with = ComputeCrewShifts(type, d, &b).table;
                for (int k = 0; k < 5; ++k) ASSERT_EQ(with.Code(k), plain.Code(k));
            }
        }
    }
    EXPECT_GT(ownStandbyDays, 0);  // the weekday rule was exercised
}

// A vacation crew in its own standby week: Tuesday-Friday vacation, Saturday-Monday off.
TEST(VacationBlock, OwnStandbyWeekByWeekday) {
    const VacationOrderTables tables = MakeDefaultVacationOrderTables();
    const VacationBlock b = ComputeVacationBlock(2024, 4, 25, tables);
    // Rot (offset 10) is on standby at rows 21-27: from the window start, days 14-20.
    const char* expected = "0000555";  // Monday+14 is a Monday: 5; then Tue..Fri 0, Sat, Sun 5
    for (int k = 0; k < 7; ++k) {
        const DayNumber d = b.start + 14 + k;
        const ShiftCode c = ComputeCrewShifts(1, d, &b).table.Code(0);
        const ShiftCode want = k == 0 ? kShiftVacationOff : expected[k - 1] - '0';
        EXPECT_EQ(c, want) << "weekday " << MondayWeekdayIndex(d);
    }
}

TEST(VacationBlock, RotationAndReset) {
    const VacationOrderTables original = MakeDefaultVacationOrderTables();
    for (int year : {1990, 2020, 2030}) {
        SCOPED_TRACE(year);
        VacationOrderTables t = original;
        RotateVacationOrder(t, year, 1);
        const int era = VacationEra(year);
        for (int e = 0; e < kVacationEraCount; ++e) {
            if (e == era) {
                EXPECT_NE(t.eras[e], original.eras[e]);
                for (int r = 0; r < 5; ++r)
                    for (int c = 0; c < 5; ++c) EXPECT_EQ(t.eras[e][r][c], original.eras[e][r][(c + 1) % 5]);
            } else {
                EXPECT_EQ(t.eras[e], original.eras[e]);
            }
        }
        // Pressing Y four more times restores the order.
        for (int k = 0; k < 4; ++k) RotateVacationOrder(t, year, 1);
        EXPECT_EQ(t, original);
        // A count is the same as that many single steps, whatever its size.
        VacationOrderTables a = original, b = original;
        RotateVacationOrder(a, year, 3);
        for (int k = 0; k < 3; ++k) RotateVacationOrder(b, year, 1);
        EXPECT_EQ(a, b);
        VacationOrderTables big = original;
        RotateVacationOrder(big, year, INT_MAX);  // INT_MAX mod 5 = 2
        RotateVacationOrder(b, year, 4);           // 3 + 4 = 7, also 2
        EXPECT_EQ(big, b);
        VacationOrderTables back = original;
        RotateVacationOrder(back, year, -1);
        RotateVacationOrder(back, year, 1);
        EXPECT_EQ(back, original);
        ResetVacationOrder(a, year);
        EXPECT_EQ(a, original);
    }
    // Rotation moves the block start with the new first crew.
    VacationOrderTables t = original;
    RotateVacationOrder(t, 2024, 1);
    const VacationBlock b = ComputeVacationBlock(2024, 4, 25, t);
    EXPECT_EQ(b.order[0], 1);
    EXPECT_EQ((b.start + kCrewOffsets[1]) % 35, 7);
}

// Nonsense years, dates and table contents neither crash nor leave the tables.
TEST(VacationBlock, HostileInput) {
    VacationOrderTables t = MakeDefaultVacationOrderTables();
    struct Case {
        int year, month, day;
        int wantYear;
    } cases[] = {
        {-5, 4, 25, 1},       {0, 1, 1, 1},          {INT_MAX, 4, 25, 9999}, {INT_MIN, 4, 25, 1},
        {2023, 2, 29, 2023},  {2024, 13, 40, 2024},  {2024, 0, 0, 2024},     {2024, -3, 99, 2024},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + " " + std::to_string(c.month) + " " + std::to_string(c.day));
        const VacationBlock b = ComputeVacationBlock(c.year, c.month, c.day, t);
        EXPECT_EQ(b.year, c.wantYear);
        EXPECT_EQ(MondayWeekdayIndex(b.start), 0);
        CrewDayTable table = ComputeCrewShifts(1, b.start, nullptr).table;
        ApplyVacationOverlay(b, b.start, table);
    }
    // 29 February in a common year means 28 February.
    EXPECT_EQ(ComputeVacationBlock(2023, 2, 29, t), ComputeVacationBlock(2023, 2, 28, t));
    // Crew numbers outside 0-4 in a working table are never used as indexes.
    for (auto& row : t.eras[1]) row = {99, -1, 7, 3, 1000};
    const VacationBlock b = ComputeVacationBlock(2024, 4, 25, t);
    for (int j = 0; j < 5; ++j) {
        EXPECT_GE(b.order[j], 0);
        EXPECT_LT(b.order[j], 5);
    }
    for (DayNumber d = b.start; d < b.start + kVacationWindowDays; ++d) {
        const CrewDayTable table = ComputeCrewShifts(1, d, &b).table;
        for (int k = 0; k < 5; ++k) ASSERT_LE(table.Code(k), kShiftVacationOff);
    }
    // Day numbers far from the window are simply outside it.
    EXPECT_FALSE(IsInVacationWindow(b, INT_MIN));
    EXPECT_FALSE(IsInVacationWindow(b, INT_MAX));
}

}  // namespace
}  // namespace sk
