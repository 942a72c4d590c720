#include "accounting/AccountCommon.h"

#include "calendar/Holidays.h"
#include "shift/ShiftComputation.h"

namespace sk {

bool IsCountedHoliday(DayNumber d, int level) {
    if (level < 1) return false;
    const CivilDate c = CivilOf(d);
    const int monthDay = c.month * 100 + c.day;
    switch (monthDay) {
        case 101: case 106: case 501: case 815: case 1003: case 1225: case 1226:
            return true;
        case 1224: case 1231:
            if (level >= 3) return true;
            break;
        case 430:
            if (level >= 4) return true;
            break;
        default:
            break;
    }
    if (c.year < kFirstFeastYear || c.year > kLastFeastYear) return false;
    const int e = d - FirstDayOfYear(c.year) - EasterDayOfYear(c.year);
    switch (e) {
        case -2: case 0: case 1: case 39: case 49: case 50: case 60:
            return true;
        case -1:
            return level >= 3;
        case 48:
            return level >= 4;
        default:
            return false;
    }
}

namespace {

int BuiltInCrew(int homeCrew) { return homeCrew >= 0 && homeCrew < kMaxCrews ? homeCrew : 0; }

}  // namespace

bool HomeCrewWorksOn(const AccountPlan& plan, int homeCrew, DayNumber d) {
    if (plan.IsOwnPlan()) return plan.ownPlan != nullptr && OwnPlanShiftOf(*plan.ownPlan, homeCrew, d) != kShiftOff;
    const ShiftCode code = ComputeCrewShifts(plan.calendarType, d, plan.block).table.Code(BuiltInCrew(homeCrew));
    return code == kShiftEarly || code == kShiftLate || code == kShiftNight;
}

int ShiftMinutesOn(const AccountPlan& plan, int homeCrew, DayNumber d, int markColumn) {
    if (!plan.IsOwnPlan()) return ShiftHoursOn(d) * 60;
    if (plan.ownPlan == nullptr) return 0;
    int kind = KindOfShiftCode(OwnPlanShiftOf(*plan.ownPlan, homeCrew, d));
    if (kind < 0) kind = KindOfMarkColumn(markColumn);
    return kind < 0 ? 0 : plan.ownPlan->kindTimes[kind].paidMinutes;
}

bool IsCountedHolidayIn(const AccountPlan& plan, DayNumber d, int level) {
    if (!plan.IsOwnPlan() || plan.ownPlan == nullptr) return IsCountedHoliday(d, level);
    switch (plan.ownPlan->countedHolidays) {
        case CountedHolidayRule::kBuiltInRule: return IsCountedHoliday(d, level);
        case CountedHolidayRule::kPublicHolidays: return IsPublicHoliday(MakeDayContext(d));
        case CountedHolidayRule::kNone: return false;
    }
    return false;
}

}  // namespace sk
