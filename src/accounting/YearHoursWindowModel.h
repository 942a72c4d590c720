#pragma once
// What the window "Jahresstunden" shows: which variant of the list the
// calendar type asks for, the year it opens on and the list of a year.

#include <string>
#include <vector>

#include "accounting/YearHours.h"
#include "calendar/ViewState.h"
#include "shift/CalendarTypes.h"

namespace sk {

enum class YearHoursVariant {
    kNone,      // four-crew plans: the entry does nothing
    kFiveCrew,  // whole hours, 38-hour target
    kTwoShift,  // hours with two decimals, 40-hour target
    kOwnPlan,   // the own plan's crews and paid hours, the plan's target
};
YearHoursVariant YearHoursVariantOf(int calendarType);

// The year of the cursor's month column, inside the calendar's years.
int YearHoursStartYear(const ViewState& view);

// Inputs of the count besides the year.
struct YearHoursSettings {
    int calendarType = 0;
    int vacationStartMonth = kDefaultVacationStartMonth;
    int vacationStartDay = kDefaultVacationStartDay;
    const VacationOrderTables* tables = nullptr;
    float targetHours38 = 0.0f;
    float targetHours40 = 0.0f;
    const OwnShiftPlan* ownPlan = nullptr;  // type 8; without it the list is empty
    Region region = kDefaultRegion;         // the own plan's days off on holidays
};

struct YearHoursList {
    std::vector<std::string> titles;             // "Monat" and the crew names
    std::vector<std::vector<std::string>> rows;  // months, sums, "Soll", "Ist"
};

// The list for `year` (clamped to the calendar's years); empty for the
// four-crew plans and for the own plan type without a plan.
YearHoursList YearHoursListFor(int year, const YearHoursSettings& settings);

}  // namespace sk
