#pragma once
// The yearly hours table: per crew the working hours of every month, their
// sum, the yearly target and the difference, for the five-crew plans, the
// two-shift plan and the own plan.

#include <array>
#include <string>
#include <vector>

#include "shift/OwnShiftPlan.h"
#include "shift/VacationBlock.h"

namespace sk {

inline constexpr const char* kYearHoursTitle = "Jahresstunden";

struct YearHours {
    int crews = 0;              // 5, 3 for the two-shift plan, 1-6 for the own plan, 0 for the four-crew plans
    bool decimalHours = false;  // hours with two decimals instead of whole hours
    // [crew][month 0-11], column 12 the year's sum.
    std::array<std::array<double, 13>, kMaxOwnCrews> hours{};
    // The own plan's crew names; empty for the built-in plans (named by colour).
    std::vector<std::string> crewNames;
};

// Five-crew plans: a day counts 8 hours (12 on a Sunday) for a crew that
// works it, and for the vacation crew on the days of its block (code 0 in
// the window of `year`). Two-shift plan: 8.5 hours per early or late shift,
// no Sunday supplement, no vacation block.
YearHours CountYearHours(int year, int calendarType, int vacationStartMonth, int vacationStartDay,
                         const VacationOrderTables& tables);
// The own plan: per crew the paid hours of every shift it works in the year
// (days off on holidays, when the plan has them, count nothing).
YearHours CountOwnPlanYearHours(int year, const OwnShiftPlan& plan, Region region = kDefaultRegion);

// The target of the plan: the 38-hour week for the five-crew plans and the
// own plan, the 40-hour week for the two-shift plan.
float YearHoursTarget(int calendarType, float targetHours38, float targetHours40);
// The own plan's target: the one entered with the plan, else the plan's own,
// the crews' paid hours of the year on average (each crew then differs from
// it only by where the year cuts its rotation).
float OwnPlanYearTarget(const OwnShiftPlan& plan, const YearHours& hours);

// The list of the window as texts: the column titles ("Monat" and the crew
// names) and the rows: 12 months, the sums (empty first cell), "Soll" and "Ist".
std::vector<std::string> YearHoursColumnTitles(const YearHours& table);
std::vector<std::vector<std::string>> YearHoursRows(const YearHours& table, float target);

}  // namespace sk
