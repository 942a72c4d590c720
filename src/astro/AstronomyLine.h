#pragma once
// The one astronomy text of a day for the status line and the plan export.

#include <string>

#include "astro/LunarInstantCache.h"
#include "astro/Observer.h"
#include "calendar/Date.h"

namespace sk {

// Separator between the parts: comma and no-break space.
inline constexpr const char* kAstronomySeparator = ",\u00A0";

// Twilight, Sun and Moon always; then season, change of time, moon phase,
// eclipse, apogee, perigee, aphelion and perihelion when they fall on the day.
std::string AstronomyLine(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache = nullptr);

}  // namespace sk
