#pragma once
// Equinoxes and solstices (Meeus, "Astronomical Algorithms", 2nd ed., ch. 27,
// Tables 27.B and 27.C), the Earth-Sun distance (VSOP87 radius series as
// abridged in Meeus' Appendix III, ch. 32) and the Earth's perihelion and
// aphelion (ch. 38) on the context's day.

#include <string>

#include "astro/LunarInstantCache.h"
#include "astro/Observer.h"
#include "calendar/Date.h"

namespace sk {

// JDE of the season that begins in the month (index 2, 5, 8 or 11) of a year.
double SeasonInstant(int year, int monthIndex);
// "Frühlingsanfang: 11:28" on the day of the equinox or solstice, else empty.
std::string SeasonText(const DayContext& ctx, const Observer& obs);

// Distance in astronomical units.
double EarthSunDistance(double jde);

// Mean instant of the series (with its periodic corrections) for a year.
double PerihelionMeanInstant(int year);
double AphelionMeanInstant(int year);
// The extreme of EarthSunDistance nearest the mean instant, to a second.
double RefinedPerihelion(double meanJde);
double RefinedAphelion(double meanJde);

// `cache` (may be null) keeps the refined instant of each year.
std::string PerihelionText(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache = nullptr);
std::string AphelionText(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache = nullptr);

}  // namespace sk
