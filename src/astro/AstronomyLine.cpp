#include "astro/AstronomyLine.h"

#include "astro/Eclipses.h"
#include "astro/MoonPhases.h"
#include "astro/RiseSet.h"
#include "astro/Seasons.h"
#include "astro/TimeScales.h"

namespace sk {

std::string AstronomyLine(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    DayRiseSet sky(ctx, obs);
    std::string line = RiseSetText(kCivilTwilightKind, sky);
    auto append = [&line](const std::string& part) {
        if (part.empty()) return;
        line += kAstronomySeparator;
        line += part;
    };
    line += kAstronomySeparator;
    line += RiseSetText(kSunKind, sky);
    line += kAstronomySeparator;
    line += RiseSetText(kMoonKind, sky);
    append(SeasonText(ctx, obs));
    append(TimeChangeNotice(ctx));
    const PhaseResult phase = PhaseText(ctx, obs, cache);
    append(phase.text);
    if (phase.eclipseMark == kSolarCandidate) append(SolarEclipseText(ctx, obs, cache));
    if (phase.eclipseMark == kLunarCandidate) append(LunarEclipseText(ctx, obs, cache));
    append(ApogeeText(ctx, obs, cache));
    append(PerigeeText(ctx, obs, cache));
    append(AphelionText(ctx, obs, cache));
    append(PerihelionText(ctx, obs, cache));
    return line;
}

}  // namespace sk
