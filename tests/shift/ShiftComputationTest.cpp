#include "shift/ShiftComputation.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "shift/VacationBlock.h"

namespace sk {
namespace {

std::string Codes(const CrewDayTable& t, int crews) {
    std::string s;
    for (int k = 0; k < crews; ++k) s += char('0' + t.Code(k));
    return s;
}

std::string FourCrewCodes(int type, DayNumber d) {
    std::string s;
    for (int k = 0; k < 4; ++k) s += char('0' + ShiftOfFourCrewType(type, k, d));
    return s;
}

// Published worked values, without vacation overlay.
TEST(ShiftComputation, WorkedValues) {
    struct Case {
        DayNumber d;
        const char* type15;
        const char* type4;
        const char* type2;
        const char* type6;
        const char* type7;
    } cases[] = {
        {0, "14032", "14032", "012", "2341", "2143"},
        {16436, "32140", "32140", "120", "2341", "2143"},
        {16495, "10434", "10434", "012", "3414", "3414"},
        {19723, "31420", "21430", "201", "3412", "3214"},
        {24836, "32140", "32140", "120", "2341", "2143"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.d);
        EXPECT_EQ(Codes(ComputeCrewShifts(1, c.d, nullptr).table, 5), c.type15);
        EXPECT_EQ(Codes(ComputeCrewShifts(5, c.d, nullptr).table, 5), c.type15);
        EXPECT_EQ(Codes(ComputeCrewShifts(4, c.d, nullptr).table, 5), c.type4);
        EXPECT_EQ(Codes(ComputeCrewShifts(2, c.d, nullptr).table, 3), c.type2);
        EXPECT_EQ(FourCrewCodes(6, c.d), c.type6);
        EXPECT_EQ(FourCrewCodes(7, c.d), c.type7);
        if (!IsInTransitionPeriod(c.d)) {
            EXPECT_EQ(Codes(ComputeCrewShifts(0, c.d, nullptr).table, 5), c.type15);
            EXPECT_EQ(Codes(ComputeCrewShifts(3, c.d, nullptr).table, 5), c.type4);
        }
    }
}

// Types 0 and 3 run crews 1-4 on the 28-day rhythm in January and February 2015.
TEST(ShiftComputation, TransitionPeriod) {
    struct Case {
        int type;
        DayNumber d;
        const char* codes;  // nullptr: as type+1 / the 35-day rule
        bool onRhythm;
    } cases[] = {
        {0, 16435, nullptr, true},  {0, 16436, "31432", false}, {0, 16494, "12143", false},
        {0, 16495, nullptr, true},  {3, 16435, nullptr, true},  {3, 16436, "31432", false},
        {3, 16494, "12143", false}, {3, 16495, nullptr, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " " + std::to_string(c.d));
        const CrewShiftResult r = ComputeCrewShifts(c.type, c.d, nullptr);
        EXPECT_EQ(r.allFiveOnRhythm, c.onRhythm);
        const std::string expected =
            c.codes ? c.codes : Codes(ComputeCrewShifts(c.type == 0 ? 1 : 4, c.d, nullptr).table, 5);
        EXPECT_EQ(Codes(r.table, 5), expected);
    }
    // Every other type stays on its rhythm throughout.
    for (int type : {1, 2, 4, 5, 6, 7})
        for (DayNumber d = kTransitionFirstDay; d <= kTransitionLastDay; ++d)
            ASSERT_TRUE(ComputeCrewShifts(type, d, nullptr).allFiveOnRhythm) << type << " " << d;
}

// Structural properties the display relies on, over every day of the range.
TEST(ShiftComputation, WholeRangeProperties) {
    for (DayNumber d = kFirstDay; d <= kLastDay; ++d) {
        const bool sunday = WeekdayIndex(d) == 0;
        for (int type : {0, 1, 3, 4, 5}) {
            const CrewShiftResult r = ComputeCrewShifts(type, d, nullptr);
            int standby = 0;
            for (int k = 0; k < 5; ++k) {
                const ShiftCode c = r.table.Code(k);
                ASSERT_GE(c, 0);
                ASSERT_LE(c, 4);
                standby += c == kShiftStandby;
                if (sunday) {
                    ASSERT_NE(c, kShiftLate) << "late shift on Sunday, type " << type << " day " << d;
                }
                ASSERT_EQ(r.table.rows[k].colour, kCrewColours[k]);
            }
            if (r.allFiveOnRhythm) {
                ASSERT_EQ(standby, 1) << "type " << type << " day " << d;
            }
        }
        // Two-shift plan: off, early and late once each; rows 3 and 4 defined as off.
        const CrewDayTable two = ComputeCrewShifts(2, d, nullptr).table;
        int seen = 0;
        for (int k = 0; k < 3; ++k) seen |= 1 << two.Code(k);
        ASSERT_EQ(seen, 0b111) << d;
        ASSERT_EQ(two.Code(3), kShiftOff);
        ASSERT_EQ(two.Code(4), kShiftOff);
        for (int type : {6, 7}) {
            for (int k = 0; k < 4; ++k) {
                const ShiftCode c = ShiftOfFourCrewType(type, k, d);
                ASSERT_GE(c, 1);
                ASSERT_LE(c, 4);
                if (sunday) {
                    ASSERT_NE(c, kShiftLate) << "type " << type << " day " << d;
                }
            }
            const CrewDayTable t = ComputeCrewShifts(type, d, nullptr).table;
            ASSERT_EQ(Codes(t, 5), "44444");
        }
    }
}

// Day numbers outside 1970-2037 continue the rhythm and never leave the table.
TEST(ShiftComputation, OutOfRangeDaysAndTypes) {
    const DayNumber days[] = {-1, -35, -36500, INT_MIN, INT_MIN + 1, INT_MAX, INT_MAX - 34, 30000};
    for (DayNumber d : days) {
        SCOPED_TRACE(d);
        for (int type = -1; type <= 9; ++type) {
            const CrewShiftResult r = ComputeCrewShifts(type, d, nullptr);
            for (int k = 0; k < 5; ++k) {
                EXPECT_GE(r.table.Code(k), 0);
                EXPECT_LE(r.table.Code(k), 4);
            }
            for (int crew = -1; crew <= 4; ++crew) {
                const ShiftCode c = ShiftOfFourCrewType(type, crew, d);
                EXPECT_GE(c, 1);
                EXPECT_LE(c, 4);
            }
        }
    }
    // The rhythm before 1970 is the same rhythm.
    for (DayNumber d : {-1, -10, -34, -1000})
        for (int type : {1, 4, 5}) {
            EXPECT_EQ(Codes(ComputeCrewShifts(type, d, nullptr).table, 5),
                      Codes(ComputeCrewShifts(type, d + 35 * 1000, nullptr).table, 5));
        }
    EXPECT_EQ(FourCrewCodes(6, -28), FourCrewCodes(6, 0));
    EXPECT_EQ(Codes(ComputeCrewShifts(2, -21, nullptr).table, 3), "012");
    // Invalid types and crews give the defined "off" value.
    EXPECT_EQ(Codes(ComputeCrewShifts(8, 100, nullptr).table, 5), "44444");
    EXPECT_EQ(Codes(ComputeCrewShifts(-1, 100, nullptr).table, 5), "44444");
    EXPECT_EQ(ShiftOfFourCrewType(5, 0, 100), kShiftOff);
    EXPECT_EQ(ShiftOfFourCrewType(6, 4, 100), kShiftOff);
}

// The overlay is applied only where a vacation block exists.
TEST(ShiftComputation, OverlayOnlyForFiveCrewTypes) {
    const VacationOrderTables tables = MakeDefaultVacationOrderTables();
    // An earliest start of 1 January puts the 2015 window over the transition period.
    const VacationBlock b2015 = ComputeVacationBlock(2015, 1, 1, tables);
    const VacationBlock b2024 = ComputeVacationBlock(2024, 4, 25, tables);
    ASSERT_TRUE(IsInVacationWindow(b2015, kTransitionLastDay - 5));
    struct Case {
        int type;
        const VacationBlock* block;
        DayNumber d;
        bool changes;
    } cases[] = {
        {0, &b2015, kTransitionLastDay - 5, false}, {3, &b2015, kTransitionLastDay, false},
        {1, &b2015, kTransitionLastDay - 5, true},  {0, &b2024, 19842, true},
        {5, &b2024, 19842, true},                     {2, &b2024, 19842, false},
        {6, &b2024, 19842, false},                    {1, &b2024, 19841, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " " + std::to_string(c.d));
        const std::string plain = Codes(ComputeCrewShifts(c.type, c.d, nullptr).table, 5);
        const std::string with = Codes(ComputeCrewShifts(c.type, c.d, c.block).table, 5);
        EXPECT_EQ(plain != with, c.changes) << plain << " " << with;
    }
}

}  // namespace
}  // namespace sk
