#include "astro/AstroDayMarks.h"

#include "astro/Eclipses.h"
#include "astro/MoonPhases.h"

namespace sk {

AstroDayMarks ComputeAstroDayMarks(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    AstroDayMarks marks;
    const PhaseResult phase = PhaseText(ctx, obs, cache);
    if (!phase.text.empty()) marks.phaseLetter = phase.text[0];
    if (phase.eclipseMark == kSolarCandidate && !SolarEclipseText(ctx, obs, cache).empty())
        marks.eclipse = EclipseShading::kSolar;
    else if (phase.eclipseMark == kLunarCandidate && !LunarEclipseText(ctx, obs, cache).empty())
        marks.eclipse = EclipseShading::kLunar;
    if (!ApogeeText(ctx, obs, cache).empty())
        marks.distanceLetter = 'F';
    else if (!PerigeeText(ctx, obs, cache).empty())
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
