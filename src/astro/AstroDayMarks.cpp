#include "astro/AstroDayMarks.h"

#include "astro/Eclipses.h"
#include "astro/MoonPhases.h"

namespace sk {

AstroDayMarks ComputeAstroDayMarks(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    static constexpr char kLetters[] = {'N', 'E', 'V', 'L'};
    AstroDayMarks marks;
    const PhaseOnDay phase = FindPhaseOnDay(ctx, obs, cache);
    if (phase.found) marks.phaseLetter = kLetters[static_cast<int>(phase.kind)];
    if (phase.eclipseMark == kSolarCandidate && SolarEclipseTypeOnDay(ctx, obs, cache) >= 0)
        marks.eclipse = EclipseShading::kSolar;
    else if (phase.eclipseMark == kLunarCandidate && LunarEclipseTypeOnDay(ctx, obs, cache) >= 0)
        marks.eclipse = EclipseShading::kLunar;
    if (IsApogeeDay(ctx, obs, cache))
        marks.distanceLetter = 'F';
    else if (IsPerigeeDay(ctx, obs, cache))
        marks.distanceLetter = 'N';
    return marks;
}

std::vector<AstroDayMarks> ComputeAstroDayMarksRange(DayNumber first, int count, const Observer& obs) {
    std::vector<AstroDayMarks> result;
    if (count <= 0) return result;
    result.reserve(static_cast<std::size_t>(count));
    LunarInstantCache cache;
    DayContext ctx;
    for (int i = 0; i < count; ++i) {
        SetDayContext(ctx, first + i);
        result.push_back(ComputeAstroDayMarks(ctx, obs, &cache));
    }
    return result;
}

}  // namespace sk
