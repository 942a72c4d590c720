#include "astro/Eclipses.h"

#include <cmath>

#include "astro/MoonPhases.h"
#include "astro/TimeScales.h"

namespace sk {

EclipseQuantities EclipseQuantitiesOf(double kEstimate, double phaseOffset) {
    const double k = std::trunc(kEstimate) + phaseOffset;
    const LunationElements el = ElementsOfLunation(k);
    EclipseQuantities q{};
    q.nearNode = std::fabs(SinDeg(el.f)) <= 0.36;
    if (!q.nearNode) return q;

    const double e = el.e, m = el.m, mp = el.mPrime, om = el.omega;
    const double f1 = el.f - 0.02665 * SinDeg(om);
    const double a1 = 299.77 + 0.107408 * k - 0.009173 * el.t * el.t;
    double jde = el.meanJde;
    if (phaseOffset == 0)
        jde += -0.4075 * SinDeg(mp) + 0.1721 * e * SinDeg(m);
    else
        jde += -0.4065 * SinDeg(mp) + 0.1727 * e * SinDeg(m);
    jde += 0.0161 * SinDeg(2 * mp) - 0.0097 * SinDeg(2 * f1) + 0.0073 * e * SinDeg(mp - m) - 0.0050 * e * SinDeg(mp + m) -
           0.0023 * SinDeg(mp - 2 * f1) + 0.0021 * e * SinDeg(2 * m) + 0.0012 * SinDeg(mp + 2 * f1) +
           0.0006 * e * SinDeg(2 * mp + m) - 0.0004 * SinDeg(3 * mp) - 0.0003 * e * SinDeg(m + 2 * f1) + 0.0003 * SinDeg(a1) -
           0.0002 * e * SinDeg(m - 2 * f1) - 0.0002 * e * SinDeg(2 * mp - m) - 0.0002 * SinDeg(om);
    const double p = 0.2070 * e * SinDeg(m) + 0.0024 * e * SinDeg(2 * m) - 0.0392 * SinDeg(mp) + 0.0116 * SinDeg(2 * mp) -
                     0.0073 * e * SinDeg(mp + m) + 0.0067 * e * SinDeg(mp - m) + 0.0118 * SinDeg(2 * f1);
    const double qq = 5.2207 - 0.0048 * e * CosDeg(m) + 0.0020 * e * CosDeg(2 * m) - 0.3299 * CosDeg(mp) -
                      0.0060 * e * CosDeg(mp + m) + 0.0041 * e * CosDeg(mp - m);
    const double w = std::fabs(CosDeg(f1));
    q.jde = jde;
    q.gamma = (p * CosDeg(f1) + qq * SinDeg(f1)) * (1 - 0.0048 * w);
    q.u = 0.0059 + 0.0046 * e * CosDeg(m) - 0.0182 * CosDeg(mp) + 0.0004 * CosDeg(2 * mp) - 0.0005 * CosDeg(m + mp);
    return q;
}

namespace {

bool LunarEclipseHappens(int type, double gamma, double u) {
    const double g = std::fabs(gamma);
    // Only eclipses that reach the umbra count; penumbral ones are not shown.
    if ((1.0128 - u - g) / 0.545 <= 0) return false;
    const bool total = (0.4678 - u) * (0.4678 - u) - gamma * gamma > 0;
    return type == kTotalEclipse ? total : !total;
}

bool SolarEclipseHappens(int type, double gamma, double u) {
    const double g = std::fabs(gamma);
    if (g > 1.5433 + u) return false;
    const bool central = -0.9972 <= gamma && gamma <= 0.9972;
    const bool nonCentralUmbral = 0.9972 <= g && g < 0.9972 + std::fabs(u);
    if (type == kPartialEclipse) return !central && !nonCentralUmbral;
    if (!central && !nonCentralUmbral) return false;
    // A non-central eclipse has 1 - gamma^2 < 0; its root counts as 0 there.
    const double root = std::sqrt(std::fmax(0.0, 1.0 - gamma * gamma));
    const bool annular = u > 0.0047 || u >= 0.00464 * root;
    return type == kAnnularEclipse ? annular : !annular;
}

LunarSeries EclipseSeries(int type, double phaseOffset) {
    if (phaseOffset == 0) {
        if (type == kTotalEclipse) return LunarSeries::kSolarTotal;
        if (type == kAnnularEclipse) return LunarSeries::kSolarAnnular;
        return LunarSeries::kSolarPartial;
    }
    return type == kTotalEclipse ? LunarSeries::kLunarTotal : LunarSeries::kLunarPartial;
}

}  // namespace

double EclipseInstant(int type, double kEstimate, double phaseOffset) {
    const EclipseQuantities q = EclipseQuantitiesOf(kEstimate, phaseOffset);
    if (!q.nearNode) return 0;
    const bool happens = phaseOffset == 0 ? SolarEclipseHappens(type, q.gamma, q.u)
                                          : LunarEclipseHappens(type, q.gamma, q.u);
    return happens ? q.jde : 0;
}

double FindEclipse(int type, double phaseOffset, const DayContext& ctx, LunarInstantCache* cache) {
    return SearchLunations(ctx, [&](double k) {
        if (!cache) return EclipseInstant(type, k, phaseOffset);
        return cache->Get(EclipseSeries(type, phaseOffset), k, [&] { return EclipseInstant(type, k, phaseOffset); });
    });
}

int SolarEclipseTypeOnDay(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    for (int type : {kTotalEclipse, kAnnularEclipse, kPartialEclipse})
        if (IsEventOnDay(FindEclipse(type, 0, ctx, cache), ctx, obs)) return type;
    return -1;
}

int LunarEclipseTypeOnDay(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    for (int type : {kTotalEclipse, kPartialEclipse})
        if (IsEventOnDay(FindEclipse(type, 0.5, ctx, cache), ctx, obs)) return type;
    return -1;
}

std::string SolarEclipseText(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    const int type = SolarEclipseTypeOnDay(ctx, obs, cache);
    if (type < 0) return {};
    const char* label = type == kTotalEclipse     ? "Sonnenfinsternis total: "
                        : type == kAnnularEclipse ? "Sonnenfinsternis ringförmig: "
                                                  : "Sonnenfinsternis partiell: ";
    return label + EventTimeText(FindEclipse(type, 0, ctx, cache), ctx, obs);
}

std::string LunarEclipseText(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    const int type = LunarEclipseTypeOnDay(ctx, obs, cache);
    if (type < 0) return {};
    const char* label = type == kTotalEclipse ? "Mondfinsternis total: " : "Mondfinsternis partiell: ";
    return label + EventTimeText(FindEclipse(type, 0.5, ctx, cache), ctx, obs);
}

}  // namespace sk
