#pragma once
// The half-year page painted into an image with answers from the core,
// every text laid out anew: one picture for the page's tests.

#include <optional>
#include <vector>

#include "view/Canvas.h"
#include "view/CoreCalendarData.h"
#include "view/HalfYearPage.h"

namespace sk {

inline void PaintHalfYearPlan(const Cairo::RefPtr<Cairo::ImageSurface>& surface, const HalfYearGeometry& geometry,
                              int monthNumber, int year, const CoreSources& sources,
                              std::vector<PageText>* texts = nullptr, const OwnShiftPlan* ownPlan = nullptr) {
    // The sources answer for the plan whose page is painted.
    CoreSources withPlan = sources;
    std::optional<OwnShiftPlan> plan;
    if (ownPlan) {
        plan = *ownPlan;
        withPlan.ownPlan = &plan;
    }
    CoreCalendarData data(withPlan);
    Canvas canvas(surface, kHalfYearFontFamily);
    PaintHalfYearPlan(canvas, geometry, monthNumber, year, data, texts, ownPlan);
    surface->mark_dirty();
}

}  // namespace sk
