#include "astro/RiseSet.h"

#include <cmath>
#include <cstdio>

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
    const double tau = 15.0 * (LocalMeanSiderealHours(mjd, lambda) - p.rightAscension);
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

RiseSetResult SearchRiseSet(int kind, const DayContext& ctx, const Observer& obs) {
    RiseSetResult r;
    if (!HasUsablePlace(obs)) {
        r.computable = false;
        return r;
    }
    const double mjd0 = LocalMidnightMjd(ctx, obs);
    const double lambda = obs.longitude;
    const double sinPhi = SinDeg(obs.latitude);
    const double cosPhi = CosDeg(obs.latitude);
    const double s0 = SinDeg(AltitudeOfKind(kind));

    int hour = 1;
    double yMinus = SinAltitude(kind, mjd0, hour - 1, lambda, cosPhi, sinPhi) - s0;
    r.aboveAtStart = yMinus > 0;
    do {
        const double y0 = SinAltitude(kind, mjd0, hour, lambda, cosPhi, sinPhi) - s0;
        const double yPlus = SinAltitude(kind, mjd0, hour + 1, lambda, cosPhi, sinPhi) - s0;
        const QuadResult q = Quad(yMinus, y0, yPlus);
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
        yMinus = yPlus;
        hour += 2;
    } while (hour != 25 && !(r.rise != 0 && r.set != 0));
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
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d", static_cast<int>(whole), minutes);
    return buf;
}

std::string RiseSetText(int kind, const DayContext& ctx, const Observer& obs) {
    if (kind == kCivilTwilightKind) kind = TwilightRequestKind(obs);
    if (kind < kMoonKind || kind > kAstronomicalTwilightKind) kind = kCivilTwilightKind;
    const RiseSetResult r = SearchRiseSet(kind, ctx, obs);
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
