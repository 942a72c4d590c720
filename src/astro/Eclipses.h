#pragma once
// Solar and lunar eclipses whose greatest phase falls on the context's day
// (Meeus, "Astronomical Algorithms", 2nd ed., ch. 54: the quantities P, Q,
// gamma and u of the lunation).

#include <string>

#include "astro/LunarInstantCache.h"
#include "astro/Observer.h"
#include "calendar/Date.h"

namespace sk {

// Solar types: 0 partial, 1 total, 2 annular. Lunar types: 0 partial, 1 total.
enum EclipseType : int { kPartialEclipse = 0, kTotalEclipse = 1, kAnnularEclipse = 2 };

// The quantities of the lunation (integer part of kEstimate) + phaseOffset.
struct EclipseQuantities {
    double jde, gamma, u;
    bool nearNode;  // |sin F| <= 0.36
};
EclipseQuantities EclipseQuantitiesOf(double kEstimate, double phaseOffset);

// JDE of greatest eclipse of the type at new moon (offset 0) or full moon
// (offset 0.5), 0 when that lunation has no eclipse of this type.
double EclipseInstant(int type, double kEstimate, double phaseOffset);

double FindEclipse(int type, double phaseOffset, const DayContext& ctx, LunarInstantCache* cache = nullptr);

// Type of the solar (lunar) eclipse shown on the day, in the order total,
// annular, partial (total, partial), or -1 for none.
int SolarEclipseTypeOnDay(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache = nullptr);
int LunarEclipseTypeOnDay(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache = nullptr);

std::string SolarEclipseText(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache = nullptr);
std::string LunarEclipseText(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache = nullptr);

}  // namespace sk
