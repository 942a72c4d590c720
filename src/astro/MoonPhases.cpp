#include "astro/MoonPhases.h"

#include <cmath>

#include "astro/TimeScales.h"

namespace sk {

namespace {

// One periodic term: coefficient times E^ePower times the sine of
// mp M' + m M + f F (+ the node Omega when `node` is set).
struct PhaseTerm {
    double coefficient;
    int ePower;
    int mp, m, f;
    bool node;
};

constexpr PhaseTerm kNewMoonTerms[] = {
    {-0.40720, 0, 1, 0, 0, false}, {0.17241, 1, 0, 1, 0, false},  {0.01608, 0, 2, 0, 0, false},
    {0.01039, 0, 0, 0, 2, false},  {0.00739, 1, 1, -1, 0, false}, {-0.00514, 1, 1, 1, 0, false},
    {0.00208, 2, 0, 2, 0, false},  {-0.00111, 0, 1, 0, -2, false}, {-0.00057, 0, 1, 0, 2, false},
    {0.00056, 1, 2, 1, 0, false},  {-0.00042, 0, 3, 0, 0, false}, {0.00042, 1, 0, 1, 2, false},
    {0.00038, 1, 0, 1, -2, false}, {-0.00024, 1, 2, -1, 0, false}, {-0.00017, 0, 0, 0, 0, true},
    {-0.00007, 0, 1, 2, 0, false}, {0.00004, 0, 2, 0, -2, false}, {0.00004, 0, 0, 3, 0, false},
    {0.00003, 0, 1, 1, -2, false}, {0.00003, 0, 2, 0, 2, false},  {-0.00003, 0, 1, 1, 2, false},
    {0.00003, 0, 1, -1, 2, false}, {-0.00002, 0, 1, -1, -2, false}, {-0.00002, 0, 3, 1, 0, false},
    {0.00002, 0, 4, 0, 0, false},
};

// Full moon: the new-moon arguments; the first seven coefficients differ.
constexpr double kFullMoonFirstCoefficients[] = {-0.40614, 0.17302, 0.01614, 0.01043, 0.00734, -0.00515, 0.00209};

constexpr PhaseTerm kQuarterTerms[] = {
    {-0.62801, 0, 1, 0, 0, false}, {0.17172, 1, 0, 1, 0, false},   {-0.01183, 1, 1, 1, 0, false},
    {0.00862, 0, 2, 0, 0, false},  {0.00804, 0, 0, 0, 2, false},   {0.00454, 1, 1, -1, 0, false},
    {0.00204, 2, 0, 2, 0, false},  {-0.00180, 0, 1, 0, -2, false}, {-0.00070, 0, 1, 0, 2, false},
    {-0.00040, 0, 3, 0, 0, false}, {-0.00034, 1, 2, -1, 0, false}, {0.00032, 1, 0, 1, 2, false},
    {0.00032, 1, 0, 1, -2, false}, {-0.00028, 2, 1, 2, 0, false},  {0.00027, 1, 2, 1, 0, false},
    {-0.00017, 0, 0, 0, 0, true},  {-0.00005, 0, 1, -1, -2, false}, {0.00004, 0, 2, 0, 2, false},
    {-0.00004, 0, 1, 1, 2, false}, {0.00004, 0, 1, -2, 0, false},  {0.00003, 0, 1, 1, -2, false},
    {0.00003, 0, 0, 3, 0, false},  {0.00002, 0, 2, 0, -2, false},  {0.00002, 0, 1, -1, 2, false},
    {-0.00002, 0, 3, 1, 0, false},
};

// Additional corrections for all phases: c sin(a + b k); A1 also has a T^2 part.
struct PlanetaryTerm {
    double a, b, c;
};
constexpr PlanetaryTerm kPlanetaryTerms[] = {
    {299.77, 0.107408, 0.000325}, {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164},
    {349.42, 36.412478, 0.000126}, {84.66, 18.206239, 0.000110}, {141.74, 53.303771, 0.000062},
    {207.14, 2.453732, 0.000060}, {154.84, 7.306860, 0.000056}, {34.52, 27.261239, 0.000047},
    {207.19, 0.121824, 0.000042}, {291.34, 1.844379, 0.000040}, {161.72, 24.198154, 0.000037},
    {239.56, 25.513099, 0.000035}, {331.55, 3.592518, 0.000023},
};

double TermValue(const PhaseTerm& term, double coefficient, const LunationElements& el) {
    double factor = coefficient;
    for (int p = 0; p < term.ePower; ++p) factor *= el.e;
    const double argument = term.node ? el.omega : term.mp * el.mPrime + term.m * el.m + term.f * el.f;
    return factor * SinDeg(argument);
}

// Periodic term of the distance extremes: (c + t T) sin(d D + m M + f F).
struct DistanceTerm {
    int d, m, f;
    double c, t;
};

constexpr DistanceTerm kPerigeeTerms[] = {
    {2, 0, 0, -1.6769, 0},
    {4, 0, 0, 0.4589, 0},
    {6, 0, 0, -0.1856, 0},
    {8, 0, 0, 0.0883, 0},
    {2, -1, 0, -0.0773, 0.00019},
    {0, 1, 0, 0.0502, -0.00013},
    {10, 0, 0, -0.0460, 0},
    {4, -1, 0, 0.0422, -0.00011},
    {6, -1, 0, -0.0256, 0},
    {12, 0, 0, 0.0253, 0},
    {1, 0, 0, 0.0237, 0},
    {8, -1, 0, 0.0162, 0},
    {14, 0, 0, -0.0145, 0},
    {0, 0, 2, 0.0129, 0},
    {3, 0, 0, -0.0112, 0},
    {10, -1, 0, -0.0104, 0},
    {16, 0, 0, 0.0086, 0},
    {12, -1, 0, 0.0069, 0},
    {5, 0, 0, 0.0066, 0},
    {2, 0, 2, -0.0053, 0},
    {18, 0, 0, -0.0052, 0},
    {14, -1, 0, -0.0046, 0},
    {7, 0, 0, -0.0041, 0},
    {2, 1, 0, 0.0040, 0},
    {20, 0, 0, 0.0032, 0},
    {1, 1, 0, -0.0032, 0},
    {16, -1, 0, 0.0031, 0},
    {4, 1, 0, -0.0029, 0},
    {9, 0, 0, 0.0027, 0},
    {4, 0, 2, 0.0027, 0},
    {2, -2, 0, -0.0027, 0},
    {4, -2, 0, 0.0024, 0},
    {6, -2, 0, -0.0021, 0},
    {22, 0, 0, -0.0021, 0},
    {18, -1, 0, -0.0021, 0},
    {6, 1, 0, 0.0019, 0},
    {11, 0, 0, -0.0018, 0},
    {8, 1, 0, -0.0014, 0},
    {4, 0, -2, -0.0014, 0},
    {6, 0, 2, -0.0014, 0},
    {3, 1, 0, 0.0014, 0},
    {5, 1, 0, -0.0014, 0},
    {13, 0, 0, 0.0013, 0},
    {20, -1, 0, 0.0013, 0},
    {3, 2, 0, 0.0011, 0},
    {4, -2, 2, -0.0011, 0},
    {1, 2, 0, -0.0010, 0},
    {22, -1, 0, -0.0009, 0},
    {0, 0, 4, -0.0008, 0},
    {6, 0, -2, 0.0008, 0},
    {2, 1, -2, 0.0008, 0},
    {0, 2, 0, 0.0007, 0},
    {0, -1, 2, 0.0007, 0},
    {2, 0, 4, 0.0007, 0},
    {0, -2, 2, -0.0006, 0},
    {2, 2, -2, -0.0006, 0},
    {24, 0, 0, 0.0006, 0},
    {4, 0, -4, 0.0005, 0},
    {2, 2, 0, 0.0005, 0},
    {1, -1, 0, -0.0004, 0},
};

constexpr DistanceTerm kApogeeTerms[] = {
    {2, 0, 0, 0.4392, 0},
    {4, 0, 0, 0.0684, 0},
    {0, 1, 0, 0.0456, -0.00011},
    {2, -1, 0, 0.0426, -0.00011},
    {0, 0, 2, 0.0212, 0},
    {1, 0, 0, -0.0189, 0},
    {6, 0, 0, 0.0144, 0},
    {4, -1, 0, 0.0113, 0},
    {2, 0, 2, 0.0047, 0},
    {1, 1, 0, 0.0036, 0},
    {8, 0, 0, 0.0035, 0},
    {6, -1, 0, 0.0034, 0},
    {2, 0, -2, -0.0034, 0},
    {2, -2, 0, 0.0022, 0},
    {3, 0, 0, -0.0017, 0},
    {4, 0, 2, 0.0013, 0},
    {8, -1, 0, 0.0011, 0},
    {4, -2, 0, 0.0010, 0},
    {10, 0, 0, 0.0009, 0},
    {3, 1, 0, 0.0007, 0},
    {0, 2, 0, 0.0006, 0},
    {2, 1, 0, 0.0005, 0},
    {2, 2, 0, 0.0005, 0},
    {6, 0, 2, 0.0004, 0},
    {6, -2, 0, 0.0004, 0},
    {10, -1, 0, 0.0004, 0},
    {5, 0, 0, -0.0004, 0},
    {4, 0, -2, -0.0004, 0},
    {0, 1, 2, 0.0003, 0},
    {12, 0, 0, 0.0003, 0},
    {2, -1, 2, 0.0003, 0},
    {1, -1, 0, -0.0003, 0},
};

template <std::size_t N>
double DistanceExtremeInstant(double k, const DistanceTerm (&terms)[N]) {
    const double t = k / 1325.55;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double d = 171.9179 + 335.9106046 * k - 0.010025 * t2 - 0.00001156 * t3 + 0.000000055 * t4;
    const double m = 347.3477 + 27.1577721 * k - 0.0008323 * t2 - 0.000001 * t3;
    const double f = 316.6109 + 364.5287911 * k - 0.0125131 * t2 - 0.0000148 * t3;
    double jde = 2451534.6698 + 27.55454988 * k - 0.0006886 * t2 - 0.000001098 * t3 + 0.0000000052 * t4;
    for (const DistanceTerm& term : terms) jde += (term.c + term.t * t) * SinDeg(term.d * d + term.m * m + term.f * f);
    return jde;
}

// Estimate of the anomalistic lunation for the day.
double DistanceLunationEstimate(const DayContext& ctx) {
    const double j1 = FirstDayOfYear(ctx.year) + (ctx.year > 1999 ? -6.0 : 10.0);
    return (ctx.year + (ctx.dayNumber - j1) / (ctx.februaryLength + 337.0) - 1999.97) * 13.2555;
}

LunarSeries SeriesOf(PhaseKind kind) {
    switch (kind) {
        case PhaseKind::kNewMoon: return LunarSeries::kNewMoon;
        case PhaseKind::kFirstQuarter: return LunarSeries::kFirstQuarter;
        case PhaseKind::kFullMoon: return LunarSeries::kFullMoon;
        default: return LunarSeries::kLastQuarter;
    }
}

}  // namespace

double PhaseOffset(PhaseKind kind) { return 0.25 * static_cast<int>(kind); }

LunationElements ElementsOfLunation(double k) {
    LunationElements el;
    const double t = k / 1236.85;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    el.t = t;
    el.e = 1.0 - 0.002516 * t - 0.0000074 * t2;
    el.m = 2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t3;
    el.mPrime = 201.5643 + 385.81693528 * k + 0.1017438 * t2 + 0.00001239 * t3 - 0.000000058 * t4;
    el.f = 160.7108 + 390.67050274 * k - 0.0016341 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
    el.omega = 124.7746 - 1.5637558 * k + 0.0020691 * t2 + 0.00000215 * t3;
    el.meanJde = 2451550.09765 + 29.530588853 * k + 0.0001337 * t2 - 0.00000015 * t3 + 0.00000000073 * t4;
    return el;
}

double ApproxLunation(const DayContext& ctx, int i) {
    return (ctx.year + (30.4 * ctx.month + ctx.day + i) / 365.0 - 2000.0) * 12.3685;
}

double PhaseInstant(PhaseKind kind, double kEstimate) {
    const double k = std::trunc(kEstimate) + PhaseOffset(kind);
    const LunationElements el = ElementsOfLunation(k);
    double correction = 0;
    if (kind == PhaseKind::kNewMoon || kind == PhaseKind::kFullMoon) {
        const bool full = kind == PhaseKind::kFullMoon;
        int index = 0;
        for (const PhaseTerm& term : kNewMoonTerms) {
            const double c = full && index < 7 ? kFullMoonFirstCoefficients[index] : term.coefficient;
            correction += TermValue(term, c, el);
            ++index;
        }
    } else {
        for (const PhaseTerm& term : kQuarterTerms) correction += TermValue(term, term.coefficient, el);
        const double w = 0.00306 - 0.00038 * el.e * CosDeg(el.m) + 0.00026 * CosDeg(el.mPrime) -
                         0.00002 * CosDeg(el.mPrime - el.m) + 0.00002 * CosDeg(el.mPrime + el.m) + 0.00002 * CosDeg(2 * el.f);
        correction += kind == PhaseKind::kFirstQuarter ? w : -w;
    }
    double additional = 0;
    for (const PlanetaryTerm& term : kPlanetaryTerms) {
        double argument = term.a + term.b * k;
        if (&term == &kPlanetaryTerms[0]) argument -= 0.009173 * el.t * el.t;
        additional += term.c * SinDeg(argument);
    }
    return el.meanJde + correction + additional;
}

double FindPhase(PhaseKind kind, const DayContext& ctx, LunarInstantCache* cache) {
    return SearchLunations(ctx, [&](double k) {
        if (!cache) return PhaseInstant(kind, k);
        return cache->Get(SeriesOf(kind), k, [&] { return PhaseInstant(kind, k); });
    });
}

int EclipseMarkOf(double phaseJde, const DayContext& ctx, int markIfNear) {
    const double d = std::fabs(std::trunc(phaseJde) - 2440587.0 - ctx.dayNumber);
    return d < 2 || d > 27 ? markIfNear : kNoEclipseCandidate;
}

PhaseOnDay FindPhaseOnDay(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    static constexpr PhaseKind kOrder[] = {PhaseKind::kFullMoon, PhaseKind::kLastQuarter, PhaseKind::kNewMoon,
                                           PhaseKind::kFirstQuarter};
    PhaseOnDay result;
    for (const PhaseKind kind : kOrder) {
        const double jde = FindPhase(kind, ctx, cache);
        if (kind == PhaseKind::kFullMoon) result.eclipseMark = EclipseMarkOf(jde, ctx, kLunarCandidate);
        if (kind == PhaseKind::kNewMoon) result.eclipseMark = EclipseMarkOf(jde, ctx, kSolarCandidate);
        if (IsEventOnDay(jde, ctx, obs)) {
            result.found = true;
            result.kind = kind;
            result.jde = jde;
            return result;
        }
    }
    return result;
}

PhaseResult PhaseText(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    static constexpr const char* kLabels[] = {"Neumond: ", "Erstes Viertel: ", "Vollmond: ", "Letztes Viertel: "};
    const PhaseOnDay phase = FindPhaseOnDay(ctx, obs, cache);
    PhaseResult result;
    result.eclipseMark = phase.eclipseMark;
    if (phase.found) result.text = kLabels[static_cast<int>(phase.kind)] + EventTimeText(phase.jde, ctx, obs);
    return result;
}

double PerigeeInstantOfK(double k) { return DistanceExtremeInstant(k, kPerigeeTerms); }
double ApogeeInstantOfK(double k) { return DistanceExtremeInstant(k, kApogeeTerms); }

double PerigeeInstant(const DayContext& ctx, LunarInstantCache* cache) {
    // Truncation toward zero; before 2000 the later J1 of the estimate makes up for it.
    const double k = std::trunc(DistanceLunationEstimate(ctx));
    if (!cache) return PerigeeInstantOfK(k);
    return cache->Get(LunarSeries::kPerigee, k, [&] { return PerigeeInstantOfK(k); });
}

double ApogeeInstant(const DayContext& ctx, LunarInstantCache* cache) {
    // Floor, not truncation: a truncated negative estimate picks the apogee
    // after the day's, and the apogees before 2000 would never show.
    const double k = std::floor(DistanceLunationEstimate(ctx));
    if (!cache) return ApogeeInstantOfK(k + 0.5);
    return cache->Get(LunarSeries::kApogee, k, [&] { return ApogeeInstantOfK(k + 0.5); });
}

bool IsPerigeeDay(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    return IsEventOnDay(PerigeeInstant(ctx, cache), ctx, obs);
}

bool IsApogeeDay(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    return IsEventOnDay(ApogeeInstant(ctx, cache), ctx, obs);
}

std::string PerigeeText(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    const std::string time = EventTimeText(PerigeeInstant(ctx, cache), ctx, obs);
    return time.empty() ? std::string() : "Mondnähe: " + time;
}

std::string ApogeeText(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    const std::string time = EventTimeText(ApogeeInstant(ctx, cache), ctx, obs);
    return time.empty() ? std::string() : "Mondferne: " + time;
}

}  // namespace sk
