#include "accounting/YearHoursWindowModel.h"

#include <algorithm>

namespace sk {

YearHoursVariant YearHoursVariantOf(int calendarType) {
    if (calendarType == 2) return YearHoursVariant::kTwoShift;
    if (calendarType == kOwnPlanCalendarType) return YearHoursVariant::kOwnPlan;
    if (calendarType == 0 || calendarType == 1 || calendarType == 3 || calendarType == 4 || calendarType == 5) {
        return YearHoursVariant::kFiveCrew;
    }
    return YearHoursVariant::kNone;
}

int YearHoursStartYear(const ViewState& view) {
    const int monthCount = view.firstMonth + view.cursorColumn;
    const int year = view.firstYear + monthCount / 12;
    return std::clamp(year, kFirstYear, kLastYear);
}

YearHoursList YearHoursListFor(int year, const YearHoursSettings& settings) {
    YearHoursList list;
    const YearHoursVariant variant = YearHoursVariantOf(settings.calendarType);
    if (variant == YearHoursVariant::kNone) return list;
    if (variant == YearHoursVariant::kOwnPlan) {
        if (settings.ownPlan == nullptr) return list;
        const YearHours hours = CountOwnPlanYearHours(std::clamp(year, kFirstYear, kLastYear), *settings.ownPlan, settings.region);
        list.titles = YearHoursColumnTitles(hours);
        list.rows = YearHoursRows(hours, OwnPlanYearTarget(*settings.ownPlan, hours));
        return list;
    }
    const VacationOrderTables tables = settings.tables ? *settings.tables : MakeDefaultVacationOrderTables();
    const YearHours hours = CountYearHours(std::clamp(year, kFirstYear, kLastYear), settings.calendarType,
                                           settings.vacationStartMonth, settings.vacationStartDay, tables);
    const float target = YearHoursTarget(settings.calendarType, settings.targetHours38, settings.targetHours40);
    list.titles = YearHoursColumnTitles(hours);
    list.rows = YearHoursRows(hours, target);
    return list;
}

}  // namespace sk
