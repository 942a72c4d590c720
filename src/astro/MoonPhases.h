#pragma once
// Principal moon phases, lunar perigee and apogee on the context's day, after
// the periodic series of Meeus ("Astronomical Algorithms", 2nd ed.: phases
// ch. 49, eq. 49.1-49.2 and the corrections of that chapter; perigee and
// apogee ch. 50 with Table 50.A), and the eclipse-candidate mark they leave.

#include <cmath>
#include <string>

#include "astro/LunarInstantCache.h"
#include "astro/Observer.h"
#include "calendar/Date.h"

namespace sk {

enum class PhaseKind : int { kNewMoon = 0, kFirstQuarter = 1, kFullMoon = 2, kLastQuarter = 3 };

double PhaseOffset(PhaseKind kind);  // 0, 0.25, 0.5, 0.75

// Mean elements of the lunation k (degrees; E and the mean JDE as numbers):
// Meeus eq. 47.6 for E, 49.2 for the mean JDE, 49.4-49.7 for M, M', F, Omega.
struct LunationElements {
    double t, e, m, mPrime, f, omega, meanJde;
};
LunationElements ElementsOfLunation(double k);

// Estimate of the lunation number for the context's day shifted by i days.
double ApproxLunation(const DayContext& ctx, int i);

// JDE of the phase of `kind` in the lunation (integer part of kEstimate).
double PhaseInstant(PhaseKind kind, double kEstimate);

// The day search shared by the phases and the eclipses: lunation estimates
// from 35 days back to 2 days ahead, until an instant falls on or after the
// day; the last instant when none does. The estimates rise with the day, so
// their integer parts run through consecutive lunations: each lunation is
// asked once, in order. `instantOf(k)` gives the instant of lunation k.
template <class InstantOf>
double SearchLunations(const DayContext& ctx, InstantOf&& instantOf) {
    const double target = static_cast<double>(ctx.dayNumber) + 2440587.0;
    const double first = std::trunc(ApproxLunation(ctx, -35));
    const double last = std::trunc(ApproxLunation(ctx, 2));
    double j = 0;
    for (double k = first; k <= last; k += 1.0) {
        j = instantOf(k);
        if (std::trunc(j) >= target) break;
    }
    return j;
}

// JDE of the phase of this kind that matters for the day. The cache may be null.
double FindPhase(PhaseKind kind, const DayContext& ctx, LunarInstantCache* cache = nullptr);

// Eclipse-candidate mark of a new-moon or full-moon search result.
enum EclipseCandidate : int { kNoEclipseCandidate = 0, kSolarCandidate = 1, kLunarCandidate = 2 };
int EclipseMarkOf(double phaseJde, const DayContext& ctx, int markIfNear);

struct PhaseResult {
    std::string text;   // "Vollmond: 15:10", or empty
    int eclipseMark = kNoEclipseCandidate;
};
// The first of full moon, last quarter, new moon, first quarter on the day.
struct PhaseOnDay {
    bool found = false;
    PhaseKind kind = PhaseKind::kNewMoon;
    double jde = 0;
    int eclipseMark = kNoEclipseCandidate;
};
PhaseOnDay FindPhaseOnDay(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache = nullptr);
PhaseResult PhaseText(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache = nullptr);

// JDE of the perigee or apogee estimated for the context's day.
double PerigeeInstant(const DayContext& ctx, LunarInstantCache* cache = nullptr);
double ApogeeInstant(const DayContext& ctx, LunarInstantCache* cache = nullptr);
// The series themselves, for a lunation of the anomalistic month k
// (whole for the perigee, whole + 0.5 for the apogee).
double PerigeeInstantOfK(double k);
double ApogeeInstantOfK(double k);

bool IsPerigeeDay(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache = nullptr);
bool IsApogeeDay(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache = nullptr);
std::string PerigeeText(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache = nullptr);
std::string ApogeeText(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache = nullptr);

}  // namespace sk
