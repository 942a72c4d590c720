#pragma once
// What the window "Ferientermine" shows for the year of its spin field.

#include <string>
#include <vector>

#include "calendar/SchoolHolidays.h"

namespace sk {

struct SchoolHolidayListContent {
    std::vector<SchoolHolidayRow> rows;  // the six periods, or none
    std::string note;                    // one line shown instead of an empty list
};

// The rows of `year`; for a year the table does not cover, no rows and the
// note "Keine Termine für <year> vorhanden", so dates of another year never
// stand under the year shown.
SchoolHolidayListContent SchoolHolidayListFor(int year);

// The years the spin field offers: two before to ten after the current
// year, widened so that the year the window opens on is always one of them.
YearRange SchoolHolidaySpinRange(int currentYear, int openingYear);

}  // namespace sk
