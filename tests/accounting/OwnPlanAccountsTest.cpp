// The accounts with the own plan: working days of the home crew from the
// rotation, hours from the plan's paid hours, no vacation block.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "accounting/AccountCommon.h"
#include "accounting/HoursAccount.h"
#include "accounting/RemainingVacation.h"
#include "accounting/YearHours.h"
#include "accounting/YearHoursWindowModel.h"

namespace sk {
namespace {

DayNumber Day(int y, int m, int d) { return DayNumberOf(y, m, d); }

// Crew 0 works F F S S N N on 1-6 January 2024 and every ten days again.
OwnShiftPlan Plan() {
    OwnShiftPlan plan = MakeOwnShiftPlan("FFSSNN----", Day(2024, 1, 1), 5);
    plan.kindTimes[0].paidMinutes = 7 * 60 + 30;
    plan.kindTimes[2] = {18 * 60, 6 * 60, 12 * 60};
    return plan;
}

TEST(OwnPlanAccounts, VacationMarksCountWorkingDaysOfTheHomeCrew) {
    const OwnShiftPlan plan = Plan();
    const VacationBlock block = ComputeVacationBlock(2024, 4, 25, MakeDefaultVacationOrderTables());
    const VacationDays days{Day(2024, 1, 1), 30};
    const struct {
        const char* what;
        ShiftMark mark;
        CountedHolidayRule rule;
        int counted;
    } cases[] = {
        {"working day", {Day(2024, 1, 2), 2, kMarkVacation}, CountedHolidayRule::kBuiltInRule, 1},
        {"day off", {Day(2024, 1, 8), 2, kMarkVacation}, CountedHolidayRule::kBuiltInRule, 0},
        {"New Year", {Day(2024, 1, 1), 2, kMarkVacation}, CountedHolidayRule::kBuiltInRule, 0},
        {"New Year, no holidays", {Day(2024, 1, 1), 2, kMarkVacation}, CountedHolidayRule::kNone, 1},
        // All Saints' Day (position 5: N) is a public holiday but not one of the built-in rule.
        {"All Saints", {Day(2024, 11, 1), 2, kMarkVacation}, CountedHolidayRule::kBuiltInRule, 1},
        {"All Saints, public", {Day(2024, 11, 1), 2, kMarkVacation}, CountedHolidayRule::kPublicHolidays, 0},
        {"other year", {Day(2025, 1, 2), 2, kMarkVacation}, CountedHolidayRule::kBuiltInRule, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OwnShiftPlan p = plan;
        p.countedHolidays = c.rule;
        EXPECT_EQ(CountVacationMarks({c.mark}, kOwnPlanCalendarType, days, 0, 2024, block, &p), c.counted);
    }
    // Without a plan the own type counts nothing and shows nothing.
    EXPECT_EQ(CountVacationMarks({cases[0].mark}, kOwnPlanCalendarType, days, 0, 2024, block, nullptr), 0);
}

TEST(OwnPlanAccounts, HoursFromPaidHours) {
    const OwnShiftPlan plan = Plan();
    HoursCountInput in;
    in.calendarType = kOwnPlanCalendarType;
    in.ownPlan = &plan;
    in.hours.hoursCountStart = Day(2024, 1, 1);
    in.hours.vacationBlockAsMinus = true;  // no block in the own plan
    const std::vector<ShiftMark> marks = {
        {Day(2024, 1, 2), 2, kMarkTimeOff},    // works F: 7.5 hours off
        {Day(2024, 1, 5), 4, kMarkTimeOff},    // works N: 12 hours off
        {Day(2024, 1, 8), 4, kMarkExtraWork},  // off; extra night shift: 12 hours
        {Day(2024, 1, 9), 1, kMarkTraining},   // off; column of the day shift, which the plan lacks: its default 8
        {Day(2024, 1, 3), 3, kMarkExtraWork},  // works: nothing
    };
    EXPECT_EQ(HoursOfTimeOff(marks, in), 19.5);
    EXPECT_EQ(HoursOfExtraWork(marks, in), 20.0);
    EXPECT_EQ(HoursOfVacationBlock(in), 0.0);
    EXPECT_EQ(HoursBalance(marks, in), 0.5f);
    in.hours.hoursFormat = 1;
    in.hours.hoursAtStart = 1.15f;  // 1:15 + 0:30
    EXPECT_EQ(HoursBalanceText(HoursBalance(marks, in), 1), "   1:45");
}

// A year's hours are the paid hours of the shifts worked, holidays off
// included when the plan has them.
TEST(OwnPlanAccounts, YearHoursAreThePaidHoursOfWorkingDays) {
    for (const bool workOnHolidays : {true, false}) {
        OwnShiftPlan plan = Plan();
        plan.workOnHolidays = workOnHolidays;
        for (const int year : {1970, 2024, 2037}) {
            SCOPED_TRACE(year);
            const YearHours t = CountOwnPlanYearHours(year, plan);
            ASSERT_EQ(t.crews, 5);
            for (int k = 0; k < 5; ++k) {
                long long minutes = 0;
                for (DayNumber d = FirstDayOfYear(year); d < FirstDayOfYear(year + 1); ++d)
                    minutes += OwnPlanPaidMinutes(plan, k, d);
                EXPECT_DOUBLE_EQ(t.hours[k][12], minutes / 60.0) << k;
            }
        }
    }
    // 2024: crew 0 works 37 cycles of F F S S N N (366 days = 36 cycles + 6 days).
    const YearHours t = CountOwnPlanYearHours(2024, Plan());
    EXPECT_DOUBLE_EQ(t.hours[0][12], 37 * (2 * 7.5 + 2 * 8 + 2 * 12));
    YearHoursSettings settings;
    settings.calendarType = kOwnPlanCalendarType;
    settings.targetHours38 = 2000.0f;
    EXPECT_TRUE(YearHoursListFor(2024, settings).titles.empty());
    // The target is the plan's, not the mills' 38-hour target of the settings:
    // the crews' paid hours on average, so each crew is off only by where the
    // year cuts its rotation ...
    const OwnShiftPlan plan = Plan();
    settings.ownPlan = &plan;
    YearHoursList list = YearHoursListFor(2024, settings);
    EXPECT_EQ(list.titles, (std::vector<std::string>{"Monat", "Rot", "Blau", "Gelb", "Grün", "Braun"}));
    EXPECT_EQ(list.rows[12][1], "2035,00");
    double mean = 0;
    for (int k = 0; k < 5; ++k) mean += t.hours[k][12] / 5;
    EXPECT_NEAR(OwnPlanYearTarget(plan, t), mean, 0.005);
    for (int k = 1; k <= 5; ++k) {
        const double ist = std::stod(list.rows[14][k].substr(list.rows[14][k][0] == '+'));  // "-12,50" / "+3,00"
        EXPECT_LT(std::abs(ist), 2 * 12 + 2 * 8 + 2 * 7.5) << list.rows[14][k];
    }
    // ... or the target entered with the plan.
    OwnShiftPlan withTarget = plan;
    withTarget.yearlyTargetHundredths = 200000;
    settings.ownPlan = &withTarget;
    list = YearHoursListFor(2024, settings);
    EXPECT_EQ(list.rows[13][1], "2000,00");
    EXPECT_EQ(list.rows[14][1], "+35,00");
}

}  // namespace
}  // namespace sk
