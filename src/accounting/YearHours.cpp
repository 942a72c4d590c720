#include "accounting/YearHours.h"

#include <charconv>
#include <algorithm>
#include <cmath>

#include "accounting/AccountCommon.h"
#include "shift/ShiftComputation.h"

namespace sk {

namespace {

std::string DecimalComma(double v) {
    // Rounded first, so a difference that shows as zero carries no sign.
    double rounded = std::round(v * 100.0) / 100.0;
    if (rounded == 0.0) rounded = 0.0;
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, rounded, std::chars_format::fixed, 2);
    std::string text(buf, r.ptr);
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

std::string HoursCell(const YearHours& table, double v) {
    if (table.decimalHours) return DecimalComma(v);
    return std::to_string(static_cast<long long>(v));
}

}  // namespace

YearHours CountYearHours(int year, int calendarType, int vacationStartMonth, int vacationStartDay,
                         const VacationOrderTables& tables) {
    YearHours result;
    if (!HasVacationBlock(calendarType) && calendarType != 2) return result;  // four-crew plans
    const DayNumber first = FirstDayOfYear(year);
    const DayNumber next = FirstDayOfYear(year + 1);
    if (calendarType == 2) {
        result.crews = 3;
        result.decimalHours = true;
        for (DayNumber d = first; d < next; ++d) {
            const int month = CivilOf(d).month - 1;
            const CrewDayTable t = ComputeCrewShifts(calendarType, d, nullptr).table;
            for (int j = 0; j < 3; ++j) {
                if (t.Code(j) != kShiftEarly && t.Code(j) != kShiftLate) continue;
                result.hours[j][month] += 8.5;
                result.hours[j][12] += 8.5;
            }
        }
        return result;
    }
    result.crews = 5;
    const VacationBlock block = ComputeVacationBlock(year, vacationStartMonth, vacationStartDay, tables);
    for (DayNumber d = first; d < next; ++d) {
        const int month = CivilOf(d).month - 1;
        const CrewDayTable t = ComputeCrewShifts(calendarType, d, &block).table;
        const bool inWindow = IsInVacationWindow(block, d);
        const int hours = ShiftHoursOn(d);
        for (int j = 0; j < 5; ++j) {
            const ShiftCode c = t.Code(j);
            const bool works = c == kShiftEarly || c == kShiftLate || c == kShiftNight;
            if (!works && !(inWindow && c == kShiftStandby)) continue;
            result.hours[j][month] += hours;
            result.hours[j][12] += hours;
        }
    }
    return result;
}

YearHours CountOwnPlanYearHours(int year, const OwnShiftPlan& plan, Region region) {
    YearHours result;
    result.crews = std::min(plan.CrewCount(), kMaxOwnCrews);
    result.decimalHours = true;
    for (int j = 0; j < result.crews; ++j) result.crewNames.push_back(plan.crews[j].name);
    const DayNumber next = FirstDayOfYear(year + 1);
    for (DayNumber d = FirstDayOfYear(year); d < next; ++d) {
        const int month = CivilOf(d).month - 1;
        const OwnPlanDay day = OwnPlanDayOf(plan, d, region);
        for (int j = 0; j < result.crews; ++j) {
            const int kind = KindOfShiftCode(day.Code(j));
            if (kind < 0) continue;
            const double hours = plan.kindTimes[kind].paidMinutes / 60.0;
            result.hours[j][month] += hours;
            result.hours[j][12] += hours;
        }
    }
    return result;
}

float OwnPlanYearTarget(const OwnShiftPlan& plan, const YearHours& hours) {
    if (plan.yearlyTargetHundredths > 0) return static_cast<float>(plan.yearlyTargetHundredths / 100.0);
    if (hours.crews <= 0) return 0.0f;
    double sum = 0.0;
    for (int j = 0; j < hours.crews; ++j) sum += hours.hours[j][12];
    // To the hundredth the table shows.
    return static_cast<float>(std::round(sum / hours.crews * 100.0) / 100.0);
}

float YearHoursTarget(int calendarType, float targetHours38, float targetHours40) {
    return calendarType == 2 ? targetHours40 : targetHours38;
}

std::vector<std::string> YearHoursColumnTitles(const YearHours& table) {
    std::vector<std::string> titles{"Monat"};
    for (int j = 0; j < table.crews; ++j)
        titles.emplace_back(j < static_cast<int>(table.crewNames.size()) ? table.crewNames[j] : kCrewNames[j]);
    return titles;
}

std::vector<std::vector<std::string>> YearHoursRows(const YearHours& table, float target) {
    std::vector<std::vector<std::string>> rows;
    for (int m = 0; m <= 12; ++m) {
        std::vector<std::string> row{m < 12 ? kMonthNames[m] : ""};
        for (int j = 0; j < table.crews; ++j) row.push_back(HoursCell(table, table.hours[j][m]));
        rows.push_back(std::move(row));
    }
    std::vector<std::string> soll{"Soll"};
    std::vector<std::string> ist{"Ist"};
    for (int j = 0; j < table.crews; ++j) {
        soll.push_back(DecimalComma(target));
        const double diff = table.hours[j][12] - static_cast<double>(target);
        std::string text = DecimalComma(diff);
        if (text != "0,00" && text[0] != '-') text.insert(0, "+");
        ist.push_back(std::move(text));
    }
    rows.push_back(std::move(soll));
    rows.push_back(std::move(ist));
    return rows;
}

}  // namespace sk
