#include "astro/Seasons.h"

#include <algorithm>
#include <cmath>

#include "astro/TimeScales.h"

namespace sk {

namespace {

struct CosineTerm {
    double a, b, c;
};

// Periodic terms of the season instants: A cos(B + C T), degrees.
constexpr CosineTerm kSeasonTerms[] = {
    {485, 324.96, 1934.136},
    {203, 337.23, 32964.467},
    {199, 342.08, 20.186},
    {182, 27.85, 445267.112},
    {156, 73.14, 45036.886},
    {136, 171.52, 22518.443},
    {77, 222.54, 65928.934},
    {74, 296.72, 3034.906},
    {70, 243.58, 9037.513},
    {58, 119.81, 33718.147},
    {52, 297.17, 150.678},
    {50, 21.02, 2281.226},
    {45, 247.54, 29929.562},
    {44, 325.15, 31555.956},
    {29, 60.93, 4443.417},
    {18, 155.12, 67555.328},
    {17, 288.79, 4562.452},
    {16, 198.04, 62894.029},
    {14, 199.76, 31436.921},
    {12, 95.39, 14577.848},
    {12, 287.11, 31931.756},
    {12, 320.81, 34777.259},
    {9, 227.73, 1222.114},
    {8, 15.45, 16859.074},
};

// Earth's radius vector: rows 0-39 R0, 40-49 R1, 50-55 R2, 56-57 R3, 58 R4;
// A cos(B + C tau), B in radians, C in radians per Julian millennium.
constexpr CosineTerm kEarthRadiusTerms[] = {
    {100013989, 0, 0},  // R01
    {1670700, 3.0984635, 6283.0758500},  // R02
    {13956, 3.05525, 12566.15170},  // R03
    {3084, 5.1985, 77713.7715},  // R04
    {1628, 1.1739, 5753.3849},  // R05
    {1576, 2.8469, 7860.4194},  // R06
    {925, 5.453, 11506.770},  // R07
    {542, 4.564, 3930.210},  // R08
    {472, 3.661, 5884.927},  // R09
    {346, 0.964, 5507.553},  // R010
    {329, 5.900, 5223.694},  // R011
    {307, 0.299, 5573.143},  // R012
    {243, 4.273, 11790.629},  // R013
    {212, 5.847, 1577.344},  // R014
    {186, 5.022, 10977.079},  // R015
    {175, 3.012, 18849.228},  // R016
    {110, 5.055, 5486.778},  // R017
    {98, 0.89, 6069.78},  // R018
    {86, 5.69, 15720.84},  // R019
    {86, 1.27, 161000.69},  // R020
    {65, 0.27, 17260.15},  // R021
    {63, 0.92, 529.69},  // R022
    {57, 2.01, 83996.85},  // R023
    {56, 5.24, 71430.70},  // R024
    {49, 3.25, 2544.31},  // R025
    {47, 2.58, 775.52},  // R026
    {45, 5.54, 9437.76},  // R027
    {43, 6.01, 6275.96},  // R028
    {39, 5.36, 4694.00},  // R029
    {38, 2.39, 8827.39},  // R030
    {37, 0.83, 19651.05},  // R031
    {37, 4.90, 12139.55},  // R032
    {36, 1.67, 12036.46},  // R033
    {35, 1.84, 2942.46},  // R034
    {33, 0.24, 7084.90},  // R035
    {32, 0.18, 5088.63},  // R036
    {32, 1.78, 398.15},  // R037
    {28, 1.21, 6286.60},  // R038
    {28, 1.90, 6279.55},  // R039
    {26, 4.59, 10447.39},  // R040
    {103019, 1.107490, 6283.075850},  // R11
    {1721, 1.0644, 12566.1517},  // R12
    {702, 3.142, 0},  // R13
    {32, 1.02, 18849.23},  // R14
    {31, 2.84, 5507.55},  // R15
    {25, 1.32, 5223.69},  // R16
    {18, 1.42, 1577.34},  // R17
    {10, 5.91, 10977.08},  // R18
    {9, 1.42, 6275.96},  // R19
    {9, 0.27, 5486.78},  // R110
    {4359, 5.7846, 6283.0758},  // R21
    {124, 5.579, 12566.152},  // R22
    {12, 3.14, 0},  // R23
    {9, 3.63, 77713.77},  // R24
    {6, 1.87, 5573.14},  // R25
    {3, 5.47, 18849.23},  // R26
    {145, 4.273, 6283.076},  // R31
    {7, 3.92, 12566.15},  // R32
    {4, 2.56, 6283.08},  // R41
};
constexpr int kSeriesEnd[] = {40, 50, 56, 58, 59};

const char* SeasonLabel(int monthIndex) {
    switch (monthIndex) {
        case 2: return "Frühlingsanfang: ";
        case 5: return "Sommeranfang: ";
        case 8: return "Herbstanfang: ";
        case 11: return "Winteranfang: ";
        default: return nullptr;
    }
}

double OrbitExtremeMeanInstant(int year, bool aphelion) {
    double x = year - 2000.01;
    if (year > 1999) x += 0.5;
    double k = std::trunc(0.99997 * x);
    if (aphelion) k += 0.5;
    double jde = 2451547.507 + 365.2596358 * k + 0.0000000158 * k * k;
    const double a1 = 328.41 + 132.788585 * k, a2 = 316.13 + 584.903153 * k, a3 = 346.20 + 450.380738 * k;
    const double a4 = 136.95 + 659.306737 * k, a5 = 249.52 + 329.653368 * k;
    if (aphelion)
        jde += -1.352 * SinDeg(a1) + 0.061 * SinDeg(a2) + 0.062 * SinDeg(a3) + 0.029 * SinDeg(a4) + 0.031 * SinDeg(a5);
    else
        jde += 1.278 * SinDeg(a1) - 0.055 * SinDeg(a2) - 0.091 * SinDeg(a3) - 0.056 * SinDeg(a4) - 0.045 * SinDeg(a5);
    return jde;
}

// The distance extreme nearest `meanJde`: the best of the samples of +-2 days
// in steps of about 15 minutes, then a golden-section search around it.
// Within +-2 days of the extreme the distance is convex (the Moon's term bends
// it less than the orbit does), so the best sample lies within one coarse step
// of the best coarse sample, and only that stretch is sampled finely.
double RefineOrbitExtreme(double meanJde, bool aphelion) {
    const double sign = aphelion ? -1.0 : 1.0;  // minimise sign * distance
    auto cost = [&](double t) { return sign * EarthSunDistance(t); };
    constexpr double kStep = 0.0104;
    constexpr int kCoarse = 8;
    const int samples = static_cast<int>(4.0 / kStep);
    auto sampleAt = [&](int i) { return meanJde - 2.0 + i * kStep; };
    int coarseBest = 0;
    double coarseCost = cost(sampleAt(0));
    for (int i = kCoarse; i <= samples; i += kCoarse) {
        const double c = cost(sampleAt(i));
        if (c < coarseCost) {
            coarseCost = c;
            coarseBest = i;
        }
    }
    const int first = std::max(0, coarseBest - kCoarse), last = std::min(samples, coarseBest + kCoarse);
    double best = sampleAt(first);
    double bestCost = cost(best);
    for (int i = first + 1; i <= last; ++i) {
        const double t = sampleAt(i);
        const double c = cost(t);
        if (c < bestCost) {
            bestCost = c;
            best = t;
        }
    }
    const double ratio = 0.6180339887498949;
    double lo = best - kStep, hi = best + kStep;
    double x1 = hi - ratio * (hi - lo), x2 = lo + ratio * (hi - lo);
    double c1 = cost(x1), c2 = cost(x2);
    for (int i = 0; i < 60 && hi - lo > 1.0 / 86400.0; ++i) {
        if (c1 < c2) {
            hi = x2;
            x2 = x1;
            c2 = c1;
            x1 = hi - ratio * (hi - lo);
            c1 = cost(x1);
        } else {
            lo = x1;
            x1 = x2;
            c1 = c2;
            x2 = lo + ratio * (hi - lo);
            c2 = cost(x2);
        }
    }
    return 0.5 * (lo + hi);
}

std::string OrbitText(const DayContext& ctx, const Observer& obs, bool aphelion, LunarInstantCache* cache) {
    const double mean = OrbitExtremeMeanInstant(ctx.year, aphelion);
    if (!(std::fabs(mean - 2440587.0 - ctx.dayNumber) < 2.0)) return {};
    if (!HasUsableZone(obs)) return {};
    const auto refine = [&] { return RefineOrbitExtreme(mean, aphelion); };
    const double instant =
        cache ? cache->Get(aphelion ? LunarSeries::kAphelion : LunarSeries::kPerihelion, ctx.year - 2000, refine)
              : refine();
    const std::string time = EventTimeText(instant, ctx, obs);
    if (time.empty()) return {};
    return (aphelion ? "Sonnenferne: " : "Sonnennähe: ") + time;
}

}  // namespace

double SeasonInstant(int year, int monthIndex) {
    const double y = (year - 2000) / 1000.0;
    const double y2 = y * y, y3 = y2 * y, y4 = y3 * y;
    double jde0 = 0;
    switch (monthIndex) {
        case 2: jde0 = 2451623.80984 + 365242.37404 * y + 0.05169 * y2 - 0.00411 * y3 - 0.00057 * y4; break;
        case 5: jde0 = 2451716.56767 + 365241.62603 * y + 0.00325 * y2 + 0.00888 * y3 - 0.00030 * y4; break;
        case 8: jde0 = 2451810.21715 + 365242.01767 * y - 0.11575 * y2 + 0.00337 * y3 + 0.00078 * y4; break;
        default: jde0 = 2451900.05952 + 365242.74049 * y - 0.06223 * y2 - 0.00823 * y3 + 0.00032 * y4; break;
    }
    const double t = (jde0 - 2451545.0) / 36525.0;
    const double w = 35999.373 * t - 2.47;
    const double dLambda = 1 + 0.0334 * CosDeg(w) + 0.0007 * CosDeg(2 * w);
    double s = 0;
    for (const CosineTerm& term : kSeasonTerms) s += term.a * CosDeg(term.b + term.c * t);
    return jde0 + 0.00001 * s / dLambda;
}

std::string SeasonText(const DayContext& ctx, const Observer& obs) {
    const char* label = SeasonLabel(ctx.month);
    if (!label) return {};
    const std::string time = EventTimeText(SeasonInstant(ctx.year, ctx.month), ctx, obs);
    return time.empty() ? std::string() : label + time;
}

double EarthSunDistance(double jde) {
    const double tau = (jde - 2451545.0) / 365250.0;
    double r = 0;
    double power = 1;
    int row = 0;
    for (int series = 0; series < 5; ++series) {
        double sum = 0;
        for (; row < kSeriesEnd[series]; ++row) {
            const CosineTerm& term = kEarthRadiusTerms[row];
            sum += term.a * std::cos(term.b + term.c * tau);
        }
        r += sum * power;
        power *= tau;
    }
    return r / 100000000.0;
}

double PerihelionMeanInstant(int year) { return OrbitExtremeMeanInstant(year, false); }
double AphelionMeanInstant(int year) { return OrbitExtremeMeanInstant(year, true); }
double RefinedPerihelion(double meanJde) { return RefineOrbitExtreme(meanJde, false); }
double RefinedAphelion(double meanJde) { return RefineOrbitExtreme(meanJde, true); }

std::string PerihelionText(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    return OrbitText(ctx, obs, false, cache);
}
std::string AphelionText(const DayContext& ctx, const Observer& obs, LunarInstantCache* cache) {
    return OrbitText(ctx, obs, true, cache);
}

}  // namespace sk
