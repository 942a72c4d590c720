#pragma once
// Texts of the status fields that describe the cursor day.

#include <string>

#include "calendar/Date.h"
#include "calendar/Regions.h"

namespace sk {

// Between the parts of the day info: no-break space, "-", no-break space.
inline constexpr const char* kDayInfoSeparator = "\u00A0-\u00A0";

// "Sonntag, 24. Dezember 2017", the day's name if any (the days off of
// `region`), its name days.
std::string DayInfoText(const DayContext& ctx, Region region = kDefaultRegion);

// "6. Dezember 2026": today's date in the half-year view.
std::string TodayText(const DayContext& today);

}  // namespace sk
