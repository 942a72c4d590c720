#include "astro/AstroDayMarks.h"

#include <algorithm>

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

namespace {
bool SamePlace(const Observer& a, const Observer& b) {
    return a.latitude == b.latitude && a.longitude == b.longitude && a.zone == b.zone &&
           a.autoSummerTime == b.autoSummerTime && a.twilightKind == b.twilightKind;
}
}  // namespace

const std::vector<AstroDayMarks>& AstroMonthCache::Range(DayNumber first, int count, const Observer& obs) {
    entries_.reserve(kMonths);  // a returned range stays where it is until it is replaced
    ++uses_;
    for (Entry& e : entries_) {
        if (e.first == first && e.count == count && SamePlace(e.observer, obs)) {
            e.lastUse = uses_;
            return e.marks;
        }
    }
    Entry* slot = nullptr;
    if (entries_.size() < kMonths) {
        slot = &entries_.emplace_back();
    } else {
        slot = &*std::min_element(entries_.begin(), entries_.end(),
                                  [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    }
    *slot = Entry{first, count, obs, uses_, ComputeAstroDayMarksRange(first, count, obs)};
    return slot->marks;
}

}  // namespace sk
