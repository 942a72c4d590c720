#include "settings/Settings.h"

#include <algorithm>
#include <cmath>

namespace sk {

namespace {

void FiniteOr(double& value, double fallback, double limit) {
    if (!std::isfinite(value) || std::fabs(value) > limit) value = fallback;
}

}  // namespace

void SanitizeSettings(Settings& s) {
    const Settings defaults;
    s.lastColumn = std::clamp(s.lastColumn, kFewestColumnsIndex, kMostColumnsIndex);
    if (s.calendarType < 0 || s.calendarType >= kCalendarTypeCount) s.calendarType = defaults.calendarType;
    if (s.twilightKind < 0 || s.twilightKind >= kTwilightKindCount) s.twilightKind = defaults.twilightKind;
    if (s.vacationStartMonth < 1 || s.vacationStartMonth > 12) {
        s.vacationStartMonth = defaults.vacationStartMonth;
        s.vacationStartDay = defaults.vacationStartDay;
    }
    // The longest form of each month, so 29 February survives a common year.
    static constexpr int kLongestMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    s.vacationStartDay = std::clamp(s.vacationStartDay, 1, kLongestMonth[s.vacationStartMonth - 1]);
    // A size no one can read or no screen can hold is a damaged value.
    if (s.fontSize < kSmallestFontSize || s.fontSize > kLargestFontSize) s.fontSize = defaults.fontSize;
    s.fontStyle &= 3;
    FiniteOr(s.latitude, defaults.latitude, 90.0);
    FiniteOr(s.longitude, defaults.longitude, 180.0);
    FiniteOr(s.timeZone, defaults.timeZone, 24.0);
    if (!std::isfinite(s.targetHours38) || s.targetHours38 < 0) s.targetHours38 = defaults.targetHours38;
    if (!std::isfinite(s.targetHours40) || s.targetHours40 < 0) s.targetHours40 = defaults.targetHours40;
}

}  // namespace sk
