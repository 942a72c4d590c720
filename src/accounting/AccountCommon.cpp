#include "accounting/AccountCommon.h"

#include "calendar/Holidays.h"
#include "shift/ShiftComputation.h"

namespace sk {

bool IsCountedHoliday(DayNumber d, int level, Region region) {
    if (level < 1) return false;
    const CivilDate c = CivilOf(d);
    // The day's own year, not the calendar's clamped one: a day outside the
    // calendar lies far from the clamped year's Easter.
    DayContext ctx = MakeDayContext(d);
    ctx.year = c.year;
    if (IsCountedPublicHoliday(ctx, region)) return true;
    const int monthDay = c.month * 100 + c.day;
    if ((monthDay == 1224 || monthDay == 1231) && level >= 3) return true;
    if (monthDay == 430 && level >= 4) return true;
    if (c.year < kFirstFeastYear || c.year > kLastFeastYear) return false;
    const int e = d - FirstDayOfYear(c.year) - EasterDayOfYear(c.year);
    return (e == -1 && level >= 3) || (e == 48 && level >= 4);
}

namespace {

int BuiltInCrew(int homeCrew) { return homeCrew >= 0 && homeCrew < kMaxCrews ? homeCrew : 0; }

}  // namespace

bool HomeCrewWorksOn(const AccountPlan& plan, int homeCrew, DayNumber d) {
    if (plan.IsOwnPlan())
        return plan.ownPlan != nullptr && OwnPlanShiftOf(*plan.ownPlan, homeCrew, d, plan.region) != kShiftOff;
    const ShiftCode code = ComputeCrewShifts(plan.calendarType, d, plan.block).table.Code(BuiltInCrew(homeCrew));
    return code == kShiftEarly || code == kShiftLate || code == kShiftNight;
}

int ShiftMinutesOn(const AccountPlan& plan, int homeCrew, DayNumber d, int markColumn) {
    if (!plan.IsOwnPlan()) return ShiftHoursOn(d) * 60;
    if (plan.ownPlan == nullptr) return 0;
    int kind = KindOfShiftCode(OwnPlanShiftOf(*plan.ownPlan, homeCrew, d, plan.region));
    if (kind < 0) kind = KindOfMarkColumn(markColumn);
    return kind < 0 ? 0 : plan.ownPlan->kindTimes[kind].paidMinutes;
}

bool IsCountedHolidayIn(const AccountPlan& plan, DayNumber d, int level) {
    if (!plan.IsOwnPlan() || plan.ownPlan == nullptr) return IsCountedHoliday(d, level, plan.region);
    switch (plan.ownPlan->countedHolidays) {
        case CountedHolidayRule::kBuiltInRule: return IsCountedHoliday(d, level, plan.region);
        case CountedHolidayRule::kPublicHolidays: return IsPublicHoliday(MakeDayContext(d), plan.region);
        case CountedHolidayRule::kNone: return false;
    }
    return false;
}

}  // namespace sk
