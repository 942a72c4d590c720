#include "calendar/SchoolHolidayWindowModel.h"

#include <algorithm>

namespace sk {

SchoolHolidayListContent SchoolHolidayListFor(int year) {
    SchoolHolidayListContent content;
    if (const auto rows = SchoolHolidayRows(year)) {
        content.rows.assign(rows->begin(), rows->end());
    } else {
        content.note = "Keine Termine für " + std::to_string(year) + " vorhanden";
    }
    return content;
}

YearRange SchoolHolidaySpinRange(int currentYear, int openingYear) {
    const YearRange usual = SchoolHolidayYearRange(currentYear);
    return {std::min(usual.first, openingYear), std::max(usual.last, openingYear)};
}

}  // namespace sk
