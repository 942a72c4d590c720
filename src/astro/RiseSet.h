#pragma once
// Rise and set of the Moon and the Sun and the Sun's crossing of a twilight
// depth: an hourly altitude scan with three-point quadratic interpolation
// (Montenbruck and Pfleger, "Astronomy on the Personal Computer", ch. 3.8),
// for the context's day and the observer's place.

#include <string>

#include "astro/Observer.h"
#include "calendar/Date.h"

namespace sk {

enum RiseSetKind : int {
    kMoonKind = 1,
    kSunKind = 2,
    kCivilTwilightKind = 3,
    kNauticalTwilightKind = 4,
    kAstronomicalTwilightKind = 5,
};

struct EquatorialPosition {
    double rightAscension;  // hours
    double declination;     // degrees
};

// Low-precision coordinates for T Julian centuries since J2000.0: the
// truncated series of Montenbruck and Pfleger's MiniSun and MiniMoon (ch. 3.2),
// accurate to about an arc minute, plenty for clock times to the minute.
EquatorialPosition SunPosition(double t);
EquatorialPosition MoonPosition(double t);

double SinAltitude(int kind, double mjd0, double hour, double lambda, double cosPhi, double sinPhi);

struct QuadResult {
    double xe = 0, ye = 0, z1 = 0, z2 = 0;
    int nz = 0;
};
// Vertex and roots of the parabola through (-1, yMinus), (0, y0), (1, yPlus)
// (their QUAD, ch. 3.8).
QuadResult Quad(double yMinus, double y0, double yPlus);

struct RiseSetResult {
    double rise = 0;  // local hours, 0 = not found
    double set = 0;
    bool aboveAtStart = false;
    bool computable = true;  // false for a place that cannot be computed
};

// The search of one day. `kind` is 1-5 (see RiseSetKind).
RiseSetResult SearchRiseSet(int kind, const DayContext& ctx, const Observer& obs);

// Kind of the twilight request (3 plus the setting, civil for a bad setting).
int TwilightRequestKind(const Observer& obs);

// "Sonne: 7:58 - 16:21" and the like. A twilight request is made as kind 3;
// the observer's twilight setting is added to it.
std::string RiseSetText(int kind, const DayContext& ctx, const Observer& obs);

// Formats a found time in hours, minutes rounded: 5.75 gives "5:45".
std::string ClockTextOfHours(double hours);

}  // namespace sk
