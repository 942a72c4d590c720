#pragma once
// What the calendar paints of the astronomy in a day cell: the moon-phase
// letter, the eclipse shading and the distance letter.

#include <cstddef>
#include <cstdint>
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

// The values of the months a window shows, kept across its repaints: paging
// or a repaint for another reason shows mostly the same months again, and
// their marks only change with the place. Holds the last kMonths ranges.
class AstroMonthCache {
public:
    static constexpr std::size_t kMonths = 64;
    const std::vector<AstroDayMarks>& Range(DayNumber first, int count, const Observer& obs);

private:
    struct Entry {
        DayNumber first = 0;
        int count = 0;
        Observer observer;
        std::uint64_t lastUse = 0;
        std::vector<AstroDayMarks> marks;
    };
    std::vector<Entry> entries_;
    std::uint64_t uses_ = 0;
};

}  // namespace sk
