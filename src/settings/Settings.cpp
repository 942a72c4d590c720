#include "settings/Settings.h"

#include <algorithm>
#include <cmath>

namespace sk {

void ClampSettingsToRanges(Settings& s) {
    const Settings defaults;
    s.lastColumn = std::clamp(s.lastColumn, 0, kMaxLastColumn);
    if (s.calendarType < 0 || s.calendarType >= kCalendarTypeCount) s.calendarType = defaults.calendarType;
    if (s.twilightKind < 0 || s.twilightKind >= kTwilightKindCount) s.twilightKind = defaults.twilightKind;
    if (s.vacationStartMonth < 1 || s.vacationStartMonth > 12) {
        s.vacationStartMonth = defaults.vacationStartMonth;
        s.vacationStartDay = defaults.vacationStartDay;
    }
    // The longest form of each month, so 29 February survives a common year.
    static constexpr int kLongestMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    s.vacationStartDay = std::clamp(s.vacationStartDay, 1, kLongestMonth[s.vacationStartMonth - 1]);
    for (float* hours : {&s.targetHours38, &s.targetHours40}) {
        if (!std::isfinite(*hours) || *hours < 0 || *hours > kMaxTargetHours) {
            *hours = hours == &s.targetHours38 ? defaults.targetHours38 : defaults.targetHours40;
        }
    }
}

}  // namespace sk
