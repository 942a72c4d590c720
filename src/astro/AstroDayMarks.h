#pragma once
// What the calendar paints of the astronomy in a day cell: the moon-phase
// letter, the eclipse shading and the distance letter.

#include <vector>

#include "astro/LunarInstantCache.h"
#include "astro/Observer.h"
#include "calendar/Date.h"

namespace sk {

enum class EclipseShading { kNone, kSolar, kLunar };

struct AstroDayMarks {
    char phaseLetter = 0;     // 'N' new, 'V' full, 'E' first quarter, 'L' last quarter, 0 none
    EclipseShading eclipse = EclipseShading::kNone;
    char distanceLetter = 0;  // 'F' apogee, 'N' perigee, 0 none

    bool operator==(const AstroDayMarks&) const = default;
};

// The values of one day. The cache may be null (each search from scratch);
// a cache shared over many days gives the same values faster.
AstroDayMarks ComputeAstroDayMarks(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache = nullptr);

// The values of `count` consecutive days from `first` (a painted range of
// month columns), with one shared cache.
std::vector<AstroDayMarks> ComputeAstroDayMarksRange(DayNumber first, int count, const Observer& obs);

}  // namespace sk
