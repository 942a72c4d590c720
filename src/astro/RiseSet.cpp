#include "astro/RiseSet.h"

#include <cmath>
#include <limits>

#include "astro/TimeScales.h"

namespace sk {

namespace {

constexpr double P2 = 6.283185307;
constexpr double ARC = 206264.8062;
constexpr double kCosEps = 0.91748;
constexpr double kSinEps = 0.39778;

// Ecliptic (radians) to equatorial, with right ascension in hours.
EquatorialPosition EquatorialOf(double x, double y, double z) {
    const double rho = std::sqrt(1.0 - z * z);
    EquatorialPosition p;
    p.declination = (360.0 / P2) * std::atan(z / rho);
    p.rightAscension = (48.0 / P2) * std::atan(y / (x + rho));
    if (p.rightAscension < 0) p.rightAscension += 24.0;
    return p;
}

double AltitudeOfKind(int kind) {
    switch (kind) {
        case kMoonKind: return 0.13333333333333333;
        case kSunKind: return -0.8333333333333334;
        case kNauticalTwilightKind: return -12.0;
        case kAstronomicalTwilightKind: return -18.0;
        default: return -6.0;
    }
}

const char* LabelOfKind(int kind) {
    switch (kind) {
        case kMoonKind: return "Mond";
        case kSunKind: return "Sonne";
        default: return "Dämmerung";
    }
}

}  // namespace

EquatorialPosition SunPosition(double t) {
    const double m = P2 * FractionalPart(0.993133 + 99.997361 * t);
    const double dl = 6893.0 * std::sin(m) + 72.0 * std::sin(2.0 * m);
    const double l = P2 * FractionalPart(0.7859453 + m / P2 + (6191.2 * t + dl) / 1296000.0);
    const double sl = std::sin(l);
    return EquatorialOf(std::cos(l), kCosEps * sl, kSinEps * sl);
}

EquatorialPosition MoonPosition(double t) {
    const double l0 = FractionalPart(0.606433 + 1336.855225 * t);
    const double l = P2 * FractionalPart(0.374897 + 1325.552410 * t);
    const double ls = P2 * FractionalPart(0.993133 + 99.997361 * t);
    const double d = P2 * FractionalPart(0.827361 + 1236.853086 * t);
    const double f = P2 * FractionalPart(0.259086 + 1342.227825 * t);
    const double dl = 22640 * std::sin(l) - 4586 * std::sin(l - 2 * d) + 2370 * std::sin(2 * d) +
                      769 * std::sin(2 * l) - 668 * std::sin(ls) - 412 * std::sin(2 * f) -
                      212 * std::sin(2 * l - 2 * d) - 206 * std::sin(l + ls - 2 * d) +
                      192 * std::sin(l + 2 * d) - 165 * std::sin(ls - 2 * d) - 125 * std::sin(d) -
                      110 * std::sin(l + ls) + 148 * std::sin(l - ls) - 55 * std::sin(2 * f - 2 * d);
    const double s = f + (dl + 412 * std::sin(2 * f) + 541 * std::sin(ls)) / ARC;
    const double h = f - 2 * d;
    const double n = -526 * std::sin(h) + 44 * std::sin(l + h) - 31 * std::sin(-l + h) -
                     23 * std::sin(ls + h) + 11 * std::sin(-ls + h) - 25 * std::sin(-2 * l + f) +
                     21 * std::sin(-l + f);
    const double lon = P2 * FractionalPart(l0 + dl / 1296000.0);
    const double lat = (18520.0 * std::sin(s) + n) / ARC;
    const double cb = std::cos(lat);
    const double x = cb * std::cos(lon);
    const double v = cb * std::sin(lon);
    const double w = std::sin(lat);
    return EquatorialOf(x, kCosEps * v - kSinEps * w, kSinEps * v + kCosEps * w);
}

double SinAltitude(int kind, double mjd0, double hour, double lambda, double cosPhi, double sinPhi) {
    const double mjd = mjd0 + hour / 24.0;
    const double t = CenturiesSinceJ2000(mjd);
    const EquatorialPosition p = kind == kMoonKind ? MoonPosition(t) : SunPosition(t);
    return SinAltitudeFrom(p, LocalMeanSiderealHours(mjd, lambda), cosPhi, sinPhi);
}

double SinAltitudeFrom(const EquatorialPosition& p, double siderealHours, double cosPhi, double sinPhi) {
    const double tau = 15.0 * (siderealHours - p.rightAscension);
    return sinPhi * SinDeg(p.declination) + cosPhi * CosDeg(p.declination) * CosDeg(tau);
}

QuadResult Quad(double yMinus, double y0, double yPlus) {
    QuadResult r;
    const double a = 0.5 * (yMinus + yPlus) - y0;
    const double b = 0.5 * (yPlus - yMinus);
    const double c = y0;
    if (a == 0) {
        // A straight line: its one root, if any.
        if (b != 0) {
            r.z1 = r.z2 = r.xe = -c / b;
            r.nz = std::fabs(r.z1) <= 1.0 ? 1 : 0;
        }
        r.ye = c;
        return r;
    }
    r.xe = -b / (2.0 * a);
    r.ye = (a * r.xe + b) * r.xe + c;
    const double dis = b * b - 4.0 * a * c;
    if (dis >= 0) {
        const double dx = 0.5 * std::sqrt(dis) / std::fabs(a);
        r.z1 = r.xe - dx;
        r.z2 = r.xe + dx;
        if (std::fabs(r.z1) <= 1.0) ++r.nz;
        if (std::fabs(r.z2) <= 1.0) ++r.nz;
        if (r.z1 < -1.0) r.z1 = r.z2;
    }
    return r;
}

namespace {

// How far an interpolated direction may lie from the true one (radians, which
// bound the error of the sine of the altitude too). Largest distances over
// 1970-2037, sampled every six minutes: 4.0e-5 for the Sun, drawn straight
// between 0 h and 24 h; 1.8e-4 for the Moon, on a parabola through 0 h, 12 h
// and 24 h. The bounds keep a margin of five.
constexpr double kSunInterpolationBound = 2e-4;
constexpr double kMoonInterpolationBound = 1e-3;
// The positions' right ascension comes from a half-angle formula that goes
// wrong near 12 h: up to pi radians within 1e-6 of y = 0 in the half x < 0,
// but below 1.4e-5 at |y| >= 0.03. So an hour whose interpolated Moon lies
// that close gets its exact altitude, and a whole day does if one of the
// Moon's nodes does. (The Sun's error there vanishes with its latitude.)
constexpr double kMoonNearTwelveHours = 0.03;
// Room for rounding between a step ruled out and the exact parabola.
constexpr double kRoundingMargin = 1e-6;
// A parabola through three values that each lie within e of the true ones
// lies within this many e of the true parabola on the whole step: the sum of
// the absolute interpolation weights is at most 1.25.
constexpr double kParabolaErrorFactor = 1.25;

std::array<double, 3> DirectionOf(const EquatorialPosition& p) {
    const double cosDec = CosDeg(p.declination);
    const double ra = 15.0 * p.rightAscension;
    return {cosDec * CosDeg(ra), cosDec * SinDeg(ra), SinDeg(p.declination)};
}

bool IsNearTwelveHours(const std::array<double, 3>& direction) {
    return direction[0] < 0 && std::fabs(direction[1]) < kMoonNearTwelveHours;
}

// Whether the parabola through (-1, a), (0, b), (1, c) keeps one sign on the
// whole step with more than `margin` to spare.
bool KeepsSign(double a, double b, double c, double margin) {
    double lo = std::fmin(a, c), hi = std::fmax(a, c);
    const double curve = 0.5 * (a + c) - b, slope = 0.5 * (c - a);
    if (curve != 0) {
        const double x = -slope / (2.0 * curve);
        if (std::fabs(x) < 1.0) {
            const double vertex = b - slope * slope / (4.0 * curve);
            lo = std::fmin(lo, vertex);
            hi = std::fmax(hi, vertex);
        }
    }
    return lo > margin || hi < -margin;
}

}  // namespace

DayRiseSet::DayRiseSet(const DayContext& ctx, const Observer& obs) : obs_(obs), usable_(HasUsablePlace(obs)) {
    sun_.isMoon = false;
    moon_.isMoon = true;
    if (!usable_) return;
    mjd0_ = LocalMidnightMjd(ctx, obs);
    sinPhi_ = SinDeg(obs.latitude);
    cosPhi_ = CosDeg(obs.latitude);
}

double DayRiseSet::SiderealHours(int hour) {
    if (!siderealKnown_[hour]) {
        sidereal_[hour] = LocalMeanSiderealHours(mjd0_ + hour / 24.0, obs_.longitude);
        siderealKnown_[hour] = true;
    }
    return sidereal_[hour];
}

const DayRiseSet::Vector& DayRiseSet::Zenith(int hour) {
    if (!zenithKnown_) {
        // The zenith turns by the same angle every hour: one rotation instead
        // of a sine and a cosine per hour. The sidereal time's own step at
        // 0 h UT (about 1e-8 hours) and the rounding of 24 rotations stay far
        // below kRoundingMargin.
        static const double cosStep = CosDeg(15.0 * kSiderealHoursPerUtHour);
        static const double sinStep = SinDeg(15.0 * kSiderealHoursPerUtHour);
        const double theta = 15.0 * SiderealHours(0);
        double c = cosPhi_ * CosDeg(theta), s = cosPhi_ * SinDeg(theta);
        for (Vector& z : zenith_) {
            z = {c, s, sinPhi_};
            const double next = c * cosStep - s * sinStep;
            s = s * cosStep + c * sinStep;
            c = next;
        }
        zenithKnown_ = true;
    }
    return zenith_[hour];
}

namespace {

// A day's position at 24 h is the next day's at 0 h whenever no change of
// clock lies between: kept for that one step.
struct KeptPosition {
    double t = std::numeric_limits<double>::quiet_NaN();
    EquatorialPosition position{};
};

EquatorialPosition NodePosition(bool moon, double t) {
    thread_local KeptPosition keptSun, keptMoon;
    KeptPosition& kept = moon ? keptMoon : keptSun;
    if (kept.t != t) kept = {t, moon ? MoonPosition(t) : SunPosition(t)};
    return kept.position;
}

}  // namespace

void DayRiseSet::Prepare(Body& body) {
    if (body.prepared) return;
    body.prepared = true;
    body.bound = body.isMoon ? kMoonInterpolationBound : kSunInterpolationBound;
    const int nodeHours[3] = {0, 12, kHours - 1};
    std::array<Vector, 3> n{};
    bool nodeNearTwelveHours = false;
    for (int i = 0; i < 3; ++i) {
        if (!body.isMoon && i == 1) continue;
        body.node[i] = NodePosition(body.isMoon, CenturiesSinceJ2000(mjd0_ + nodeHours[i] / 24.0));
        n[i] = DirectionOf(body.node[i]);
        nodeNearTwelveHours |= IsNearTwelveHours(n[i]);
    }
    if (body.isMoon && nodeNearTwelveHours) return;  // nothing trusted
    for (int hour = 0; hour < kHours; ++hour) {
        const double f = hour / static_cast<double>(kHours - 1);
        Vector d;
        if (body.isMoon) {
            // Lagrange weights of the nodes at f = 0, 1/2 and 1.
            const double w0 = 2.0 * (f - 0.5) * (f - 1.0), w1 = -4.0 * f * (f - 1.0), w2 = 2.0 * f * (f - 0.5);
            for (int k = 0; k < 3; ++k) d[k] = w0 * n[0][k] + w1 * n[1][k] + w2 * n[2][k];
        } else {
            for (int k = 0; k < 3; ++k) d[k] = n[0][k] + f * (n[2][k] - n[0][k]);
        }
        const Vector& z = Zenith(hour);
        body.approximate[hour] = z[0] * d[0] + z[1] * d[1] + z[2] * d[2];
        body.trusted[hour] = !(body.isMoon && IsNearTwelveHours(d));
    }
}

double DayRiseSet::ExactSinAltitude(Body& body, int hour) {
    if (!body.known[hour]) {
        EquatorialPosition p;
        if (hour == 0) {
            p = body.node[0];
        } else if (hour == kHours - 1) {
            p = body.node[2];
        } else if (hour == 12 && body.isMoon) {
            p = body.node[1];
        } else {
            const double t = CenturiesSinceJ2000(mjd0_ + hour / 24.0);
            p = body.isMoon ? MoonPosition(t) : SunPosition(t);
        }
        body.exact[hour] = SinAltitudeFrom(p, SiderealHours(hour), cosPhi_, sinPhi_);
        body.known[hour] = true;
    }
    return body.exact[hour];
}

RiseSetResult DayRiseSet::Search(int kind) {
    RiseSetResult r;
    if (!usable_) {
        r.computable = false;
        return r;
    }
    Body& body = kind == kMoonKind ? moon_ : sun_;
    Prepare(body);
    const double s0 = SinDeg(AltitudeOfKind(kind));
    const double margin = kParabolaErrorFactor * body.bound + kRoundingMargin;
    auto exact = [&](int hour) { return ExactSinAltitude(body, hour) - s0; };
    // The step around `hour` cannot hold a crossing.
    auto ruledOut = [&](int hour) {
        for (int h = hour - 1; h <= hour + 1; ++h)
            if (!body.trusted[h]) return false;
        return KeepsSign(body.approximate[hour - 1] - s0, body.approximate[hour] - s0,
                         body.approximate[hour + 1] - s0, margin);
    };

    const double start = body.approximate[0] - s0;
    r.aboveAtStart = body.trusted[0] && std::fabs(start) > margin ? start > 0 : exact(0) > 0;
    int hour = 1;
    do {
        if (!ruledOut(hour)) {
            const double yMinus = exact(hour - 1);
            const QuadResult q = Quad(yMinus, exact(hour), exact(hour + 1));
            if (q.nz == 1) {
                if (yMinus < 0)
                    r.rise = hour + q.z1;
                else
                    r.set = hour + q.z1;
            } else if (q.nz == 2) {
                if (q.ye < 0) {
                    r.rise = hour + q.z2;
                    r.set = hour + q.z1;
                } else {
                    r.rise = hour + q.z1;
                    r.set = hour + q.z2;
                }
            }
        }
        hour += 2;
    } while (hour != kHours && !(r.rise != 0 && r.set != 0));
    return r;
}

int TwilightRequestKind(const Observer& obs) {
    return kCivilTwilightKind + NormalizedTwilightKind(obs.twilightKind);
}

std::string ClockTextOfHours(double hours) {
    double whole = std::trunc(hours);
    const double m = (hours - whole) * 60.0 / 100.0;
    int minutes = 0;
    if (m >= 0.595) {
        whole += 1.0;
    } else {
        minutes = static_cast<int>(std::lround(m * 100.0));
    }
    // Built by hand: this runs three times for every day of an export.
    std::string text = std::to_string(static_cast<int>(whole));
    text += ':';
    if (minutes < 10) text += '0';
    text += std::to_string(minutes);
    return text;
}

std::string RiseSetText(int kind, const DayContext& ctx, const Observer& obs) {
    DayRiseSet day(ctx, obs);
    return RiseSetText(kind, day);
}

std::string RiseSetText(int kind, DayRiseSet& day) {
    if (kind == kCivilTwilightKind) kind = TwilightRequestKind(day.observer());
    if (kind < kMoonKind || kind > kAstronomicalTwilightKind) kind = kCivilTwilightKind;
    const RiseSetResult r = day.Search(kind);
    std::string text = LabelOfKind(kind);
    const bool twilight = kind >= kCivilTwilightKind;
    if (r.computable && r.rise == 0 && r.set == 0) {
        if (twilight)
            text += r.aboveAtStart ? ": immer hell" : ": immer dunkel";
        else
            text += r.aboveAtStart ? ": immer sichtbar" : ": nicht sichtbar";
        return text;
    }
    text += ": ";
    text += r.rise != 0 ? ClockTextOfHours(r.rise) : "--:--";
    text += " - ";
    text += r.set != 0 ? ClockTextOfHours(r.set) : "--:--";
    return text;
}

}  // namespace sk
