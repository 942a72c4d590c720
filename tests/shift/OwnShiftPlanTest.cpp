#include "shift/OwnShiftPlan.h"

#include <gtest/gtest.h>

#include <string>

#include "shift/ShiftComputation.h"

namespace sk {
namespace {

// The cycle of a column of the built-in pattern table as letters: 1 F, 2 S,
// 3 N; 0 (standby, off in the two-shift plan) and 4 are days off.
std::string CycleOfPatternColumn(int column, int length) {
    std::string cycle;
    for (int row = 0; row < length; ++row) {
        const ShiftCode code = ShiftPatternAt(row, column);
        cycle += code >= kShiftEarly && code <= kShiftNight ? kShiftKindLetters[code - 1] : kOffLetter;
    }
    return cycle;
}

ShiftCode WithoutStandby(ShiftCode code) { return code == kShiftStandby ? kShiftOff : code; }

// A built-in plan rebuilt from its table gives the same shifts on every day
// of the calendar: type 2 (crew k reads the table 14k days ahead, which the
// default offsets 0, 7, 14 give), and the five-crew types without their
// vacation block, outside the 2015 transition of type 0.
TEST(OwnShiftPlan, ReproducesBuiltInTypesOnEveryDay) {
    struct Case {
        int type;
        int column;
        int length;
        int crews;
        DayNumber cycleStart;
        std::vector<int> offsets;  // empty: the defaults
    } cases[] = {
        {2, 2, 21, 3, 0, {}},
        // Crew k reads row (d + o_k) mod 35 with o = 10, 17, 24, 31, 3: with the
        // cycle starting on day 25 crew 0 needs offset 0 and crew k offset -o_k + 10.
        {4, 4, 35, 5, 25, {0, 28, 21, 14, 7}},
        {0, 1, 35, 5, 25, {0, 28, 21, 14, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        OwnShiftPlan plan = MakeOwnShiftPlan(CycleOfPatternColumn(c.column, c.length), c.cycleStart, c.crews);
        for (std::size_t k = 0; k < c.offsets.size(); ++k) plan.crews[k].offset = c.offsets[k];
        ASSERT_FALSE(HasPlanErrors(CheckOwnShiftPlan(plan)));
        int mismatches = 0;
        for (DayNumber d = kFirstDay; d <= kLastDay; ++d) {
            if (c.type == 0 && IsInTransitionPeriod(d)) continue;
            const CrewDayTable builtIn = ComputeCrewShifts(c.type, d, nullptr).table;
            const OwnPlanDay own = OwnPlanDayOf(plan, d);
            for (int k = 0; k < c.crews; ++k)
                if (own.Code(k) != WithoutStandby(builtIn.Code(k)) && mismatches++ < 3)
                    ADD_FAILURE() << "day " << d << " crew " << k;
        }
        EXPECT_EQ(mismatches, 0);
    }
}

// Over the whole calendar, also before the cycle start: every crew repeats
// with the cycle, and a crew with offset o works on day d what crew 0
// (offset 0) works on day d - o.
TEST(OwnShiftPlan, RotationRepeatsAndOffsetsShiftExactly) {
    for (const char* cycle : {"FFSSNN----", "T", "FFFFSSSS----NNNN--------TT-"}) {
        SCOPED_TRACE(cycle);
        OwnShiftPlan plan = MakeOwnShiftPlan(cycle, DayNumberOf(2020, 6, 15), 6);
        const int length = plan.CycleLength();
        for (int k = 0; k < 6; ++k) plan.crews[k].offset = (k * 5 + 1) % length;
        plan.crews[0].offset = 0;
        int failures = 0;
        for (DayNumber d = kFirstDay; d <= kLastDay - length; ++d) {
            for (int k = 0; k < 6; ++k) {
                const ShiftCode code = OwnPlanShiftOf(plan, k, d);
                const bool repeats = code == OwnPlanShiftOf(plan, k, d + length);
                const bool shifted = code == OwnPlanShiftOf(plan, 0, d - plan.crews[k].offset);
                if ((!repeats || !shifted) && failures++ < 3) ADD_FAILURE() << "day " << d << " crew " << k;
            }
        }
        EXPECT_EQ(failures, 0);
    }
}

TEST(OwnShiftPlan, RuleAtKnownDays) {
    const DayNumber start = DayNumberOf(2024, 1, 1);
    const OwnShiftPlan plan = MakeOwnShiftPlan("FFSSNN----", start, 5);
    // Default offsets k * 10 / 5 = 0, 2, 4, 6, 8.
    EXPECT_EQ(plan.crews[4].offset, 8);
    const struct {
        DayNumber d;
        const char* codes;
    } days[] = {
        {start, "14432"},
        {start + 2, "21443"},
        {start - 1, "44321"},  // before the start the remainder stays non-negative
        {start - 25, "32144"},
    };
    for (const auto& c : days) {
        std::string codes;
        for (int k = 0; k < 5; ++k) codes += static_cast<char>('0' + OwnPlanShiftOf(plan, k, c.d));
        EXPECT_EQ(codes, c.codes) << c.d;
    }
}

TEST(OwnShiftPlan, HolidaysOffAndDayShift) {
    OwnShiftPlan plan = MakeOwnShiftPlan("T", DayNumberOf(2024, 1, 1), 1);
    const DayNumber newYear = DayNumberOf(2025, 1, 1);
    EXPECT_EQ(OwnPlanShiftOf(plan, 0, newYear), kShiftDay);
    plan.workOnHolidays = false;
    EXPECT_EQ(OwnPlanShiftOf(plan, 0, newYear), kShiftOff);
    EXPECT_TRUE(OwnPlanDayOf(plan, newYear).holidayOff);
    EXPECT_EQ(OwnPlanShiftOf(plan, 0, newYear + 1), kShiftDay);
    EXPECT_EQ(OwnPlanPaidMinutes(plan, 0, newYear + 1), 8 * 60);
    // Only the kinds in use are sub-columns; the day shift keeps mark column 1.
    const auto columns = OwnPlanSubColumns(plan);
    ASSERT_EQ(columns.size(), 1u);
    EXPECT_EQ(columns[0].kind, ShiftKind::kDay);
    EXPECT_EQ(columns[0].markColumn, 1);
    EXPECT_EQ(ShiftTimesText({22 * 60, 6 * 60 + 30, 0}), "22.00 - 6.30 Uhr");
    EXPECT_EQ(ShiftLengthMinutes(18 * 60, 6 * 60), 12 * 60);
}

// The painter's row: one cell per kind in use, the crew on it and its colour.
TEST(OwnShiftPlan, RowOfSubColumns) {
    OwnShiftPlan plan = MakeOwnShiftPlan("FFTT--", DayNumberOf(2024, 1, 1), 2);  // offsets 0, 3
    plan.crews[1].colour = 0x00AA00;
    const OwnPlanRow row = OwnPlanRowOf(plan, DayNumberOf(2024, 1, 4));  // positions 3 (T) and 0 (F)
    ASSERT_EQ(row.columnCount, 2);
    EXPECT_EQ(row.cells[0].kind, ShiftKind::kEarly);
    EXPECT_EQ(row.cells[0].markColumn, 2);
    EXPECT_EQ(row.cells[0].crew, 1);
    EXPECT_EQ(row.cells[0].colour, 0x00AA00);
    EXPECT_EQ(row.cells[1].kind, ShiftKind::kDay);
    EXPECT_EQ(row.cells[1].crew, 0);
    EXPECT_EQ(row.cells[1].colour, kOwnCrewColours[0]);
    const OwnPlanRow gap = OwnPlanRowOf(plan, DayNumberOf(2024, 1, 5));  // positions 4 (-) and 1 (F)
    EXPECT_EQ(gap.cells[1].crew, -1);
    EXPECT_EQ(gap.cells[1].crewCount, 0);
    EXPECT_EQ(std::string() + ShiftLetterOf(kShiftDay) + ShiftLetterOf(kShiftOff) + ShiftLetterOf(kShiftNight), "T-N");
}

TEST(OwnShiftPlan, CheckFindsErrorsAndWarnings) {
    auto plan = [](const char* cycle, int crews) { return MakeOwnShiftPlan(cycle, DayNumberOf(2024, 1, 1), crews); };
    struct Case {
        const char* what;
        OwnShiftPlan plan;
        bool error;
        const char* text;  // part of the first finding
    };
    std::vector<Case> cases = {
        {"letter", plan("FFX-", 2), true, "an Stelle 3 „X“"},
        {"empty", plan("", 2), true, "leer"},
        {"too long", plan(std::string(85, 'F').c_str(), 2), true, "höchstens 84"},
        {"no crew", plan("FS-", 0), true, "keine Schicht"},
        {"gap", plan("FFSSNN----", 2), false, "ist die Frühschicht nicht besetzt"},
        {"double", plan("FFFS", 2), false, "mehrere Schichten zugleich Frühschicht"},
    };
    Case offset{"offset", plan("FSN-", 2), true, "außerhalb des Zyklus (0 bis 3)"};
    offset.plan.crews[1].offset = 4;
    cases.push_back(offset);
    Case unused{"kind not chosen", plan("FSN-", 1), true, "Tag ist nicht gewählt"};
    unused.plan.cycle = "FSNT";
    cases.push_back(unused);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto findings = CheckOwnShiftPlan(c.plan);
        ASSERT_FALSE(findings.empty());
        EXPECT_EQ(HasPlanErrors(findings), c.error);
        EXPECT_NE(findings[0].text.find(c.text), std::string::npos) << findings[0].text;
    }
    // Five crews on "FFSSNN----" cover every shift exactly once a day.
    EXPECT_TRUE(CheckOwnShiftPlan(plan("FFSSNN----", 5)).empty());
}

}  // namespace
}  // namespace sk
